#pragma once
// The order in which the recorder wrote its frames. The frame slots are a ring written in
// ascending slot order that wraps from the last slot to slot 0; the newest frame is the valid
// frame with the latest moment, and when several frames share that moment, the last of their
// run in ring order.

#include <cstdint>
#include <optional>

#include "frames/core/BcdDateTime.h"

namespace vertal::graphs {

// A frame's date and time as one number that orders as CompareDateTime does: year, month,
// day, hours, minutes, seconds, most significant first. Inline: every frame of a pass has one.
inline std::uint64_t MomentKey(frames::Bcd3 date, frames::Bcd3 time) {
  constexpr int kByte = 8;
  return std::uint64_t{date[2]} << (5 * kByte) | std::uint64_t{date[1]} << (4 * kByte) |
         std::uint64_t{date[0]} << (3 * kByte) | std::uint64_t{time[2]} << (2 * kByte) |
         std::uint64_t{time[1]} << kByte | std::uint64_t{time[0]};
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

// Slots from `from` onwards in ring order: 0 for `from` itself.
std::int64_t RingDistance(std::int64_t from, std::int64_t n);

}  // namespace vertal::graphs
