#include "frames/core/PeriodScan.h"

#include <algorithm>
#include <charconv>

#include "common/core/Bcd.h"
#include "dump/core/DumpFile.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameRecord.h"
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

std::string Item(std::int64_t n, std::string_view caption, const FrameRecord& f) {
  constexpr std::size_t kDateLength = 8;
  std::array<char, 24> number{};
  const auto end = std::to_chars(number.data(), number.data() + number.size(), n).ptr;
  std::string item;
  item.reserve(static_cast<std::size_t>(end - number.data()) + caption.size() + kDateLength);
  item.append(number.data(), end);
  item.append(caption);
  AppendBcdDate(item, f.Date());
  return item;
}

}  // namespace

std::optional<PeriodScanResult> ScanRecordingPeriod(const std::string& path,
                                                    const ProgressSink& progress) {
  PeriodScanResult result;
  ResultCollector mzon(true), tuning(true), overloads(true), switchOns(false);
  bool seeded = false;
  std::uint64_t earliest = 0, latest = 0;
  const bool opened = ForEachValidRecord<FrameRule>(
      path, progress, [&](std::int64_t n, FrameBytes record) {
        const FrameRecord f(record);
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
        mzon.Offer(n, code >= kFirstPowerLineCode && code <= kLastPowerLineCode,
                   [&] { return Item(n, "-й кадр, дата сраба-ия: ", f); });
        tuning.Offer(n, (f.Kos() & kKosWorkMode) == 0,
                     [&] { return Item(n, "-й кадр, дата работы: ", f); });
        overloads.Offer(n, f.LoadMoment() >= kOverloadMoment,
                        [&] { return Item(n, "-й кадр, дата: ", f); });
        switchOns.Offer(n, code == kFaultSwitchOn, [&] { return Item(n, "-й кадр, дата ", f); });
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

PeriodPanelModel PresentPeriodScan(const PeriodScanResult& r) {
  PeriodPanelModel m;
  m.start = "Начало работы РП: " + BcdDateText(r.earliest.date) + " в " + BcdTimeText(r.earliest.time);
  m.end = "Конец   работы РП: " + BcdDateText(r.latest.date) + " в " + BcdTimeText(r.latest.time);
  const std::string episodes = "Количество эпизодов: ";
  m.tuningCount = episodes + std::to_string(r.tuning.Count());
  m.mzonCount = episodes + std::to_string(r.mzon.Count());
  m.overloadCount = episodes + std::to_string(r.overloads.Count());
  m.switchOnCount = "Количество включений: " + std::to_string(r.switchOns.Count());
  m.mzon = r.mzon;
  m.tuning = r.tuning;
  m.overloads = r.overloads;
  m.switchOns = r.switchOns;
  return m;
}

PassResult<PeriodPanelModel> RunPeriodScan(const std::string& path, Host& host, const PassHooks& hooks) {
  hooks.Begin();
  const std::optional<PeriodScanResult> result = ScanRecordingPeriod(path, hooks.progress);
  if (!result) {
    dump::ReportUnreadable(host);
    return {PassEnd::Unreadable, {}};
  }
  return {PassEnd::Done, PresentPeriodScan(*result)};
}

}  // namespace vertal::frames
