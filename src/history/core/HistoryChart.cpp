#include "history/core/HistoryChart.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <optional>

#include "common/core/NumberFormat.h"
#include "history/core/HistoryTexts.h"

namespace vertal::history {

using graphs::ChartAxis;
using graphs::ChartBars;
using graphs::ChartLine;
using graphs::ChartPoint;
using graphs::ChartTick;
using graphs::DatedChart;

namespace {

using std::chrono::sys_days;

constexpr Colour kCharNumberColour = 0x1f5fbf;
constexpr Colour kNormativeColour = 0xc00000;
constexpr Colour kForecastColour = 0x2e8b3e;
constexpr Colour kWeightColour = 0x8fb3e0;
constexpr Colour kOverloadColour = 0xe0782a;

// The date axis reaches the forecast day only when it is at most this many spans of the
// readings (at least kShortestSpan days) beyond the last reading, so that the readings keep a
// fair part of the width.
constexpr double kForecastReach = 3.0;
// Readings of a single day, or of a few, are shown on a month at least.
constexpr double kShortestSpan = 30.0;
// Room left and right of the outermost dates, as a part of the axis.
constexpr double kDayMargin = 0.04;
// Room above the highest value, as a factor.
constexpr double kHeadroom = 1.08;
constexpr double kMostValueTicks = 6;
constexpr double kMostDayTicks = 8;
constexpr auto kDaySteps = std::to_array<int>({1, 2, 5, 7, 14});
constexpr auto kMonthSteps = std::to_array<int>({1, 2, 3, 6, 12, 24, 60, 120, 240});
constexpr int kMonthsPerYear = 12;
constexpr auto kRoundSteps = std::to_array<double>({1, 2, 5, 10});
constexpr double kTenfold = 10;
constexpr int kDecimalBase = 10;
constexpr int kCentury = 100;
constexpr double kDaysPerYear = 365.2425;
constexpr std::string_view kWholeNumbers = "#0";

double DayNumber(sys_days day) { return static_cast<double>(day.time_since_epoch().count()); }

sys_days FromDayNumber(double day) {
  return sys_days(std::chrono::days(static_cast<std::int64_t>(std::floor(day))));
}

// dd.mm.yy
std::string DateText(sys_days day) {
  const std::chrono::year_month_day ymd(day);
  const auto twoDigits = [](int n) {
    return std::string{static_cast<char>('0' + n / kDecimalBase), static_cast<char>('0' + n % kDecimalBase)};
  };
  const int year = static_cast<int>(ymd.year());
  return twoDigits(static_cast<int>(static_cast<unsigned>(ymd.day()))) + "." +
         twoDigits(static_cast<int>(static_cast<unsigned>(ymd.month()))) + "." +
         twoDigits(((year % kCentury) + kCentury) % kCentury);
}

// Ticks on whole days a round number apart, or on the first days of months a round number of
// months apart (counted from the year 0, so that yearly ticks fall on 1 January).
std::vector<ChartTick> DayTicks(double from, double to) {
  std::vector<ChartTick> ticks;
  const double span = to - from;
  for (const int step : kDaySteps) {
    if (span / step > kMostDayTicks) continue;
    for (double day = std::ceil(from / step) * step; day <= to; day += step)
      ticks.push_back({day, DateText(FromDayNumber(day))});
    return ticks;
  }
  const double months = span / (kDaysPerYear / kMonthsPerYear);
  const int* step = std::find_if(kMonthSteps.begin(), kMonthSteps.end() - 1,
                                 [&](int s) { return months / s <= kMostDayTicks; });
  std::chrono::year_month month{std::chrono::year_month_day(FromDayNumber(from)).year(),
                                std::chrono::year_month_day(FromDayNumber(from)).month()};
  for (;; month += std::chrono::months(1)) {
    const sys_days first = sys_days(month / 1);
    const double day = DayNumber(first);
    if (day > to) break;
    const int index = static_cast<int>(month.year()) * kMonthsPerYear +
                      static_cast<int>(static_cast<unsigned>(month.month())) - 1;
    if (day >= from && index % *step == 0) ticks.push_back({day, DateText(first)});
  }
  return ticks;
}

// From 0 to a round multiple of a round step above `highest`.
ChartAxis ValueAxis(double highest, std::string_view separator) {
  ChartAxis axis;
  const double top = std::max(highest, 1.0) * kHeadroom;
  const double rough = top / kMostValueTicks;
  const double magnitude = std::pow(kTenfold, std::floor(std::log10(rough)));
  double step = magnitude;
  for (const double round : kRoundSteps) {
    step = round * magnitude;
    if (step >= rough) break;
  }
  const double steps = std::ceil(top / step);
  axis.from = 0;
  axis.to = steps * step;
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step))));
  const std::string pattern =
      decimals == 0 ? std::string(kWholeNumbers)
                    : std::string(kWholeNumbers) + "." + std::string(static_cast<std::size_t>(decimals), '0');
  for (double i = 0; i <= steps; ++i) axis.ticks.push_back({i * step, FormatFloat(pattern, i * step, separator)});
  return axis;
}

