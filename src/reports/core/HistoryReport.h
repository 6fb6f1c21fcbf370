#pragma once
// The fleet report a manager reads: every crane on a list sorted by the share of its design
// life used, the files that could not be read, then a page per crane with its history chart,
// the table of its readings and what looks odd across them. A landscape A4 report.

#include <memory>
#include <string>

#include "history/core/CraneHistory.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

// The whole report. `separator` is the decimal separator of the chart's scales (the history's
// own texts come with theirs).
ReportBuilder FleetHistoryReport(std::shared_ptr<const history::FleetHistory> fleet,
                                 std::string separator);

// The pages of one crane, as the fleet report has them.
ReportBuilder CraneHistoryReport(history::CraneHistory crane, std::string separator);

}  // namespace vertal::reports
