#include "frames/core/FrameMoment.h"

#include "dump/core/DumpLayout.h"

namespace vertal::frames {

void NewestFrame::Offer(std::int64_t n, std::uint64_t key) {
  if (!firstKey_ && n == 0) firstKey_ = key;
  if (firstKey_ && *firstKey_ == key && n == firstRunEnd_ + 1) firstRunEnd_ = n;
  if (!last_ || key >= latest_) {
    latest_ = key;
    last_ = n;
  }
}

std::optional<std::int64_t> NewestFrame::Frame() const {
  const bool wraps = last_ && *last_ == dump::kFrameCount - 1 && firstKey_ && *firstKey_ == latest_;
  if (wraps && firstRunEnd_ < *last_) return firstRunEnd_;
  return last_;
}

}  // namespace vertal::frames
