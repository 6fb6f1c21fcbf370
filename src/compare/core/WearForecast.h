#pragma once
// How fast the crane wears between two readings: the share of its normative characteristic
// number used in that time, and the day it would reach that number at the same rate.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/core/Bcd.h"
#include "compare/core/Reading.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::compare {

// A readout date (day, month, year as BCD bytes, years from 2000); nothing when it is no date.
std::optional<std::chrono::sys_days> ReadoutDay(Bcd3 date);

inline constexpr std::string_view kNoNormativeText =
    "Нормативное характеристическое число не задано (нормативная группа крана не из A1..A8)";

// A share in percent as the comparison shows it: "12,345 %".
std::string ShareText(double percent, std::string_view separator);

// "dd.mm.yyyy": a forecast may lie beyond the century of the two-digit years.
std::string DayText(std::chrono::sys_days day);

Estimate LifeUsed(const Reading& older, const Reading& newer, std::string_view separator);

// The share of `normative` that the characteristic number grew by from `older` to `newer`.
Estimate LifeUsed(double older, double newer, std::int32_t normative, std::string_view separator);

Estimate NormativeDate(const Reading& older, const Reading& newer, std::string_view separator);

// Why no day can be forecast for a crane at `current` whatever its rate: no normative number
// (0), or the number already reached; nothing when a day can be forecast.
std::optional<Estimate> NoForecast(double current, std::int32_t normative);

// The day a crane at `current` on day `from` reaches `normative` growing by `perDay` (above 0).
struct ReachDay {
  Estimate estimate;
  std::optional<std::chrono::sys_days> day;  // nothing when beyond the forecast limit
};
ReachDay ReachedAtRate(std::chrono::sys_days from, double current, double perDay,
                       std::int32_t normative, std::string_view separator);

}  // namespace vertal::compare
