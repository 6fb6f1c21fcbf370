#include "graphs/core/AzimuthAxis.h"

#include <cmath>
#include <limits>

namespace vertal::graphs {

namespace {
constexpr double kHalfTurn = (kAzimuthAxis.max - kAzimuthAxis.min) / 2;
}  // namespace

SeriesPoints BreakAtWrap(const SeriesPoints& azimuth) {
  SeriesPoints broken;
  broken.x.reserve(azimuth.Size());
  broken.y.reserve(azimuth.Size());
  for (std::size_t i = 0; i < azimuth.Size(); ++i) {
    if (i > 0 && std::abs(azimuth.y[i] - azimuth.y[i - 1]) > kHalfTurn)
      broken.Add((azimuth.x[i] + azimuth.x[i - 1]) / 2, std::numeric_limits<double>::quiet_NaN());
    broken.Add(azimuth.x[i], azimuth.y[i]);
  }
  return broken;
}

}  // namespace vertal::graphs
