#pragma once
// Distances in the order in which the recorder wrote its frames round the ring of slots.

#include <cstdint>
#include <optional>

#include "frames/core/FrameMoment.h"

namespace vertal::graphs {

using frames::MomentKey;
using frames::NewestFrame;

// Slots from `from` onwards in ring order: 0 for `from` itself.
std::int64_t RingDistance(std::int64_t from, std::int64_t n);

}  // namespace vertal::graphs
