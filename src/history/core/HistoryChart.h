#pragma once
// The chart of a crane's history: the characteristic number at each readout date, the
// normative line, the forecast line, and the lifted weight and the overloads above 125 % of
// each period as bars. The history page plots it; the fleet report draws it onto its pages.

#include <string_view>

#include "graphs/core/DatedChart.h"
#include "history/core/CraneHistory.h"

namespace vertal::history {

// The chart of `crane`'s dated readings. The date axis reaches to the forecast day when that is
// not far beyond the readings; a forecast further away runs off the chart's right edge.
graphs::DatedChart DescribeHistoryChart(const CraneHistory& crane, std::string_view separator);

}  // namespace vertal::history
