#pragma once
// The history of one crane from the summaries of its readings.

#include <string_view>
#include <vector>

#include "history/core/CraneHistory.h"
#include "history/core/ReadingSummary.h"

namespace vertal::history {

// `readings`: readings of one crane (see compare::SameCrane) that were read, in any order.
CraneHistory BuildCraneHistory(std::vector<ReadingSummary> readings, std::string_view separator);

}  // namespace vertal::history
