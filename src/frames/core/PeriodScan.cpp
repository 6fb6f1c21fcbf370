#include "frames/core/PeriodScan.h"

#include <algorithm>
#include <limits>

#include "common/core/Bcd.h"
#include "common/core/Bytes.h"
#include "dump/core/DumpFile.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameMoment.h"
#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"

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

std::optional<PeriodScanResult> ScanRecordingPeriod(const std::string& path,
                                                    const ProgressSink& progress) {
  PeriodScanResult result;
  records::ResultCollector mzon(true, kMzonWording), tuning(true, kTuningWording),
      overloads(true, kOverloadWording), switchOns(false, kSwitchOnWording);
  // Moment numbers use 48 bits: any valid frame lowers `earliest` and leaves it at most `latest`.
  std::uint64_t earliest = std::numeric_limits<std::uint64_t>::max(), latest = 0;
  const bool opened = records::ForEachValidRecord<FrameRule>(
      path, progress, [&](std::int64_t n, FrameBytes record) {
        const FrameRecord f(record);
        const std::uint64_t key = MomentKey(record);
        earliest = std::min(earliest, key);
        latest = std::max(latest, key);
        const std::uint8_t lists = MatchedLists(f);
        mzon.Offer(n, Has(lists, EpisodeList::Mzon), f.Date());
        tuning.Offer(n, Has(lists, EpisodeList::Tuning), f.Date());
        overloads.Offer(n, Has(lists, EpisodeList::Overload), f.Date());
        switchOns.Offer(n, Has(lists, EpisodeList::SwitchOn), f.Date());
      });
  if (!opened) return std::nullopt;
  result.mzon = mzon.Take();
  result.tuning = tuning.Take();
  result.overloads = overloads.Take();
  result.switchOns = switchOns.Take();

  if (earliest <= latest) {
    result.earliest = MomentOf(earliest);
    result.latest = MomentOf(latest);
  } else {
    // No valid frame: the period shows frame 0 as it stands.
    if (const auto file = dump::DumpFile::Open(path)) {
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