struct DayRange {
  double first = 0, last = 0;
};

std::optional<DayRange> ReadingDays(const CraneHistory& crane) {
  std::optional<DayRange> range;
  for (const HistoryReading& r : crane.readings) {
    if (!r.day) continue;
    const double day = DayNumber(*r.day);
    if (!range) range = DayRange{day, day};
    range->first = std::min(range->first, day);
    range->last = std::max(range->last, day);
  }
  return range;
}

ChartAxis DayAxis(DayRange readings, const Forecast& forecast) {
  double right = readings.last;
  const double span = std::max(readings.last - readings.first, kShortestSpan);
  if (forecast.day) right = std::max(right, std::min(DayNumber(*forecast.day), readings.last + span * kForecastReach));
  double left = readings.first;
  if (right - left < kShortestSpan) {
    const double widen = (kShortestSpan - (right - left)) / 2;
    left -= widen;
    right += widen;
  }
  const double margin = (right - left) * kDayMargin;
  ChartAxis axis{left - margin, right + margin, {}};
  axis.ticks = DayTicks(axis.from, axis.to);
  return axis;
}

double FitValue(const FitLine& line, double day) {
  return line.valueAtOrigin + line.perDay * (day - DayNumber(line.origin));
}

// The characteristic number, one line per fit segment: a reset breaks the line.
void AddCharNumberLines(const CraneHistory& crane, DatedChart& chart) {
  std::optional<std::size_t> segment;
  for (const HistoryReading& r : crane.readings) {
    if (!r.day) continue;
    if (segment != r.segment) {
      chart.lines.push_back({kCharNumberSeries, kCharNumberColour, {}, false, true});
      segment = r.segment;
    }
    chart.lines.back().points.push_back({DayNumber(*r.day), r.charNumber});
  }
}

void AddForecastLine(const CraneHistory& crane, DatedChart& chart) {
  const Forecast& forecast = crane.forecast;
  if (!forecast.line || !forecast.from || !forecast.to) return;
  const double from = std::max(DayNumber(*forecast.from), chart.days.from);
  const double to = forecast.day ? std::min(DayNumber(*forecast.day), chart.days.to) : DayNumber(*forecast.to);
  if (to <= from) return;
  chart.lines.push_back({kForecastSeries,
                         kForecastColour,
                         {{from, FitValue(*forecast.line, from)}, {to, FitValue(*forecast.line, to)}},
                         true,
                         false});
}

void AddBars(const CraneHistory& crane, DatedChart& chart) {
  ChartBars weight{kWeightSeries, kWeightColour, {}};
  ChartBars overloads{kOverloadSeries, kOverloadColour, {}};
  for (const HistoryReading& r : crane.readings) {
    if (!r.day) continue;
    const double day = DayNumber(*r.day);
    if (r.liftedInPeriod) weight.bars.push_back({day, *r.liftedInPeriod, r.liftedInPeriodText});
    if (r.overloadsAbove125) {
      const auto count = static_cast<double>(*r.overloadsAbove125);
      overloads.bars.push_back({day, count, std::to_string(*r.overloadsAbove125)});
    }
  }
  chart.bars = {std::move(weight), std::move(overloads)};
}

}  // namespace

DatedChart DescribeHistoryChart(const CraneHistory& crane, std::string_view separator) {
  DatedChart chart;
  double highest = static_cast<double>(crane.normativeNumber);
  for (const HistoryReading& r : crane.readings)
    if (r.day) highest = std::max(highest, r.charNumber);
  chart.values = ValueAxis(highest, separator);
  const std::optional<DayRange> days = ReadingDays(crane);
  if (!days) return chart;
  chart.days = DayAxis(*days, crane.forecast);
  AddCharNumberLines(crane, chart);
  if (crane.normativeNumber > 0) {
    const auto normative = static_cast<double>(crane.normativeNumber);
    chart.lines.push_back({kNormativeSeries,
                           kNormativeColour,
                           {{chart.days.from, normative}, {chart.days.to, normative}},
                           true,
                           false});
  }
  AddForecastLine(crane, chart);
  AddBars(crane, chart);
  return chart;
}

}  // namespace vertal::history
