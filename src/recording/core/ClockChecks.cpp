#include <algorithm>

#include "common/core/Bcd.h"
#include "dump/core/DurationText.h"
#include "recording/core/AuditChecks.h"

namespace vertal::recording {
namespace {

// A step forward in time between consecutive frames longer than this needs a switch-on to
// explain it: the limiter was off in between.
constexpr std::int64_t kClockJumpSeconds = 3600;
// So many byte-identical frames in a row mean a recorder that wrote one frame over and over.
constexpr std::int64_t kIdenticalRunFrames = 5;

using frames::FrameRecord;
using frames::Moment;

std::string Described(const FrameRecord& f, std::int64_t n, bool genitive = false) {
  return (genitive ? Genitive(n) : Nominative(n)) + " (" + MomentText(f) + ")";
}

bool SameBytes(const FrameRecord& a, const FrameRecord& b) {
  return std::equal(a.raw.begin(), a.raw.end(), b.raw.begin());
}

// A run of consecutive frames with one moment: `count` frames from ring position `first`.
void RepeatedMoment(const RecordingImage& image, const FrameIndex& index, std::size_t first,
                    std::size_t count, FindingList& findings) {
  const std::int64_t a = index.ringOrder[first];
  const std::int64_t b = index.ringOrder[first + count - 1];
  const FrameRecord f(image.Frame(a));
  bool identical = static_cast<std::int64_t>(count) >= kIdenticalRunFrames;
  for (std::size_t i = first + 1; identical && i < first + count; ++i)
    identical = SameBytes(f, FrameRecord(image.Frame(index.ringOrder[i])));
  const auto total = static_cast<std::int64_t>(count);
  if (identical)
    findings.Add(Severity::Warning, check::kIdenticalFrames,
                 RunText("", "Побайтно одинаковые кадры подряд (" + MomentText(f) + ")", a, b, total),
                 a);
  else
    findings.Add(Severity::Warning, check::kDuplicateTime,
                 RunText("", "Кадры подряд с одинаковыми датой и временем (" + MomentText(f) + ")",
                         a, b, total),
                 a);
}

// Valid frames dated outside a bound: how many, and the first of them in the order of writing.
class OutsideDate {
 public:
  OutsideDate(std::optional<frames::BcdBytes> bound, Moment side)
      : bound_(bound), boundKey_(bound ? DateKey(*bound) : 0), side_(side) {}

  // A frame by its moment's key.
  void Offer(std::uint64_t momentKey, std::int64_t n) {
    if (!bound_) return;
    const std::uint64_t key = momentKey & ~kTimeBits;
    if (side_ == Moment::Later ? key <= boundKey_ : key >= boundKey_) return;
    if (count_++ == 0) first_ = n;
  }

  void Report(const RecordingImage& image, std::string_view check, std::string_view what,
              FindingList& findings) const {
    if (count_ == 0) return;
    findings.Add(Severity::Warning, check,
                 "Кадров с датой " + std::string(what) + " (" + BcdDateText(*bound_) + "): " +
                     std::to_string(count_) + "; первый из них — " + Nominative(first_) + " (" +
                     MomentText(FrameRecord(image.Frame(first_))) + ").",
                 first_);
  }

 private:
  // Dates alone: a date's key at 00:00:00.
  static std::uint64_t DateKey(frames::Bcd3 date) { return MomentKey(date, kMidnight); }
  static constexpr frames::BcdBytes kMidnight{};
  static constexpr std::uint64_t kTimeBits = 0xFFFFFF;  // the key's hours, minutes and seconds

  std::optional<frames::BcdBytes> bound_;
  std::uint64_t boundKey_;
  Moment side_;
  std::int64_t count_ = 0;
  std::int64_t first_ = 0;
};

}  // namespace

RingTotals CheckClock(const RecordingImage& image, const FrameIndex& index, FindingList& findings) {
  const std::vector<std::int64_t>& ring = index.ringOrder;
  RingTotals totals;
  OutsideDate afterReadout(ReadoutDate(image), Moment::Later);
  OutsideDate beforeInstall(InstallDate(image), Moment::Earlier);
  std::size_t runStart = 0;  // the first frame of the current run of one moment
  for (std::size_t i = 0; i <= ring.size(); ++i) {
    if (i < ring.size()) {
      const std::int64_t n = ring[i];
      const std::uint64_t key = index.Key(n);
      const std::uint8_t fault = index.Fault(n);
      afterReadout.Offer(key, n);
      beforeInstall.Offer(key, n);
      totals.switchOns += fault == frames::kFaultSwitchOn ? 1 : 0;
      if (i == 0) continue;
      const std::int64_t previous = ring[i - 1];
      const std::int64_t gap = index.Seconds(n) - index.Seconds(previous);
      totals.recordedSeconds += RecordedGap(gap, fault);
      const std::uint64_t previousKey = index.Key(previous);
      if (key == previousKey) continue;
      const FrameRecord f(image.Frame(n)), p(image.Frame(previous));
      if (key < previousKey) {
        findings.Add(Severity::Warning, check::kClockBackwards,
                     "Время идёт назад: " + Described(f, n) + " раньше предыдущего кадра, " +
                         Described(p, previous, true) + ".",
                     n);
      } else if (gap > kClockJumpSeconds && fault != frames::kFaultSwitchOn) {
        findings.Add(Severity::Warning, check::kClockJump,
                     "Скачок времени вперёд на " + dump::SecondsToHms(gap) +
                         " без включения прибора: " + Described(f, n) + " после " +
                         Described(p, previous, true) + ".",
                     n);
      }
    }
    if (i - runStart > 1) RepeatedMoment(image, index, runStart, i - runStart, findings);
    runStart = i;
  }
  afterReadout.Report(image, check::kAfterReadout, "позже даты считывания", findings);
  beforeInstall.Report(image, check::kBeforeInstall, "раньше даты установки РП", findings);
  return totals;
}

}  // namespace vertal::recording
