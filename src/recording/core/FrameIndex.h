#pragma once
// The shared pass over the frame slots of a recording: what each slot holds, the newest frame,
// the valid frames in the order they were written round the ring, and the rules both analyses
// read the frames by.

#include <cstdint>
#include <optional>
#include <vector>

#include "frames/core/FrameMoment.h"
#include "frames/core/FrameRecord.h"
#include "frames/core/PeriodScan.h"
#include "recording/core/RecordingImage.h"

namespace vertal::recording {

using frames::MomentKey;

enum class SlotKind : std::uint8_t {
  Valid,    // passes FrameValid
  Erased,   // all 0xFF, as the recorder leaves a slot it has not written yet
  Damaged,  // written, but its checksum, date or time is wrong
  Missing,  // beyond the end of a short file
};

struct FrameIndex {
  std::vector<SlotKind> kinds;         // one per slot
  // Per slot, for a valid frame: its moment (see MomentSeconds and MomentKey) and fault code, so
  // that a pass in the order of writing need not read the frames again.
  std::vector<std::int64_t> seconds;
  std::vector<std::uint64_t> keys;
  std::vector<std::uint8_t> faults;
  std::optional<std::int64_t> newest;  // the valid frame with the latest moment (the last of equals)
  // Valid slots from the one after the newest round the ring to the newest: the order in which
  // a recorder that writes slot after slot wrote them.
  std::vector<std::int64_t> ringOrder;

  bool Valid(std::int64_t n) const { return kinds[static_cast<std::size_t>(n)] == SlotKind::Valid; }
  std::int64_t Seconds(std::int64_t n) const { return seconds[static_cast<std::size_t>(n)]; }
  std::uint64_t Key(std::int64_t n) const { return keys[static_cast<std::size_t>(n)]; }
  std::uint8_t Fault(std::int64_t n) const { return faults[static_cast<std::size_t>(n)]; }
};

FrameIndex IndexFrames(const RecordingImage& image);

// A recording read and indexed in one pass over the file: each block is indexed as soon as it
// is read. Nothing when the file cannot be opened.
struct IndexedRecording {
  RecordingImage image;
  FrameIndex index;
};
std::optional<IndexedRecording> ReadIndexed(const std::string& path, Digest digest,
                                            const ProgressSink& progress = {});

// A moment in seconds from 1 January 2000, for the length of time between frames. A BCD byte
// is read as tens and units even where its digits are not decimal.
std::int64_t MomentSeconds(frames::Bcd3 date, frames::Bcd3 time);

// Consecutive frames at most this far apart count as time the recorder was working.
inline constexpr std::int64_t kCloseFrameGapSeconds = 60;

// The time from one valid frame to the next that counts as recorded work: the gap when it is
// short and the later frame is not the switch-on frame (a switch-on follows time switched off).
std::int64_t RecordedGap(std::int64_t gapSeconds, std::uint8_t laterFaultCode);


using frames::EpisodeList;
using frames::Has;
using frames::MatchedLists;
// The lists to which valid frame n adds an item, grouped as the scan groups: a frame opens an
// episode unless the slot before it holds a valid frame that matched the list too; switch-ons
// are not grouped. Frame 0 has no slot before it.
std::uint8_t OpenedItems(const RecordingImage& image, const FrameIndex& index, std::int64_t n);

}  // namespace vertal::recording
