#include "dump/core/DumpHead.h"

#include "common/core/Bytes.h"
#include "dump/core/LongTermLayout.h"
#include "dump/core/LongTermRecords.h"
#include "dump/core/RecordAccess.h"

namespace vertal::dump {

std::int8_t DumpHead::RecorderVersion() const {
  return i8(longTerm[static_cast<std::size_t>(kRecorderVersionOffset)]);
}

std::optional<DumpHead> ReadDumpHead(const DumpSource& source) {
  const auto file = source.Open();
  if (!file) return std::nullopt;
  DumpHead head;
  file->ReadAt(kLongTermAreaOffset, head.longTerm);
  file->ReadAt(kTrailerOffset, head.trailer);
  head.fileSize = file->Size();
  return head;
}

namespace {

// Digits in groups of three, as the window writes sizes: "8 683 654".
// Built by appending (GCC 12 at -O3 takes insertions into a string for overlapping copies).
std::string Grouped(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  constexpr std::size_t kGroup = 3;
  std::string text(value < 0 ? "-" : "");
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % kGroup == 0) text += ' ';
    text += digits[i];
  }
  return text;
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

std::optional<DumpHead> OpenDumpHead(const DumpSource& source, Host& host) {
  std::optional<DumpHead> head = ReadDumpHead(source);
  if (!head) {
    ReportUnreadable(host);
    return std::nullopt;
  }
  // The damaged records of one opening are told in one box, not one box each.
  std::vector<Message> damaged;
  for (auto& text : CheckLongTermArea(head->longTerm))
    damaged.push_back({MessageKind::Plain, std::move(text)});
  host.ShowMessages(damaged);
  return head;
}

}  // namespace vertal::dump
