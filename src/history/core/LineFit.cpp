#include "history/core/LineFit.h"

#include <algorithm>

namespace vertal::history {
namespace {

double DaysFrom(std::chrono::sys_days origin, std::chrono::sys_days day) {
  return static_cast<double>((day - origin).count());
}

}  // namespace

std::optional<FitLine> FitLeastSquares(std::span<const DayValue> points) {
  if (points.empty()) return std::nullopt;
  const auto earliest =
      std::min_element(points.begin(), points.end(),
                       [](const DayValue& a, const DayValue& b) { return a.day < b.day; });
  const std::chrono::sys_days origin = earliest->day;
  const auto n = static_cast<double>(points.size());
  double meanX = 0, meanY = 0;
  for (const DayValue& p : points) {
    meanX += DaysFrom(origin, p.day);
    meanY += p.value;
  }
  meanX /= n;
  meanY /= n;
  // Sums over the differences from the means, which keeps them exact for large days.
  double sxx = 0, sxy = 0;
  for (const DayValue& p : points) {
    const double dx = DaysFrom(origin, p.day) - meanX;
    sxx += dx * dx;
    sxy += dx * (p.value - meanY);
  }
  if (sxx <= 0) return std::nullopt;
  const double perDay = sxy / sxx;
  return FitLine{origin, meanY - perDay * meanX, perDay};
}

double ValueOn(const FitLine& line, std::chrono::sys_days day) {
  return line.valueAtOrigin + line.perDay * DaysFrom(line.origin, day);
}

}  // namespace vertal::history
