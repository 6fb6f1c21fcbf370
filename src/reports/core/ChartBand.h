#pragma once
// A crane's history chart laid out as the lines, fills and texts of a report band: the legend
// on top, the characteristic number's panel with its value axis, the bars of the periods
// under it and the readout dates along the bottom.

#include "reports/core/HistoryChart.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

// Where a chart goes in its band, in millimetres from the band's top left corner.
struct ChartBox {
  double x = 0, y = 0, width = 0, height = 0;
};

void DrawChart(const HistoryChart& chart, const ChartBox& box, Band& band);

}  // namespace vertal::reports
