#pragma once
// The groups of checks of the audit; each adds its findings in the order of its places.

#include <optional>

#include "frames/core/BcdDateTime.h"
#include "recording/core/Findings.h"
#include "recording/core/FrameIndex.h"
#include "recording/core/RecordingImage.h"

namespace vertal::recording {

// Size, digest, recorder version, the trailer's checksum and the dates the clock is held to.
void CheckFile(const RecordingImage& image, const std::optional<Sha256Digest>& digest,
               FindingList& findings);
// Where the recording ends and wraps, erased and damaged runs of slots.
void CheckRing(const RecordingImage& image, const FrameIndex& index, FindingList& findings);
// What the pass of the clock checks also counts over the frames in the order of writing, for
// the counters to be checked against.
struct RingTotals {
  std::int64_t recordedSeconds = 0;  // RecordedGap summed
  std::int64_t switchOns = 0;
};

// The frames' clock: steps back, unexplained jumps, dates outside installation .. readout,
// repeated moments and repeated frames.
RingTotals CheckClock(const RecordingImage& image, const FrameIndex& index, FindingList& findings);
// The two banks against each other, and the counters against the frames.
void CheckBanks(const RecordingImage& image, const FrameIndex& index, const RingTotals& totals,
                FindingList& findings);

// The dates of the reading and of the recorder's installation; nothing when the file does not
// hold a valid one.
std::optional<frames::BcdBytes> ReadoutDate(const RecordingImage& image);
std::optional<frames::BcdBytes> InstallDate(const RecordingImage& image);

}  // namespace vertal::recording
