#pragma once
// The left axis of the parameter graph: its bottom is fixed, its top follows the series shown.

#include <span>

#include "graphs/core/GraphWindow.h"

namespace vertal::graphs {

inline constexpr double kParamAxisBottom = -2.0;
// The top while no series shows a point.
inline constexpr double kEmptyParamAxisTop = 10.0;
// The relay graph's four limits stand at heights 1 to 4.
inline constexpr AxisRange kRelayValueAxis{0.0, 5.0};

// A multiple of a round step at least half a step above the largest value of the shown series,
// so that the highest line never runs along the frame. The step is a fifth of the power of ten
// within the span from the bottom, at least 1: the 110 % line gives a top of 120, a 34 m boom
// one of 36, an azimuth of 359.9° one of 380.
double ParamAxisTop(std::span<const SeriesPoints* const> shown);

}  // namespace vertal::graphs
