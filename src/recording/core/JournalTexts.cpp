#include "recording/core/JournalTexts.h"

#include <cmath>

#include "common/core/Bcd.h"
#include "common/core/TimeUnits.h"

namespace vertal::recording {
namespace {

constexpr double kHourHundredths = 100.0;  // hours are written to two decimals
constexpr std::int64_t kTwoDigits = 10;

}  // namespace

double DayHours(const DayRow& day) {
  return std::round(static_cast<double>(day.recordedSeconds) / static_cast<double>(kSecondsPerHour) * kHourHundredths) /
         kHourHundredths;
}

std::string HoursMinutesText(std::int64_t seconds) {
  const std::int64_t minutes = seconds / kSecondsPerMinute;
  const std::int64_t rest = minutes % kMinutesPerHour;
  return std::to_string(minutes / kMinutesPerHour) + (rest < kTwoDigits ? ":0" : ":") +
         std::to_string(rest);
}

std::string FaultCodesText(const std::vector<std::uint8_t>& codes) {
  std::string text;
  for (const std::uint8_t code : codes) {
    if (!text.empty()) text += ", ";
    text += std::to_string(code);
  }
  return text;
}

DayTexts TextsOf(const DayRow& day) {
  DayTexts t;
  t.date = BcdDateText(day.date);
  t.first = BcdTimeText(day.firstTime);
  t.last = BcdTimeText(day.lastTime);
  t.hours = HoursMinutesText(day.recordedSeconds);
  t.lifts = std::to_string(day.lifts);
  t.maxMoment = std::to_string(day.maxMoment);
  t.maxMomentAt = BcdTimeText(day.maxMomentTime);
  t.overloads = std::to_string(day.overloads);
  t.tuning = std::to_string(day.tuning);
  t.mzon = std::to_string(day.mzon);
  t.switchOns = std::to_string(day.switchOns);
  t.limitTriggers = std::to_string(day.limitTriggers);
  t.faultCodes = FaultCodesText(day.faultCodes);
  return t;
}

std::string_view SeverityWord(Severity severity) {
  switch (severity) {
    case Severity::Info: return "Сведения";
    case Severity::Warning: return "Предупреждение";
    case Severity::Error: return "Ошибка";
  }
  return {};
}

}  // namespace vertal::recording
