#pragma once
// The least-squares line of a value over days.

#include <chrono>
#include <optional>
#include <span>

#include "history/core/CraneHistory.h"

namespace vertal::history {

struct DayValue {
  std::chrono::sys_days day;
  double value = 0.0;
};

// The line that minimises the sum of squared differences of the values, with its origin at
// the earliest day; nothing unless the points lie on at least two different days.
std::optional<FitLine> FitLeastSquares(std::span<const DayValue> points);

// The line's value on `day`.
double ValueOn(const FitLine& line, std::chrono::sys_days day);

}  // namespace vertal::history
