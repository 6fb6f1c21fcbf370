#include <algorithm>
#include <array>

#include "common/core/Bcd.h"
#include "dump/core/Checksum.h"
#include "dump/core/DumpHead.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/OperatorTrailer.h"
#include "recording/core/AuditChecks.h"

namespace vertal::recording {
namespace {

// The versions whose layout the program knows.
constexpr std::array<std::int8_t, 2> kKnownVersions = {30, 31};

constexpr std::int64_t kInstallDateOffset =
    dump::kBankOffset[0] + dump::kCraneIdent.offset + dump::kCraneInstallDate;

frames::BcdBytes DateAt(const RecordingImage& image, std::int64_t offset) {
  frames::BcdBytes date{};
  std::copy_n(image.Bytes().begin() + offset, date.size(), date.begin());
  return date;
}

std::optional<frames::BcdBytes> IfValid(const frames::BcdBytes& date) {
  if (!frames::BcdDateValid(date)) return std::nullopt;
  return date;
}

// The first frame the file does not hold whole; nothing when it holds every frame.
std::optional<std::int64_t> FirstMissingFrame(std::int64_t fileSize) {
  const std::int64_t whole = std::max<std::int64_t>(0, fileSize - dump::kOperativeAreaOffset) / dump::kFrameSize;
  if (whole >= dump::kFrameCount) return std::nullopt;
  return whole;
}

}  // namespace

std::optional<frames::BcdBytes> ReadoutDate(const RecordingImage& image) {
  if (!image.TrailerPresent()) return std::nullopt;
  return IfValid(DateAt(image, dump::kTrailerOffset + dump::kTrailerDate));
}

std::optional<frames::BcdBytes> InstallDate(const RecordingImage& image) {
  return IfValid(DateAt(image, kInstallDateOffset));
}

void CheckFile(const RecordingImage& image, const std::optional<Sha256Digest>& digest,
               FindingList& findings) {
  if (image.fileSize < dump::kDumpFileSize)
    findings.Add(Severity::Error, check::kSize, dump::FileSizeNotice(image.fileSize),
                 FirstMissingFrame(image.fileSize));
  else if (image.fileSize > dump::kDumpFileSize)
    findings.Add(Severity::Warning, check::kSize, dump::FileSizeNotice(image.fileSize));
  else
    findings.Add(Severity::Info, check::kSize, "Размер файла — как у полного считывания регистратора.");

  if (digest)
    findings.Add(Severity::Info, check::kSha256, "SHA-256 файла: " + DigestHex(*digest) + ".");

  const auto version =
      static_cast<std::int8_t>(image.Bytes()[static_cast<std::size_t>(dump::kRecorderVersionOffset)]);
  if (std::find(kKnownVersions.begin(), kKnownVersions.end(), version) != kKnownVersions.end())
    findings.Add(Severity::Info, check::kVersion, "Версия РП: " + std::to_string(version) + ".");
  else
    findings.Add(Severity::Warning, check::kVersion,
                 "Неизвестная версия РП: " + std::to_string(version) +
                     ". Программа знает версии " + std::to_string(kKnownVersions[0]) + " и " +
                     std::to_string(kKnownVersions[1]) + "; поля файла могут читаться неверно.");

  if (image.TrailerPresent()) {
    if (!ChecksumValid(image.Trailer()))
      findings.Add(Severity::Warning, check::kTrailerChecksum,
                   "Неверна контрольная сумма данных считывания (дата считывания, оператор, "
                   "организация, владелец крана).");
    const frames::BcdBytes readout = DateAt(image, dump::kTrailerOffset + dump::kTrailerDate);
    if (!frames::BcdDateValid(readout))
      findings.Add(Severity::Warning, check::kReadoutDate,
                   "Дата считывания неверна (" + BcdDateText(readout) +
                       "): даты кадров с ней не сравниваются.");
  }
  const frames::BcdBytes install = DateAt(image, kInstallDateOffset);
  if (!frames::BcdDateValid(install))
    findings.Add(Severity::Warning, check::kInstallDate,
                 "Дата установки РП неверна (" + BcdDateText(install) +
                     "): даты кадров с ней не сравниваются.");
}

}  // namespace vertal::recording
