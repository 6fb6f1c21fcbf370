#include <gtest/gtest.h>

#include <vector>

#include "graphs/core/AxisScale.h"

namespace vertal::graphs {
namespace {

double Top(const std::vector<SeriesPoints>& series) {
  std::vector<const SeriesPoints*> shown;
  for (const auto& s : series) shown.push_back(&s);
  return ParamAxisTop(shown);
}

TEST(ParamAxisTop, NextRoundStepAboveTheHighestShownValue) {
  struct Row {
    std::vector<double> values;
    double top;
  };
  const Row rows[] = {
      {{110}, 120},          // the limit line keeps a margin above it
      {{100, 87}, 120},
      {{120}, 140},          // a value on a step still gets room above it
      {{34.2, 12.5}, 36},    // a boom of 34.2 m
      {{360}, 380},          // full azimuth
      {{359.9}, 380},        // just under a step still leaves half a step
      {{87}, 88},
      {{0}, 1},              // only the zero line
      {{-1.0, -5}, 0},       // loads below zero
      {{0.4}, 1},
      {{2600}, 2800},
  };
  for (const Row& row : rows) {
    SeriesPoints s;
    for (double v : row.values) s.Add(0, v);
    EXPECT_EQ(Top({s}), row.top) << row.values.front();
  }
}

TEST(ParamAxisTop, TakesTheHighestOfAllShownSeriesAndHasATopWhenNothingIsShown) {
  EXPECT_EQ(Top({SeriesPoints{{1, 2}, {3, 4}}, SeriesPoints{{1}, {110}}}), 120);
  EXPECT_EQ(Top({}), kEmptyParamAxisTop);
  EXPECT_EQ(Top({SeriesPoints{}}), kEmptyParamAxisTop);
  EXPECT_GT(kEmptyParamAxisTop, kParamAxisBottom);
}

}  // namespace
}  // namespace vertal::graphs
