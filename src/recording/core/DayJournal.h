#pragma once
// The journal of a recording by calendar day: when the crane worked, how much it lifted and
// what the limiter noted, one row per day in date order.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/core/ProgressSink.h"
#include "frames/core/BcdDateTime.h"
#include "recording/core/FrameIndex.h"
#include "recording/core/RecordingImage.h"

namespace vertal::recording {

// A lift: the load moment rises above this and later falls back to it or below.
inline constexpr std::uint8_t kLiftMoment = 10;  // percent

// Every count of a day belongs to the day of the frame where it begins: a lift to the frame
// where the moment rises, an episode to the frame that opens it. Frames are taken in the order
// of writing, from the slot after the newest round the ring; before the first frame the crane
// stands unloaded with no limit triggered.
struct DayRow {
  frames::BcdBytes date{};
  frames::BcdBytes firstTime{}, lastTime{};  // the day's earliest and latest frame
  std::int64_t firstFrame = 0;               // the day's earliest frame, to go to the day
  // Time recorded at work: the gaps between consecutive frames that RecordedGap counts, each to
  // the day of its later frame.
  std::int64_t recordedSeconds = 0;
  std::int64_t lifts = 0;
  std::uint8_t maxMoment = 0;  // the highest load moment, and its first frame
  frames::BcdBytes maxMomentTime{};
  std::int64_t maxMomentFrame = 0;
  // Items of the recording-period scan's lists that the day's frames open: episodes of
  // overloads, tuning mode and МЗОН, and switch-on frames.
  std::int64_t overloads = 0, tuning = 0, mzon = 0, switchOns = 0;
  // Rises of the four "triggered" bits of the limits byte, each limit counted on its own.
  std::int64_t limitTriggers = 0;
  std::vector<std::uint8_t> faultCodes;  // every non-zero code of the day, ascending
};

// Nothing when the file cannot be opened.
std::optional<std::vector<DayRow>> DayJournal(const std::string& path,
                                              const ProgressSink& progress = {});

// The journal of a file already read and indexed.
std::vector<DayRow> JournalOf(const RecordingImage& image, const FrameIndex& index);

}  // namespace vertal::recording
