#pragma once
// How fast the crane wears between two readings: the share of its normative characteristic
// number used in that time, and the day it would reach that number at the same rate.

#include <chrono>
#include <optional>
#include <string_view>

#include "common/core/Bcd.h"
#include "compare/core/Reading.h"
#include "compare/core/ReadingDiff.h"

namespace vertal::compare {

// A readout date (day, month, year as BCD bytes, years from 2000); nothing when it is no date.
std::optional<std::chrono::sys_days> ReadoutDay(Bcd3 date);

Estimate LifeUsed(const Reading& older, const Reading& newer, std::string_view separator);

Estimate NormativeDate(const Reading& older, const Reading& newer, std::string_view separator);

}  // namespace vertal::compare
