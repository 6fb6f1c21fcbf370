#include "graphs/core/GraphJump.h"

#include <array>

#include "common/core/Bcd.h"
#include "dump/core/DumpLayout.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"
#include "records/core/TypedInput.h"
#include "graphs/core/RingOrder.h"

namespace vertal::graphs {

namespace {

constexpr std::string_view kDateOnlyShape = "dd.dd.dd";
constexpr std::string_view kMomentShape = "dd.dd.dd dd:dd:dd";
constexpr char kDigit = 'd';
constexpr int kNibbleBits = 4;
constexpr std::size_t kPairStride = 3;  // two digits and a separator

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool HasShape(std::string_view text, std::string_view shape) {
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (shape[i] == kDigit ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}

// The two decimal digits at `at` as one BCD byte.
std::uint8_t BcdPair(std::string_view text, std::size_t at) {
  return static_cast<std::uint8_t>(((text[at] - '0') << kNibbleBits) | (text[at + 1] - '0'));
}

// Three pairs from `at`, stored last pair first when `reversed` (times keep seconds first).
frames::BcdBytes Pairs(std::string_view text, std::size_t at, bool reversed) {
  frames::BcdBytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[reversed ? bytes.size() - 1 - i : i] = BcdPair(text, at + i * kPairStride);
  return bytes;
}

frames::BcdBytes Copy(frames::Bcd3 bytes) {
  return {bytes[0], bytes[1], bytes[2]};
}

std::string FrameRangeMessage(std::string_view text) {
  return "\n Поле \"" + std::string(kFrameFieldCaption) +
         "\" должно содержать номер кадра от 0 до " + std::to_string(dump::kFrameCount - 1) +
         ", а не \"" + std::string(text) + "\".";
}

std::string NotMomentMessage(std::string_view text) {
  return "\n Поле \"" + std::string(kMomentFieldCaption) +
         "\" должно содержать дату и время в виде " + std::string(kMomentFieldHint) + ", а не \"" +
         std::string(text) + "\".";
}

}  // namespace

std::optional<TypedMoment> ParseMoment(std::string_view text) {
  text = Trimmed(text);
  const bool dateOnly = HasShape(text, kDateOnlyShape);
  if (!dateOnly && !HasShape(text, kMomentShape)) return std::nullopt;
  TypedMoment moment;
  moment.date = Pairs(text, 0, false);
  if (!dateOnly) moment.time = Pairs(text, kDateOnlyShape.size() + 1, true);
  if (!frames::BcdDateValid(moment.date) || !frames::BcdTimeValid(moment.time)) return std::nullopt;
  return moment;
}

MomentSearch FindFrameAtOrAfter(const DumpSource& source, const TypedMoment& moment) {
  const std::uint64_t wanted = MomentKey(moment.date, moment.time);
  NewestFrame newest;
  std::optional<std::uint64_t> best;
  std::vector<std::int64_t> atBest;  // the frames of the best moment, in slot order
  MomentSearch search;
  const bool read = records::ForEachValidRecord<frames::FrameRule>(
      source, {}, [&](std::int64_t n, frames::FrameBytes record) {
        const frames::FrameRecord frame(record);
        const std::uint64_t key = MomentKey(frame.Date(), frame.Time());
        newest.Offer(n, key);
        if (!search.latest || key >= newest.Key())
          search.latest = TypedMoment{Copy(frame.Date()), Copy(frame.Time())};
        if (key < wanted || (best && key > *best)) return;
        if (!best || key < *best) atBest.clear();
        best = key;
        atBest.push_back(n);
      });
  search.unreadable = !read;
  search.newest = newest.Frame();
  if (atBest.empty()) return search;
  const std::int64_t oldest = *search.newest + 1;
  search.frame = atBest.front();
  for (const std::int64_t n : atBest)
    if (RingDistance(oldest, n) < RingDistance(oldest, *search.frame)) search.frame = n;
  return search;
}

std::optional<std::int64_t> TypedFrame(std::string_view text, Host& host) {
  const std::optional<int> frame = records::ParseWholeNumber(text);
  if (!frame) {
    ShowError(host, records::NotWholeNumberMessage(kFrameFieldCaption, text));
    return std::nullopt;
  }
  if (*frame < 0 || *frame >= dump::kFrameCount) {
    ShowError(host, FrameRangeMessage(text));
    return std::nullopt;
  }
  return *frame;
}

std::optional<std::int64_t> TypedMomentFrame(const DumpSource& source, std::string_view text,
                                             Host& host) {
  const std::optional<TypedMoment> moment = ParseMoment(text);
  if (!moment) {
    ShowError(host, NotMomentMessage(text));
    return std::nullopt;
  }
  const MomentSearch search = FindFrameAtOrAfter(source, *moment);
  if (search.unreadable) {
    dump::ReportUnreadable(host);
    return std::nullopt;
  }
  if (!search.frame) {
    std::string message = "\n Нет кадров, записанных " + std::string(Trimmed(text)) + " или позже.";
    if (search.latest)
      message += "\n Последний кадр записан " + BcdDateText(search.latest->date) + " в " +
                 BcdTimeText(search.latest->time) + ".";
    ShowPlain(host, message);
    return std::nullopt;
  }
  return search.frame;
}

}  // namespace vertal::graphs
