#include "dump/core/DumpHead.h"

#include "common/core/Bytes.h"
#include "dump/core/DumpFile.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/RecordAccess.h"

namespace vertal::dump {

std::int8_t DumpHead::RecorderVersion() const {
  return i8(longTerm[static_cast<std::size_t>(kRecorderVersionOffset)]);
}

std::optional<DumpHead> ReadDumpHead(const std::string& path) {
  const auto file = DumpFile::Open(path);
  if (!file) return std::nullopt;
  DumpHead head;
  file->ReadAt(kLongTermAreaOffset, head.longTerm);
  file->ReadAt(kTrailerOffset, head.trailer);
  head.fileSize = file->Size();
  return head;
}

namespace {

// Digits in groups of three, as the window writes sizes: "8 683 654".
std::string Grouped(std::int64_t value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  constexpr std::size_t kGroup = 3;
  for (std::size_t at = digits.size(); at > kGroup; at -= kGroup) digits.insert(at - kGroup, " ");
  return value < 0 ? "-" + digits : digits;
}

}  // namespace

std::string FileSizeNotice(std::int64_t fileSize) {
  const std::string full = Grouped(kDumpFileSize);
  if (fileSize < kDumpFileSize)
    return "Файл неполный: в нём " + Grouped(fileSize) + " байт из " + full +
           ". Записи за концом файла показаны как \"БРАК\".";
  if (fileSize > kDumpFileSize)
    return "Файл длиннее файла регистратора: в нём " + Grouped(fileSize) + " байт вместо " + full +
           ". Байты после " + full + "-го не читаются.";
  return {};
}

std::optional<DumpHead> OpenDumpHead(const std::string& path, Host& host) {
  std::optional<DumpHead> head = ReadDumpHead(path);
  if (!head) {
    ReportUnreadable(host);
    return std::nullopt;
  }
  for (auto& text : CheckLongTermArea(head->longTerm)) ShowPlain(host, std::move(text));
  return head;
}

}  // namespace vertal::dump
