#pragma once
// The texts the history page and the fleet report lay out: the columns of a crane's readings
// table, the captions of its chart and the columns of the fleet's list of cranes.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/CraneHistory.h"

namespace vertal::history {

// The readings table of one crane, one row per reading.
enum class ReadingColumn : std::size_t {
  Date,
  File,
  CharNumber,
  LifeUsed,
  LiftedWeight,
  OverloadsAbove125,
  Findings,
  Count
};
inline constexpr std::array<std::string_view, static_cast<std::size_t>(ReadingColumn::Count)>
    kReadingColumnTitles = {"Дата считывания",
                            "Файл",
                            "Характеристическое число",
                            "Израсходовано за период",
                            "Поднятый груз, т",
                            "Перегрузки выше 125 % за период",
                            "Находки"};

// A cell whose value cannot be given.
inline constexpr std::string_view kNoValue = "—";

// A finding's kind as a cell names it: "Счётчики ниже", "Тот же день", "Часы", "Группа".
std::string_view FindingLabel(FindingKind kind);

// The cells of reading `index` of `crane`, in the order of the columns.
std::vector<std::string> ReadingCells(const CraneHistory& crane, std::size_t index);

// The chart of a crane's characteristic number over the readout dates.
inline constexpr std::string_view kCharNumberSeries = "Характеристическое число";
inline constexpr std::string_view kNormativeSeries = "Нормативное характеристическое число";
inline constexpr std::string_view kForecastSeries = "Прогноз (метод наименьших квадратов)";
inline constexpr std::string_view kWeightSeries = "Поднятый груз за период, т";
inline constexpr std::string_view kOverloadSeries = "Перегрузки выше 125 % за период";
inline constexpr std::string_view kDateAxis = "Дата считывания";

// The fleet's list of cranes, sorted by the design life used.
enum class CraneColumn : std::size_t {
  Crane,
  LimiterSerial,
  CraneSerial,
  Owner,
  LastReading,
  LifeUsed,
  Forecast,
  OverloadsAbove125,
  Findings,
  Count
};
inline constexpr std::array<std::string_view, static_cast<std::size_t>(CraneColumn::Count)>
    kCraneColumnTitles = {"Кран",
                          "Зав. № ограничителя",
                          "Зав. № крана",
                          "Владелец",
                          "Последнее считывание",
                          "Израсходовано ресурса",
                          "Нормативное число будет достигнуто",
                          "Перегрузки выше 125 % за последний период",
                          "Находки"};

// The cells of `crane` in the order of the columns.
std::vector<std::string> CraneCells(const CraneHistory& crane);

}  // namespace vertal::history
