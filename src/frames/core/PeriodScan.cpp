#include "frames/core/PeriodScan.h"

#include <algorithm>

#include "common/core/Bcd.h"
#include "dump/core/DumpFile.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameRecord.h"
#include "frames/core/FrameTable.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {
namespace {

// The moment of a frame as one number that orders like the year, month, day, hours, minutes
// and seconds bytes compared in that order.
std::uint64_t MomentKey(const FrameRecord& f) {
  const auto d = f.Date();
  const auto t = f.Time();
  return std::uint64_t{d[2]} << 40 | std::uint64_t{d[1]} << 32 | std::uint64_t{d[0]} << 24 |
         std::uint64_t{t[2]} << 16 | std::uint64_t{t[1]} << 8 | std::uint64_t{t[0]};
}

Moment6 MomentOf(const FrameRecord& f) {
  Moment6 m;
  std::copy(f.Date().begin(), f.Date().end(), m.date.begin());
  std::copy(f.Time().begin(), f.Time().end(), m.time.begin());
  return m;
}

}  // namespace

std::optional<PeriodScanResult> ScanRecordingPeriod(const std::string& path,
                                                    const ProgressSink& progress) {
  PeriodScanResult result;
  ResultCollector mzon(true, ItemWording::TripDate), tuning(true, ItemWording::WorkDate),
      overloads(true, ItemWording::DateColon), switchOns(false, ItemWording::Date);
  bool seeded = false;
  std::uint64_t earliest = 0, latest = 0;
  const bool opened = ForEachValidRecord(
      path, FrameTableLayout(), progress, [&](std::int64_t n, ByteSpan record) {
        const FrameRecord f(record.first<kFrameSize>());
        const std::uint64_t key = MomentKey(f);
        if (!seeded || key < earliest) {
          earliest = key;
          result.earliest = MomentOf(f);
        }
        if (!seeded || key > latest) {
          latest = key;
          result.latest = MomentOf(f);
        }
        seeded = true;
        const std::uint8_t code = f.FaultCode();
        mzon.Offer(n, code >= kFirstPowerLineCode && code <= kLastPowerLineCode, f.Date());
        tuning.Offer(n, (f.Kos() & kKosWorkMode) == 0, f.Date());
        overloads.Offer(n, f.LoadMoment() >= kOverloadMoment, f.Date());
        switchOns.Offer(n, code == kFaultSwitchOn, f.Date());
      });
  if (!opened) return std::nullopt;
  result.mzon = mzon.Take();
  result.tuning = tuning.Take();
  result.overloads = overloads.Take();
  result.switchOns = switchOns.Take();

  if (!seeded) {
    // No valid frame: the period shows frame 0 as it stands.
    if (const auto file = dump::DumpFile::Open(path)) {
      std::array<std::uint8_t, kFrameSize> frame{};
      file->ReadAt(dump::kFrames.Offset(0), frame);
      result.earliest = result.latest = MomentOf(FrameRecord(frame));
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

PassResult<PeriodPanelModel> RunPeriodScan(const std::string& path, Host& host, const PassHooks& hooks) {
  hooks.Begin();
  std::optional<PeriodScanResult> result = ScanRecordingPeriod(path, hooks.progress);
  if (!result) {
    dump::ReportUnreadable(host);
    return {PassEnd::Unreadable, {}};
  }
  return {PassEnd::Done, PresentPeriodScan(std::move(*result))};
}

}  // namespace vertal::frames
