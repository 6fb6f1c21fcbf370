#include "recording/core/FrameIndex.h"

#include <algorithm>
#include <array>

#include "common/core/TimeUnits.h"
#include "frames/core/PeriodScan.h"

namespace vertal::recording {
namespace {

constexpr std::uint8_t kErasedByte = 0xFF;
constexpr std::int64_t kDaysPerYear = 365;
constexpr std::int64_t kLeapCycle = 4;  // every fourth year from 2000 to 2099 is a leap year
constexpr std::int64_t kFebruary = 2;
constexpr std::array<std::int64_t, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                           181, 212, 243, 273, 304, 334};

// Every byte read as BCD tens and units, looked up rather than computed: each valid frame's
// moment takes six.
constexpr std::array<std::uint8_t, 256> kBcdNumbers = [] {
  constexpr unsigned kNibble = 4, kLowNibble = 0x0F, kTen = 10;
  std::array<std::uint8_t, 256> numbers{};
  for (unsigned b = 0; b < numbers.size(); ++b)
    numbers[b] = static_cast<std::uint8_t>((b >> kNibble) * kTen + (b & kLowNibble));
  return numbers;
}();

std::int64_t BcdNumber(std::uint8_t byte) { return kBcdNumbers[byte]; }

SlotKind Classify(const RecordingImage& image, std::int64_t n) {
  if (!image.FramePresent(n)) return SlotKind::Missing;
  const frames::FrameBytes frame = image.Frame(n);
  if (frames::FrameValid(frame)) return SlotKind::Valid;
  const bool erased =
      std::all_of(frame.begin(), frame.end(), [](std::uint8_t b) { return b == kErasedByte; });
  return erased ? SlotKind::Erased : SlotKind::Damaged;
}

}  // namespace

std::int64_t MomentSeconds(frames::Bcd3 date, frames::Bcd3 time) {
  const std::int64_t year = BcdNumber(date[2]);
  const std::int64_t month =
      std::clamp<std::int64_t>(BcdNumber(date[1]), 1, static_cast<std::int64_t>(kDaysBeforeMonth.size()));
  const std::int64_t leapDaysBefore = (year + kLeapCycle - 1) / kLeapCycle;
  const bool leapYear = year % kLeapCycle == 0;
  const std::int64_t days = year * kDaysPerYear + leapDaysBefore +
                            kDaysBeforeMonth[static_cast<std::size_t>(month - 1)] +
                            (leapYear && month > kFebruary ? 1 : 0) + BcdNumber(date[0]) - 1;
  return days * kSecondsPerDay + BcdNumber(time[2]) * kSecondsPerHour +
         BcdNumber(time[1]) * kSecondsPerMinute + BcdNumber(time[0]);
}

namespace {

// Builds an index slot by slot as the image is read.
class FrameIndexer {
 public:
  FrameIndexer() {
    const auto count = static_cast<std::size_t>(dump::kFrameCount);
    index_.kinds.resize(count);
    index_.seconds.resize(count);
    index_.keys.resize(count);
    index_.faults.resize(count);
  }

  // Indexes every slot that lies wholly in the first `final` bytes of the image.
  void Through(const RecordingImage& image, std::int64_t final) {
    for (; next_ < dump::kFrameCount && dump::kFrames.Offset(next_) + dump::kFrameSize <= final; ++next_) {
      const SlotKind kind = Classify(image, next_);
      index_.kinds[static_cast<std::size_t>(next_)] = kind;
      if (kind != SlotKind::Valid) continue;
      const frames::FrameRecord f(image.Frame(next_));
      const auto slot = static_cast<std::size_t>(next_);
      index_.seconds[slot] = MomentSeconds(f.Date(), f.Time());
      index_.faults[slot] = f.FaultCode();
      newest_.Offer(next_, index_.keys[slot] = MomentKey(f.Date(), f.Time()));
    }
  }

  FrameIndex Finish(const RecordingImage& image) {
    Through(image, dump::kDumpFileSize);
    index_.newest = newest_.Frame();
    if (index_.newest) {
      index_.ringOrder.reserve(index_.kinds.size());
      for (std::int64_t k = 1; k <= dump::kFrameCount; ++k) {
        const std::int64_t n = (*index_.newest + k) % dump::kFrameCount;
        if (index_.Valid(n)) index_.ringOrder.push_back(n);
      }
    }
    return std::move(index_);
  }

 private:
  FrameIndex index_;
  std::int64_t next_ = 0;
  frames::NewestFrame newest_;
};

}  // namespace

FrameIndex IndexFrames(const RecordingImage& image) { return FrameIndexer().Finish(image); }

std::optional<IndexedRecording> ReadIndexed(const std::string& path, Digest digest,
                                            const ProgressSink& progress) {
  FrameIndexer indexer;
  auto image = ReadRecording(path, digest, progress,
                             [&](const RecordingImage& read, std::int64_t final) {
                               indexer.Through(read, final);
                             });
  if (!image) return std::nullopt;
  FrameIndex index = indexer.Finish(*image);
  return IndexedRecording{std::move(*image), std::move(index)};
}

std::int64_t RecordedGap(std::int64_t gapSeconds, std::uint8_t laterFaultCode) {
  if (gapSeconds <= 0 || gapSeconds > kCloseFrameGapSeconds) return 0;
  return laterFaultCode == frames::kFaultSwitchOn ? 0 : gapSeconds;
}

std::uint8_t OpenedItems(const RecordingImage& image, const FrameIndex& index, std::int64_t n) {
  const std::uint8_t lists = MatchedLists(frames::FrameRecord(image.Frame(n)));
  if (lists == 0 || n == 0 || !index.Valid(n - 1)) return lists;
  const auto grouped = static_cast<std::uint8_t>(
      MatchedLists(frames::FrameRecord(image.Frame(n - 1))) & ~static_cast<std::uint8_t>(EpisodeList::SwitchOn));
  return static_cast<std::uint8_t>(lists & ~grouped);
}

}  // namespace vertal::recording
