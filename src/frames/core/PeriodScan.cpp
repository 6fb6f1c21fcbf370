#include "frames/core/PeriodScan.h"

#include "common/core/Bcd.h"
#include "common/core/Bytes.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameMoment.h"

namespace vertal::frames {
namespace {

// One byte each of a moment's number, the year highest (see MomentKey).
enum MomentByte : unsigned { kSecondsAt = 0, kMinutesAt, kHoursAt, kDayAt, kMonthAt, kYearAt };
constexpr unsigned kBitsPerByte = 8;

// The date and time bytes back from a moment's number, so that the pass keeps only numbers.
Moment6 MomentOf(std::uint64_t key) {
  const auto byte = [key](MomentByte place) {
    return static_cast<std::uint8_t>(key >> (place * kBitsPerByte));
  };
  return {{byte(kDayAt), byte(kMonthAt), byte(kYearAt)},
          {byte(kSecondsAt), byte(kMinutesAt), byte(kHoursAt)}};
}

Moment6 MomentOf(FrameBytes frame) { return MomentOf(MomentKey(frame)); }

}  // namespace

PeriodScanner::PeriodScanner()
    : mzon_(true, kMzonWording, FrameRule::kFamily.count),
      tuning_(true, kTuningWording, FrameRule::kFamily.count),
      overloads_(true, kOverloadWording, FrameRule::kFamily.count),
      switchOns_(false, kSwitchOnWording, FrameRule::kFamily.count) {}

PeriodScanResult PeriodScanner::Finish(const DumpSource& source) {
  PeriodScanResult result;
  result.mzon = mzon_.Take();
  result.tuning = tuning_.Take();
  result.overloads = overloads_.Take();
  result.switchOns = switchOns_.Take();
  if (period_.earliest <= period_.latest) {
    result.earliest = MomentOf(period_.earliest);
    result.latest = MomentOf(period_.latest);
  } else {
    // No valid frame: the period shows frame 0 as it stands.
    if (const auto file = source.Open()) {
      std::array<std::uint8_t, kFrameSize> frame{};
      file->ReadAt(dump::kFrames.Offset(0), frame);
      result.earliest = result.latest = MomentOf(FrameBytes(frame));
    }
  }
  return result;
}

PeriodPanelModel PresentPeriodScan(PeriodScanResult r) {
  PeriodPanelModel m;
  m.start = "Начало работы РП: " + BcdDateText(r.earliest.date) + " в " + BcdTimeText(r.earliest.time);
  m.end = "Конец   работы РП: " + BcdDateText(r.latest.date) + " в " + BcdTimeText(r.latest.time);
  const std::string episodes = "Количество эпизодов: ";
  m.tuningCount = episodes + std::to_string(r.tuning.Count());
  m.mzonCount = episodes + std::to_string(r.mzon.Count());
  m.overloadCount = episodes + std::to_string(r.overloads.Count());
  m.switchOnCount = "Количество включений: " + std::to_string(r.switchOns.Count());
  m.mzon = std::move(r.mzon);
  m.tuning = std::move(r.tuning);
  m.overloads = std::move(r.overloads);
  m.switchOns = std::move(r.switchOns);
  return m;
}

void ReportUnreadableScan(Host& host) { dump::ReportUnreadable(host); }

}  // namespace vertal::frames
