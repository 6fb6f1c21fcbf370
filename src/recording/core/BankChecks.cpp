// The two banks hold the same identification, and the counters keep their own pace: a bank is
// written some time after the other, so either may be ahead in any counter, and no counter is
// required to agree between them. Only the identification is compared, except for the
// commissioning organisation, which a readout rewrites in the unit without a rule for which
// bank takes it, and the bytes the program does not read.
//
// Counters against frames. The frames cover only the last part of the crane's life (the ring
// holds days or weeks) and the counters are lifetime totals with no value at the start of the
// recording, so a check can only say that a counter is below what the frames alone show.
// - Powered operating time: counted in minutes while the processing unit is powered, and the
//   unit writes frames only while powered. The time between close consecutive frames (see
//   RecordedGap) is time it was powered, so the counter cannot be below it. A counter may lose
//   the part of a minute at each switch-off, and a switch-on frame that is damaged hides one
//   switch-off: one minute per switch-on and per damaged frame, and one more, are allowed. Kept.
// - Overload counters (load cycles of 110 % and more) against overload episodes: not sound.
//   One overloaded lift can give several episodes (the moment dips below 110 % and rises again,
//   or a damaged frame splits the run), and where exactly 110 % falls between the ranges is not
//   known. Left out.
// - Work and load cycles against lifts in the frames: not sound for the same reason (a moment
//   that wavers around 10 % gives several rises for one cycle), and the counters' own rule for a
//   cycle is not known. Left out.
// - Mechanism times and the loaded operating time: the frames do not say which mechanism moves,
//   nor what the unit takes for "loaded". Left out.
// - Overload records against the frames: the unit's rule for writing a record is not known, and
//   the region may have been filled long before the recording. Left out.

#include <algorithm>
#include <array>
#include <string>

#include "common/core/Bytes.h"
#include "common/core/TimeUnits.h"
#include "dump/core/DurationText.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/LongTermRecords.h"
#include "recording/core/AuditChecks.h"

namespace vertal::recording {
namespace {

struct IdentField {
  std::int64_t offset;  // within the bank
  std::int64_t size;
  bool text;  // compared up to its first NUL
  std::string_view name;
};

constexpr std::int64_t kLim = dump::kLimiterIdent.offset;
constexpr std::int64_t kCrane = dump::kCraneIdent.offset;

constexpr std::array<IdentField, 13> kIdentFields = {{
    {kLim + dump::kLimSerial, dump::kLimSerialSize, true, "заводской номер ограничителя"},
    {kLim + dump::kLimModification, 1, false, "модификация"},
    {kLim + dump::kLimChange, 1, false, "номер изменения (версия программы)"},
    {kLim + dump::kLimTablesVersion, 1, false, "версия таблиц"},
    {kLim + dump::kLimProgramSub, 1, false, "подномер программы"},
    {kLim + dump::kLimRecorderVersion, 1, false, "версия РП"},
    {kLim + dump::kLimMaker, dump::kLimMakerSize, true, "изготовитель ограничителя"},
    {kCrane + dump::kCraneSerial, dump::kCraneYear - dump::kCraneSerial, false, "заводской номер крана"},
    {kCrane + dump::kCraneYear, dump::kCraneGroup - dump::kCraneYear, false, "год изготовления крана"},
    {kCrane + dump::kCraneGroup, 1, false, "группа режима работы"},
    {kCrane + dump::kCraneModel, dump::kCraneModelSize, true, "модель крана"},
    {kCrane + dump::kCraneInstallDate, dump::kCraneMaker - dump::kCraneInstallDate, false,
     "дата установки РП"},
    {kCrane + dump::kCraneMaker, dump::kCraneMakerSize, true, "завод-изготовитель крана"},
}};

std::span<const std::uint8_t> FieldOf(const RecordingImage& image, int bank, const IdentField& field) {
  auto bytes = image.Bytes().subspan(
      static_cast<std::size_t>(dump::kBankOffset[bank] + field.offset),
      static_cast<std::size_t>(field.size));
  if (field.text) bytes = bytes.first(static_cast<std::size_t>(
                      std::find(bytes.begin(), bytes.end(), std::uint8_t{0}) - bytes.begin()));
  return bytes;
}

void CompareIdentification(const RecordingImage& image, FindingList& findings) {
  std::string differing;
  for (const IdentField& field : kIdentFields) {
    const auto a = FieldOf(image, 0, field), b = FieldOf(image, 1, field);
    if (std::equal(a.begin(), a.end(), b.begin(), b.end())) continue;
    if (!differing.empty()) differing += ", ";
    differing += field.name;
  }
  if (!differing.empty())
    findings.Add(Severity::Warning, check::kBanks,
                 "Идентификация в Банке-0 и Банке-1 не совпадает: " + differing + ".");
}

void ComparePoweredTime(const RecordingImage& image, const FrameIndex& index,
                        const RingTotals& totals, FindingList& findings) {
  const std::int64_t recorded = totals.recordedSeconds;
  const std::int64_t counted =
      std::int64_t{dump::ReadLongTermInfo(image.LongTerm(), false).poweredMinutes} * kSecondsPerMinute;
  const std::int64_t allowed =
      1 + totals.switchOns + std::count(index.kinds.begin(), index.kinds.end(), SlotKind::Damaged);
  if (counted + allowed * kSecondsPerMinute >= recorded) return;
  findings.Add(Severity::Warning, check::kPoweredTime,
               "Наработка по признаку включения электропитания (" + dump::SecondsToHms(counted) +
                   ") меньше времени работы, записанного в кадрах (" +
                   dump::SecondsToHms(recorded) + ").");
}

}  // namespace

void CheckBanks(const RecordingImage& image, const FrameIndex& index, const RingTotals& totals,
                FindingList& findings) {
  CompareIdentification(image, findings);
  ComparePoweredTime(image, index, totals, findings);
}

}  // namespace vertal::recording
