#pragma once
// The chart of a crane's history as numbers and texts, without a drawing: the characteristic
// number at each readout date, the normative line, the forecast line, and the lifted weight
// and the overloads above 125 % of each period as bars. The fleet report draws it onto its
// pages; a window may plot the same scales.

#include <string>
#include <string_view>
#include <vector>

#include "history/core/CraneHistory.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

struct ChartTick {
  double at = 0;  // in the axis's units
  std::string text;
};

struct ChartAxis {
  double from = 0, to = 1;
  std::vector<ChartTick> ticks;
};

// Days are counted from 1970-01-01, as std::chrono::sys_days counts them.
struct ChartPoint {
  double day = 0;
  double value = 0;
};

struct ChartLine {
  std::string_view name;  // the legend's text; lines of the same name share one entry
  Colour colour = kBlack;
  std::vector<ChartPoint> points;
  bool dashed = false;
  bool markers = false;  // a square at every point
};

struct ChartBar {
  double day = 0;
  double value = 0;
  std::string text;  // written over the bar
};

// Bars of one quantity per period, scaled to the highest of them.
struct ChartBars {
  std::string_view name;
  Colour colour = kBlack;
  std::vector<ChartBar> bars;
};

struct HistoryChart {
  ChartAxis days;    // the readout dates, ticks written dd.mm.yy
  ChartAxis values;  // the characteristic number, from 0
  std::vector<ChartLine> lines;
  std::vector<ChartBars> bars;
};

// The chart of `crane`'s dated readings. The date axis reaches to the forecast day when that is
// not far beyond the readings; a forecast further away runs off the chart's right edge.
HistoryChart DescribeHistoryChart(const history::CraneHistory& crane, std::string_view separator);

}  // namespace vertal::reports
