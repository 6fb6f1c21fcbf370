#pragma once
// A chart over dates laid out as the lines, fills and texts of a report band: the legend on
// top, the lines' panel with its value axis, the bars of the periods under it and the dates
// along the bottom.

#include "graphs/core/DatedChart.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

// Where a chart goes in its band, in millimetres from the band's top left corner.
struct ChartBox {
  double x = 0, y = 0, width = 0, height = 0;
};

void DrawChart(const graphs::DatedChart& chart, const ChartBox& box, Band& band);

}  // namespace vertal::reports
