#pragma once
// The pass over all frames when a dump is opened: the period the recorder covers and the lists
// of power-line warnings, tuning-mode work, overloads and switch-ons.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "common/core/VectorPath.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/FrameMoment.h"
#include "frames/core/FrameRecord.h"
#include "frames/core/FourFrames.h"
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
#if VERTAL_AVX2_PATH
// All ones in the lanes of the frames to which MatchedLists gives a list, four at a time.
VERTAL_TARGET_AVX2 inline __m256i MatchedListLanes(const FourFrameLanes& l) {
  const __m256i t = l.tail;
  const __m256i overload = _mm256_cmpeq_epi8(_mm256_max_epu8(t, EveryByte(kOverloadMoment)), t);
  const __m256i powerLine = _mm256_cmpeq_epi8(
      _mm256_min_epu8(_mm256_max_epu8(t, EveryByte(kFirstPowerLineCode)), EveryByte(kLastPowerLineCode)), t);
  const __m256i switchOn = _mm256_cmpeq_epi8(t, EveryByte(kFaultSwitchOn));
  const __m256i tuning =
      _mm256_cmpeq_epi8(_mm256_and_si256(l.middle, EveryByte(kKosWorkMode)), _mm256_setzero_si256());
  const __m256i faultCode = _mm256_and_si256(_mm256_or_si256(powerLine, switchOn),
                                             ByteOfLanes(kFrameFaultCode, kTailLane));
  const __m256i loadMoment = _mm256_and_si256(overload, ByteOfLanes(kFrameLoadMoment, kTailLane));
  const __m256i kos = _mm256_and_si256(tuning, ByteOfLanes(kFrameKos, kMiddleLane));
  return NonzeroLanes(_mm256_or_si256(_mm256_or_si256(faultCode, loadMoment), kos));
}
#endif
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

// Takes no part in a pass.
struct NoFrameReader {
  void operator()(std::int64_t, FrameBytes) const {}
};

// The scan offered the frames of a pass block by block, so that other readers of the frames
// (the overview) share the pass: `alongside(n, frame)` is offered every valid frame. The
// blocks are tested on a vector path that the processor runs. Inline: every frame of a pass
// is tested.
class PeriodScanner {
 public:
  PeriodScanner();

  template <typename Alongside>
  void OfferBlock(std::int64_t first, std::span<const std::uint8_t> frames, VectorPath path,
                  Alongside& alongside) {
#if VERTAL_AVX2_PATH
    if (path == VectorPath::Avx2) return OfferBlockAvx2(first, frames, alongside);
#else
    (void)path;
#endif
    Period period = period_;
    OfferFrames(first, frames, 0, period, alongside);
    period_ = period;
  }

  // The result after the pass over `source`; frame 0 is read from it when no frame was valid.
  PeriodScanResult Finish(const DumpSource& source);

 private:
  // Moment numbers use 48 bits: any valid frame lowers `earliest` and leaves it at most
  // `latest`. Copied into registers while a block is tested.
  struct Period {
    std::uint64_t earliest = std::numeric_limits<std::uint64_t>::max(), latest = 0;
  };

