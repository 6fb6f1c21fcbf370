#include "graphs/core/RingOrder.h"

#include "dump/core/DumpLayout.h"

namespace vertal::graphs {

std::int64_t RingDistance(std::int64_t from, std::int64_t n) {
  return ((n - from) % dump::kFrameCount + dump::kFrameCount) % dump::kFrameCount;
}

}  // namespace vertal::graphs
