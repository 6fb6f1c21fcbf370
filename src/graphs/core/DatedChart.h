#pragma once
// A chart over dates as numbers and texts, without a drawing: lines of values at dates and,
// under them on the same dates, bars of the periods between them. Its maker chooses the scales
// and ticks; a window plots it and a report draws it onto its pages, so both show the same.

#include <string>
#include <string_view>
#include <vector>

#include "common/core/Colour.h"

namespace vertal::graphs {

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

struct DatedChart {
  ChartAxis days;    // the dates, ticks written dd.mm.yy
  ChartAxis values;  // the lines' values
  std::vector<ChartLine> lines;
  std::vector<ChartBars> bars;
};

}  // namespace vertal::graphs