  // Frames `from` onwards of a block, one at a time.
  template <typename Alongside>
  void OfferFrames(std::int64_t first, std::span<const std::uint8_t> frames, std::size_t from,
                   Period& period, Alongside& alongside) {
    const std::size_t count = frames.size() / kFrameSize;
    for (std::size_t i = from; i < count; ++i) {
      const FrameBytes frame = frames.subspan(i * kFrameSize).first<kFrameSize>();
      if (!FrameValid(frame)) continue;
      const std::uint64_t key = MomentKey(frame);
      period.earliest = std::min(period.earliest, key);
      period.latest = std::max(period.latest, key);
      const std::int64_t n = first + static_cast<std::int64_t>(i);
      OfferLists(n, frame);
      alongside(n, frame);
    }
  }

#if VERTAL_AVX2_PATH
  // Four frames at a time; the moments are kept in vector lanes until the block ends.
  template <typename Alongside>
  VERTAL_TARGET_AVX2 void OfferBlockAvx2(std::int64_t first, std::span<const std::uint8_t> frames,
                                         Alongside& alongside) {
    constexpr auto kNoMoment = static_cast<long long>(std::numeric_limits<std::int64_t>::max());
    __m256i earliest = _mm256_set1_epi64x(kNoMoment), latest = _mm256_setzero_si256();
    const std::size_t groups = frames.size() / (kFrameSize * kWideRecords);
    for (std::size_t g = 0; g < groups; ++g) {
      const std::uint8_t* at = frames.data() + g * kFrameSize * kWideRecords;
      const FourRecords r = LoadFourRecords(at);
      const FourFrameLanes lanes = LanesOf(r);
      const __m256i valid = ValidLanes(r, lanes);
      const unsigned validBits = LaneBits(valid);
      if (validBits == 0) continue;
      // Moment numbers stay below 2^48, so signed comparisons order them.
      const __m256i moment = MomentLanes(lanes);
      const __m256i low = _mm256_blendv_epi8(_mm256_set1_epi64x(kNoMoment), moment, valid);
      const __m256i high = _mm256_and_si256(moment, valid);
      earliest = _mm256_blendv_epi8(earliest, low, _mm256_cmpgt_epi64(earliest, low));
      latest = _mm256_blendv_epi8(latest, high, _mm256_cmpgt_epi64(high, latest));
      const std::int64_t n = first + static_cast<std::int64_t>(g * kWideRecords);
      const auto frame = [at](unsigned i) {
        return FrameBytes(at + i * kFrameSize, kFrameSize);
      };
      for (unsigned bits = LaneBits(_mm256_and_si256(MatchedListLanes(lanes), valid)); bits != 0;
           bits &= bits - 1) {
        const auto i = static_cast<unsigned>(__builtin_ctz(bits));
        OfferLists(n + i, frame(i));
      }
      if constexpr (!std::is_same_v<std::remove_cvref_t<Alongside>, NoFrameReader>) {
        for (unsigned bits = validBits; bits != 0; bits &= bits - 1) {
          const auto i = static_cast<unsigned>(__builtin_ctz(bits));
          alongside(n + i, frame(i));
        }
      }
    }
    Period period = period_;
    alignas(32) std::int64_t lows[kWideRecords], highs[kWideRecords];
    _mm256_store_si256(reinterpret_cast<__m256i*>(lows), earliest);
    _mm256_store_si256(reinterpret_cast<__m256i*>(highs), latest);
    for (std::size_t i = 0; i < kWideRecords; ++i) {
      if (lows[i] != kNoMoment)
        period.earliest = std::min(period.earliest, static_cast<std::uint64_t>(lows[i]));
      period.latest = std::max(period.latest, static_cast<std::uint64_t>(highs[i]));
    }
    OfferFrames(first, frames, groups * kWideRecords, period, alongside);
    period_ = period;
  }
#endif

  // The lists of valid frame n.
  void OfferLists(std::int64_t n, FrameBytes frame) {
    const FrameRecord f(frame);
    const std::uint8_t lists = MatchedLists(f);
    if (lists == 0) return;
    mzon_.Offer(n, Has(lists, EpisodeList::Mzon), f.Date());
    tuning_.Offer(n, Has(lists, EpisodeList::Tuning), f.Date());
    overloads_.Offer(n, Has(lists, EpisodeList::Overload), f.Date());
    switchOns_.Offer(n, Has(lists, EpisodeList::SwitchOn), f.Date());
  }

  records::ResultCollector mzon_, tuning_, overloads_, switchOns_;
  Period period_;
};

// Nothing when the file cannot be opened. The period is that of the valid frames; a file
// without any valid frame shows frame 0's bytes as both ends. `alongside(n, frame)` is offered
// every valid frame of the same pass.
template <typename Alongside = NoFrameReader>
std::optional<PeriodScanResult> ScanRecordingPeriod(const DumpSource& source,
                                                    const ProgressSink& progress = {},
                                                    Alongside&& alongside = {},
                                                    VectorPath path = FastestVectorPath()) {
  PeriodScanner scanner;
  const bool opened = records::ForEachBlock<FrameRule>(
      source, progress, [&](std::int64_t first, std::span<const std::uint8_t> frames) {
        scanner.OfferBlock(first, frames, path, alongside);
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
