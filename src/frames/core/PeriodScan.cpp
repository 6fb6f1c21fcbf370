#include "frames/core/PeriodScan.h"

#include <algorithm>

#include "common/core/Bcd.h"
#include "dump/core/DumpFile.h"
#include "frames/core/FrameRecord.h"
#include "frames/core/FrameTable.h"
#include "frames/core/RecordPass.h"

namespace vertal::frames {
namespace {

Moment6 MomentOf(const FrameRecord& f) {
  Moment6 m;
  std::copy(f.Date().begin(), f.Date().end(), m.date.begin());
  std::copy(f.Time().begin(), f.Time().end(), m.time.begin());
  return m;
}

Moment CompareTo(const Moment6& a, const FrameRecord& f) {
  return CompareDateTime(a.date, f.Date(), a.time, f.Time());
}

ListRule Grouped(std::function<bool(const FrameRecord&)> match, std::string_view caption) {
  return ListRule{
      [match](std::int64_t, ByteSpan r) { return match(FrameRecord(r.first<kFrameSize>())); },
      [caption](std::int64_t n, ByteSpan r) {
        return std::to_string(n) + std::string(caption) + BcdDateText(FrameRecord(r.first<kFrameSize>()).Date());
      },
      true};
}

}  // namespace

std::optional<PeriodScanResult> ScanRecordingPeriod(const std::string& path,
                                                    const ProgressSink& progress) {
  PeriodScanResult result;
  bool seeded = false;
  PassSpec spec{FrameTableLayout(), {}, {}};
  spec.onValid = [&](std::int64_t, ByteSpan record) {
    const FrameRecord f(record.first<kFrameSize>());
    if (!seeded) {
      result.earliest = result.latest = MomentOf(f);
      seeded = true;
      return;
    }
    if (CompareTo(result.earliest, f) == Moment::Later) result.earliest = MomentOf(f);
    if (CompareTo(result.latest, f) == Moment::Earlier) result.latest = MomentOf(f);
  };
  spec.rules = {
      Grouped([](const FrameRecord& f) {
        return f.FaultCode() >= kFirstPowerLineCode && f.FaultCode() <= kLastWarningCode;
      }, "-й кадр, дата сраба-ия: "),
      Grouped([](const FrameRecord& f) { return (f.Kos() & kKosWorkMode) == 0; },
              "-й кадр, дата работы: "),
      Grouped([](const FrameRecord& f) { return f.LoadMoment() >= kOverloadMoment; }, "-й кадр, дата: "),
      ListRule{[](std::int64_t, ByteSpan r) { return FrameRecord(r.first<kFrameSize>()).FaultCode() == kFaultSwitchOn; },
               [](std::int64_t n, ByteSpan r) {
                 return std::to_string(n) + "-й кадр, дата " + BcdDateText(FrameRecord(r.first<kFrameSize>()).Date());
               },
               false},
  };
  auto lists = RunRecordPass(path, spec, progress);
  if (!lists) return std::nullopt;
  result.mzon = std::move((*lists)[0]);
  result.tuning = std::move((*lists)[1]);
  result.overloads = std::move((*lists)[2]);
  result.switchOns = std::move((*lists)[3]);

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

void ShowPeriodScan(const PeriodScanResult& r, ControlSink& c) {
  c.SetText("Label_NR", "Начало работы РП: " + BcdDateText(r.earliest.date) + " в " + BcdTimeText(r.earliest.time));
  c.SetText("Label_KR", "Конец   работы РП: " + BcdDateText(r.latest.date) + " в " + BcdTimeText(r.latest.time));
  const std::string episodes = "Количество эпизодов: ";
  c.SetText("Label_Cikl_NASTROYKA", episodes + std::to_string(r.tuning.Count()));
  c.SetText("Label_Cikl_MZON", episodes + std::to_string(r.mzon.Count()));
  c.SetText("Label_Cikl_M", episodes + std::to_string(r.overloads.Count()));
  c.SetText("Label_ON", "Количество включений: " + std::to_string(r.switchOns.Count()));
  c.SetList("ComboBox_Cikl_MZON", r.mzon);
  c.SetList("ComboBox_Cikl_NASTROYKA", r.tuning);
  c.SetList("ComboBox_Cikl_M", r.overloads);
  c.SetList("ComboBox_ON", r.switchOns);
}

}  // namespace vertal::frames
