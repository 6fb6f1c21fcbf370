#pragma once
// The moment of a frame as one number, and the ring's newest frame. The frame slots are a ring
// written in ascending slot order that wraps from the last slot to slot 0; the newest frame is
// the valid frame with the latest moment, and when several frames share that moment, the last
// of their run in ring order.

#include <cstdint>
#include <optional>

#include "common/core/Bytes.h"
#include "frames/core/BcdDateTime.h"
#include "frames/core/FrameRecord.h"

namespace vertal::frames {

// A date and time as one number that orders exactly as CompareDateTime orders moments: year,
// month, day, hours, minutes, seconds, most significant first. Inline: every frame of a pass
// has one.
inline std::uint64_t MomentKey(Bcd3 date, Bcd3 time) {
  constexpr unsigned kByte = 8;
  return std::uint64_t{date[2]} << (5 * kByte) | std::uint64_t{date[1]} << (4 * kByte) |
         std::uint64_t{date[0]} << (3 * kByte) | std::uint64_t{time[2]} << (2 * kByte) |
         std::uint64_t{time[1]} << kByte | std::uint64_t{time[0]};
}

// The same number read straight from a frame: its date bytes (day, month, year) and time bytes
// (seconds, minutes, hours) read as little-endian numbers already put the year and the hours
// highest. Four-byte reads masked to three, one load each.
inline std::uint64_t MomentKey(FrameBytes frame) {
  constexpr unsigned kTimeBits = 24;
  constexpr std::uint32_t kThreeBytes = 0xFF'FFFF;
  const std::uint64_t date = le32(&frame[kFrameDate]) & kThreeBytes;
  const std::uint64_t time = le32(&frame[kFrameTime]) & kThreeBytes;
  return date << kTimeBits | time;
}

// Offered the valid frames in ascending slot order, it tells the ring's newest frame.
class NewestFrame {
 public:
  void Offer(std::int64_t n, std::uint64_t key);
  // Nothing when no frame was offered.
  std::optional<std::int64_t> Frame() const;
  std::uint64_t Key() const { return latest_; }

 private:
  std::optional<std::int64_t> last_;  // the highest slot holding the latest moment
  std::uint64_t latest_ = 0;
  // The run of consecutive slots from slot 0 that share slot 0's moment: when the run of the
  // latest moment wraps past the last slot, the newest frame is its end.
  std::optional<std::uint64_t> firstKey_;
  std::int64_t firstRunEnd_ = -1;
};

}  // namespace vertal::frames
