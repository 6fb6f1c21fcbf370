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
void OutsideDate(const RecordingImage& image, const FrameIndex& index, const frames::BcdBytes& bound,
                 Moment side, std::string_view check, std::string_view what, FindingList& findings) {
  std::int64_t count = 0;
  std::optional<std::int64_t> first;
  for (const std::int64_t n : index.ringOrder) {
    const FrameRecord f(image.Frame(n));
    // Dates alone: each date stands in for its own time.
    if (frames::CompareDateTime(f.Date(), bound, f.Date(), bound) != side) continue;
    ++count;
    if (!first) first = n;
  }
  if (count == 0) return;
  const FrameRecord f(image.Frame(*first));
  findings.Add(Severity::Warning, check,
               "Кадров с датой " + std::string(what) + " (" + BcdDateText(bound) +
                   "): " + std::to_string(count) + "; первый из них — " +
                   Nominative(*first) + " (" + MomentText(f) + ").",
               *first);
}

}  // namespace

void CheckClock(const RecordingImage& image, const FrameIndex& index, FindingList& findings) {
  const std::vector<std::int64_t>& ring = index.ringOrder;
  std::size_t runStart = 0;  // the first frame of the current run of one moment
  for (std::size_t i = 1; i <= ring.size(); ++i) {
    if (i < ring.size()) {
      const std::int64_t previous = ring[i - 1], n = ring[i];
      const FrameRecord p(image.Frame(previous)), f(image.Frame(n));
      const Moment order = frames::CompareDateTime(f.Date(), p.Date(), f.Time(), p.Time());
      if (order == Moment::Equal) continue;
      if (order == Moment::Earlier) {
        findings.Add(Severity::Warning, check::kClockBackwards,
                     "Время идёт назад: " + Described(f, n) + " раньше предыдущего кадра, " +
                         Described(p, previous, true) + ".",
                     n);
      } else if (const std::int64_t gap = index.Seconds(n) - index.Seconds(previous);
                 gap > kClockJumpSeconds && f.FaultCode() != frames::kFaultSwitchOn) {
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
  if (const auto readout = ReadoutDate(image))
    OutsideDate(image, index, *readout, Moment::Later, check::kAfterReadout,
                "позже даты считывания", findings);
  if (const auto install = InstallDate(image))
    OutsideDate(image, index, *install, Moment::Earlier, check::kBeforeInstall,
                "раньше даты установки РП", findings);
}

}  // namespace vertal::recording
