#include "history/core/NormativeForecast.h"

#include <algorithm>

#include "compare/core/WearForecast.h"
#include "history/core/LineFit.h"

namespace vertal::history {
namespace {

constexpr std::string_view kTooFew =
    "Прогноз не построить: после последнего сброса счётчиков нет двух считываний с разными "
    "датами";

std::string Readings(std::size_t n) {
  return "По " + std::to_string(n) + " считываниям";
}

}  // namespace

Forecast NormativeForecast(const std::vector<HistoryReading>& readings, std::int32_t normative,
                           std::string_view separator) {
  Forecast f;
  if (readings.empty()) return f;
  const HistoryReading& last = readings.back();
  // The dated readings of the last segment.
  std::vector<DayValue> points;
  std::vector<const HistoryReading*> used;
  for (const HistoryReading& r : readings)
    if (r.segment == last.segment && r.day) {
      points.push_back({*r.day, r.charNumber});
      used.push_back(&r);
    }
  f.readings = points.size();
  if (!used.empty()) {
    f.from = used.front()->day;
    f.to = used.back()->day;
    f.spanText = used.front()->dateText + " – " + used.back()->dateText;
  }
  f.line = FitLeastSquares(points);
  if (std::optional<Estimate> none = compare::NoForecast(last.charNumber, normative)) {
    f.date = *none;
    return f;
  }
  if (!f.line) {
    f.date = {std::nullopt, std::string(kTooFew)};
    return f;
  }
  const std::string basis =
      Readings(f.readings) + " с " + used.front()->dateText + " по " + used.back()->dateText + ". ";
  if (f.line->perDay <= 0) {
    f.date = {std::nullopt, basis +
                                "Характеристическое число не растёт: при таком темпе "
                                "нормативное значение не будет достигнуто"};
    return f;
  }
  // From the line on the last dated day; from the reading itself when the line already lies
  // above the normative number there and the reading does not.
  const std::chrono::sys_days lastDay = *f.to;
  const double onLine = ValueOn(*f.line, lastDay);
  const double from = onLine < normative ? onLine : used.back()->charNumber;
  compare::ReachDay reach =
      compare::ReachedAtRate(lastDay, from, f.line->perDay, normative, separator);
  f.day = reach.day;
  f.date = {std::move(reach.estimate.value), basis + reach.estimate.text};
  return f;
}

}  // namespace vertal::history
