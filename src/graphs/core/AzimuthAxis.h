#pragma once
// The azimuth of the parameter graph stands on its own right-hand axis of a full turn, so that
// it neither squeezes the other curves nor is squeezed by them. Slewing through north makes it
// jump between 0 and 360°: the line is broken there instead of crossing the chart.

#include "graphs/core/GraphWindow.h"

namespace vertal::graphs {

inline constexpr AxisRange kAzimuthAxis{0.0, 360.0};
inline constexpr double kAzimuthTickStep = 90.0;

// The points with a gap point (Y not a number, X halfway) between neighbours that lie more
// than half a turn apart: the crane slewed the short way, through north.
SeriesPoints BreakAtWrap(const SeriesPoints& azimuth);

}  // namespace vertal::graphs
