#pragma once
// The texts of the journal by day and of the audit's findings, as both the window and the
// command-line tool show them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "recording/core/DayJournal.h"
#include "recording/core/Findings.h"

namespace vertal::recording {

// The day's recorded time in hours, rounded to two decimals.
double DayHours(const DayRow& day);
// A length of time as hours and minutes, "h:mm".
std::string HoursMinutesText(std::int64_t seconds);
// The fault codes of a day, "1, 97"; "" for none.
std::string FaultCodesText(const std::vector<std::uint8_t>& codes);

// One row of the journal's table, a text per column.
struct DayTexts {
  std::string date, first, last, hours, lifts, maxMoment, maxMomentAt, overloads, tuning, mzon,
      switchOns, limitTriggers, faultCodes;
};
DayTexts TextsOf(const DayRow& day);

// The severity of a finding as a word: "Сведения", "Предупреждение", "Ошибка".
std::string_view SeverityWord(Severity severity);

}  // namespace vertal::recording
