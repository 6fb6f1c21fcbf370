#include "compare/core/WearForecast.h"

#include <cmath>

#include "common/core/NumberFormat.h"
#include "dump/core/Classification.h"
#include "dump/core/OperatorTrailer.h"

namespace vertal::compare {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr int kCentury = 2000;
constexpr unsigned kBcdTens = 10;
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0x0F;
constexpr double kPercent = 100.0;
constexpr std::string_view kSharePattern = "#0.000";
constexpr std::string_view kRatePattern = "#0.00";
// A forecast further ahead than this says only that it is that far at least.
constexpr int kForecastYears = 100;
constexpr days kForecastLimit{kForecastYears * 366};

unsigned FromBcd(std::uint8_t byte) {
  return (byte >> kNibbleBits) * kBcdTens + (byte & kNibbleMask);
}

std::int32_t Normative(const Reading& r) {
  return dump::NormativeNumber(r.pages.service.normativeGroup);
}

double Growth(const Reading& older, const Reading& newer) {
  return static_cast<double>(newer.info.charNumber) - static_cast<double>(older.info.charNumber);
}

std::optional<sys_days> ReadoutDayOf(const Reading& r) {
  return ReadoutDay(dump::ReadOperatorTrailer(r.head.trailer).date);
}

}  // namespace

std::string ShareText(double percent, std::string_view separator) {
  return FormatFloat(kSharePattern, percent, separator) + " %";
}

std::string DayText(sys_days day) {
  const std::chrono::year_month_day ymd(day);
  const auto two = [](unsigned v) { return std::string(v < kBcdTens ? "0" : "") + std::to_string(v); };
  return two(static_cast<unsigned>(ymd.day())) + "." + two(static_cast<unsigned>(ymd.month())) + "." +
         std::to_string(static_cast<int>(ymd.year()));
}

std::optional<sys_days> ReadoutDay(Bcd3 date) {
  const std::chrono::year_month_day ymd{std::chrono::year(kCentury + static_cast<int>(FromBcd(date[2]))),
                                        std::chrono::month(FromBcd(date[1])),
                                        std::chrono::day(FromBcd(date[0]))};
  if (!ymd.ok()) return std::nullopt;
  return sys_days(ymd);
}

Estimate LifeUsed(const Reading& older, const Reading& newer, std::string_view separator) {
  return LifeUsed(older.info.charNumber, newer.info.charNumber, Normative(newer), separator);
}

Estimate LifeUsed(double older, double newer, std::int32_t normative, std::string_view separator) {
  if (normative <= 0) return {std::nullopt, std::string(kNoNormativeText)};
  const std::string share = ShareText((newer - older) / normative * kPercent, separator);
  return {share, "Между считываниями израсходовано " + share +
                     " нормативного характеристического числа (" + std::to_string(normative) + ")"};
}

std::optional<Estimate> NoForecast(double current, std::int32_t normative) {
  if (normative <= 0) return Estimate{std::nullopt, std::string(kNoNormativeText)};
  if (current >= normative)
    return Estimate{std::nullopt, "Нормативное характеристическое число (" +
                                      std::to_string(normative) + ") уже достигнуто"};
  return std::nullopt;
}

ReachDay ReachedAtRate(sys_days from, double current, double perDay, std::int32_t normative,
                       std::string_view separator) {
  const std::string rateText = FormatFloat(kRatePattern, perDay, separator);
  const double remaining = std::ceil((normative - current) / perDay);
  if (remaining > static_cast<double>(kForecastLimit.count()))
    return {{std::nullopt, "При темпе " + rateText + " в сутки нормативное характеристическое "
                           "число (" + std::to_string(normative) +
                               ") будет достигнуто не ранее чем через " +
                               std::to_string(kForecastYears) + " лет"},
            std::nullopt};
  const sys_days day = from + days(static_cast<std::int64_t>(remaining));
  const std::string date = DayText(day);
  return {{date, "При темпе " + rateText + " в сутки нормативное характеристическое число (" +
                     std::to_string(normative) + ") будет достигнуто " + date},
          day};
}

Estimate NormativeDate(const Reading& older, const Reading& newer, std::string_view separator) {
  const std::int32_t normative = Normative(newer);
  const double current = static_cast<double>(newer.info.charNumber);
  if (std::optional<Estimate> none = NoForecast(current, normative)) return *none;
  const auto from = ReadoutDayOf(older), to = ReadoutDayOf(newer);
  if (!from || !to)
    return {std::nullopt, "Дата считывания не прочитана: темп роста характеристического числа "
                          "не определить"};
  const auto elapsed = (*to - *from).count();
  if (elapsed <= 0)
    return {std::nullopt, "Второе считывание не позже первого: темп роста характеристического "
                          "числа за сутки не определить"};
  const double growth = Growth(older, newer);
  if (growth <= 0)
    return {std::nullopt, "Характеристическое число между считываниями не выросло: при таком "
                          "темпе нормативное значение не будет достигнуто"};
  return ReachedAtRate(*to, current, growth / static_cast<double>(elapsed), normative, separator)
      .estimate;
}

}  // namespace vertal::compare
