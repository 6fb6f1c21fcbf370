// The fleet report's chart, from crane histories made by hand.

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "history/core/HistoryTexts.h"
#include "history/core/HistoryChart.h"

namespace vertal::reports {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr sys_days kFirstDay{std::chrono::year{2008} / 9 / 22};

// Readings every 30 days with these characteristic numbers; a reset before `resetAt`.
history::CraneHistory Crane(const std::vector<double>& numbers, std::int32_t normative,
                            std::optional<std::size_t> resetAt = {}) {
  history::CraneHistory crane;
  crane.normativeNumber = normative;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    history::HistoryReading& r = crane.readings.emplace_back();
    r.day = kFirstDay + days(30 * static_cast<int>(i));
    r.charNumber = numbers[i];
    r.segment = resetAt && i >= *resetAt ? 1 : 0;
  }
  return crane;
}

// A fit through the readings of segment 0 reaching `normative` on `day`.
void Forecast(history::CraneHistory& crane, double perDay, sys_days day) {
  crane.forecast.day = day;
  crane.forecast.from = crane.readings.front().day;
  crane.forecast.to = crane.readings.back().day;
  crane.forecast.line = history::FitLine{kFirstDay, crane.readings.front().charNumber, perDay};
}

std::vector<const graphs::ChartLine*> Named(const graphs::DatedChart& chart, std::string_view name) {
  std::vector<const graphs::ChartLine*> lines;
  for (const graphs::ChartLine& line : chart.lines)
    if (line.name == name) lines.push_back(&line);
  return lines;
}

double Day(sys_days day) { return static_cast<double>(day.time_since_epoch().count()); }

TEST(HistoryChart, AResetBreaksTheLineAndTheScaleHoldsTheNormativeNumber) {
  const graphs::DatedChart chart = history::DescribeHistoryChart(Crane({100, 140, 10, 30}, 1000, 2), ".");
  const auto numbers = Named(chart, history::kCharNumberSeries);
  ASSERT_EQ(numbers.size(), 2u);
  EXPECT_EQ(numbers[0]->points.size(), 2u);
  EXPECT_EQ(numbers[1]->points.back().value, 30);
  ASSERT_EQ(Named(chart, history::kNormativeSeries).size(), 1u);
  EXPECT_EQ(chart.values.from, 0);
  EXPECT_GE(chart.values.to, 1000);
  EXPECT_EQ(chart.values.ticks.front().text, "0");
  EXPECT_LE(chart.days.from, Day(kFirstDay));
  EXPECT_GE(chart.days.to, Day(kFirstDay + days(90)));
  for (const graphs::ChartTick& tick : chart.days.ticks) EXPECT_EQ(tick.text.size(), 8u) << tick.text;
}

// A forecast near the readings is on the chart up to the normative line; one years away runs
// off its edge, so that the readings keep their room.
TEST(HistoryChart, TheDateAxisReachesANearForecastOnly) {
  struct Case {
    const char* name;
    int forecastAfter;  // days after the first reading
    bool onChart;
  };
  for (const Case& c : {Case{"near", 200, true}, Case{"years away", 3000, false}}) {
    history::CraneHistory crane = Crane({100, 200, 300}, 1000);
    Forecast(crane, 900.0 / c.forecastAfter, kFirstDay + days(c.forecastAfter));
    const graphs::DatedChart chart = history::DescribeHistoryChart(crane, ".");
    const auto forecast = Named(chart, history::kForecastSeries);
    ASSERT_EQ(forecast.size(), 1u) << c.name;
    const graphs::ChartPoint end = forecast[0]->points.back();
    EXPECT_EQ(end.day >= Day(kFirstDay + days(c.forecastAfter)), c.onChart) << c.name;
    EXPECT_LE(end.day, chart.days.to) << c.name;
    // The readings' 60 days take at least a fifth of the axis.
    EXPECT_GE(60 / (chart.days.to - chart.days.from), 0.2) << c.name;
  }
}

}  // namespace
}  // namespace vertal::reports
