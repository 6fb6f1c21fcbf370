#include "graphs/core/AxisScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vertal::graphs {
namespace {
constexpr double kStepsPerDecade = 5.0;
constexpr double kMinStep = 1.0;
constexpr double kDecimal = 10.0;
}  // namespace

double ParamAxisTop(std::span<const SeriesPoints* const> shown) {
  double highest = -std::numeric_limits<double>::infinity();
  for (const SeriesPoints* series : shown)
    for (const double y : series->y) highest = std::max(highest, y);
  if (!std::isfinite(highest)) return kEmptyParamAxisTop;
  const double span = std::max(highest - kParamAxisBottom, kMinStep);
  const double step =
      std::max(kMinStep, std::pow(kDecimal, std::floor(std::log10(span))) / kStepsPerDecade);
  double top = (std::floor(highest / step) + 1.0) * step;
  if (top - highest < step / 2) top += step;
  return top;
}

}  // namespace vertal::graphs
