#pragma once
// The pass over all frames when a dump is opened: the period the recorder covers and the lists
// of power-line warnings, tuning-mode work, overloads and switch-ons.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/FrameMoment.h"
#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"

namespace vertal::frames {

inline constexpr std::uint8_t kOverloadMoment = 110;  // percent
inline constexpr std::uint8_t kFirstPowerLineCode = 101;
inline constexpr std::uint8_t kLastPowerLineCode = 105;

// The lists of the recording-period scan, one bit each, and the rules by which a valid frame
// belongs to them. Inline: every frame of a pass is matched.
enum class EpisodeList : std::uint8_t { Mzon = 1, Tuning = 2, Overload = 4, SwitchOn = 8 };
inline std::uint8_t MatchedLists(const FrameRecord& f) {
  const auto bit = [](EpisodeList list, bool matches) {
    return matches ? static_cast<std::uint8_t>(list) : std::uint8_t{0};
  };
  const std::uint8_t code = f.FaultCode();
  return static_cast<std::uint8_t>(
      bit(EpisodeList::Mzon, code >= kFirstPowerLineCode && code <= kLastPowerLineCode) |
      bit(EpisodeList::Tuning, (f.Kos() & kKosWorkMode) == 0) |
      bit(EpisodeList::Overload, f.LoadMoment() >= kOverloadMoment) |
      bit(EpisodeList::SwitchOn, code == kFaultSwitchOn));
}
inline bool Has(std::uint8_t lists, EpisodeList list) {
  return (lists & static_cast<std::uint8_t>(list)) != 0;
}

// The titles of the four lists on the page, in its order: overloads, tuning, power line,
// switch-ons. Null-terminated, for the window.
inline constexpr std::string_view kOverloadEpisodesTitle = "Работа с перегрузками M > 110%:";
inline constexpr std::string_view kTuningEpisodesTitle = "Рыбота в режиме НАСТРОЙКА:";
inline constexpr std::string_view kMzonEpisodesTitle = "Cрабатывания МЗОНа:";
inline constexpr std::string_view kSwitchOnEpisodesTitle = "Включения прибора:";
// How the items of each list are worded.
inline constexpr ItemWording kMzonWording = ItemWording::TripDate;
inline constexpr ItemWording kTuningWording = ItemWording::WorkDate;
inline constexpr ItemWording kOverloadWording = ItemWording::DateColon;
inline constexpr ItemWording kSwitchOnWording = ItemWording::Date;

struct Moment6 {
  BcdBytes date{};
  BcdBytes time{};
};

struct PeriodScanResult {
  Moment6 earliest;
  Moment6 latest;
  JumpList mzon;       // power-line fault codes 101..105, by episode
  JumpList tuning;     // tuning mode, by episode
  JumpList overloads;  // load moment of 110 % and more, by episode
  JumpList switchOns;  // fault code 1, every frame
};

// The scan offered the valid frames of a pass one by one, so that other readers of the frames
// (the overview) share the pass. Inline: every frame of a pass is offered.
class PeriodScanner {
 public:
  PeriodScanner();

  void Offer(std::int64_t n, FrameBytes record) {
    const FrameRecord f(record);
    const std::uint64_t key = MomentKey(record);
    earliest_ = std::min(earliest_, key);
    latest_ = std::max(latest_, key);
    const std::uint8_t lists = MatchedLists(f);
    if (lists == 0) return;
    mzon_.Offer(n, Has(lists, EpisodeList::Mzon), f.Date());
    tuning_.Offer(n, Has(lists, EpisodeList::Tuning), f.Date());
    overloads_.Offer(n, Has(lists, EpisodeList::Overload), f.Date());
    switchOns_.Offer(n, Has(lists, EpisodeList::SwitchOn), f.Date());
  }

  // The result after the pass over `source`; frame 0 is read from it when no frame was valid.
  PeriodScanResult Finish(const DumpSource& source);

 private:
  records::ResultCollector mzon_, tuning_, overloads_, switchOns_;
  // Moment numbers use 48 bits: any valid frame lowers `earliest_` and leaves it at most
  // `latest_`.
  std::uint64_t earliest_ = std::numeric_limits<std::uint64_t>::max(), latest_ = 0;
};

// Takes no part in a pass.
struct NoFrameReader {
  void operator()(std::int64_t, FrameBytes) const {}
};

// Nothing when the file cannot be opened. The period is that of the valid frames; a file
// without any valid frame shows frame 0's bytes as both ends. `alongside(n, frame)` is offered
// every valid frame of the same pass.
template <typename Alongside = NoFrameReader>
std::optional<PeriodScanResult> ScanRecordingPeriod(const DumpSource& source,
                                                    const ProgressSink& progress = {},
                                                    Alongside&& alongside = {}) {
  PeriodScanner scanner;
  const bool opened = records::ForEachValidRecord<FrameRule>(
      source, progress, [&](std::int64_t n, FrameBytes record) {
        scanner.Offer(n, record);
        alongside(n, record);
      });
  if (!opened) return std::nullopt;
  return scanner.Finish(source);
}

// The period labels, the episode counts and the four lists. When the file cannot be read the
// lists are empty and the labels keep their texts.
struct PeriodPanelModel {
  std::optional<std::string> start, end;  // Label_NR, Label_KR
  std::optional<std::string> overloadCount, tuningCount, mzonCount, switchOnCount;
  JumpList overloads, tuning, mzon, switchOns;
};

template <typename Visit>
void VisitControls(const PeriodPanelModel& m, Visit&& v) {
  v("Label_NR", m.start);
  v("Label_KR", m.end);
  v("Label_Cikl_M", m.overloadCount);
  v("Label_Cikl_NASTROYKA", m.tuningCount);
  v("Label_Cikl_MZON", m.mzonCount);
  v("Label_ON", m.switchOnCount);
  v("ComboBox_Cikl_M", m.overloads);
  v("ComboBox_Cikl_NASTROYKA", m.tuning);
  v("ComboBox_Cikl_MZON", m.mzon);
  v("ComboBox_ON", m.switchOns);
}

// The lists are handed on, not copied.
PeriodPanelModel PresentPeriodScan(PeriodScanResult result);

// A file that cannot be opened is reported once.
void ReportUnreadableScan(Host& host);

// The scan as opening a file runs it, with `alongside` offered the same frames; a file that
// cannot be opened is reported once.
template <typename Alongside = NoFrameReader>
PassResult<PeriodPanelModel> RunPeriodScan(const DumpSource& source, Host& host,
                                           const PassHooks& hooks = {},
                                           Alongside&& alongside = {}) {
  hooks.Begin();
  std::optional<PeriodScanResult> result =
      ScanRecordingPeriod(source, hooks.progress, std::forward<Alongside>(alongside));
  if (!result) {
    ReportUnreadableScan(host);
    return {PassEnd::Unreadable, {}};
  }
  return {PassEnd::Done, PresentPeriodScan(std::move(*result))};
}

// Status texts of the pass.
inline constexpr std::string_view kScanRunningText = " Идет расшифровка файла";
inline constexpr std::string_view kScanDoneText = " Расшифровка файла закончена";
// The status bar's colour while the scan runs (sky blue, as RGB); the button face after it.
inline constexpr std::uint32_t kScanColourRgb = 0xA6CAF0;

}  // namespace vertal::frames
