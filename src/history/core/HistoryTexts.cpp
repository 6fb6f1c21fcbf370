#include "history/core/HistoryTexts.h"

#include <algorithm>
#include <filesystem>

namespace vertal::history {
namespace {

std::string OrNone(const std::optional<std::string>& text) {
  return text ? *text : std::string(kNoValue);
}

std::string CountOrNone(const std::optional<std::size_t>& count) {
  return count ? std::to_string(*count) : std::string(kNoValue);
}

// The kinds of the findings that `keep` accepts, each once, in the order of the kinds.
template <typename Keep>
std::string Labels(const CraneHistory& crane, Keep&& keep) {
  std::vector<FindingKind> kinds;
  for (const HistoryFinding& f : crane.findings)
    if (keep(f) && std::find(kinds.begin(), kinds.end(), f.kind) == kinds.end())
      kinds.push_back(f.kind);
  std::sort(kinds.begin(), kinds.end());
  std::string text;
  for (const FindingKind k : kinds)
    text += (text.empty() ? "" : "; ") + std::string(FindingLabel(k));
  return text;
}

}  // namespace

std::string_view FindingLabel(FindingKind kind) {
  switch (kind) {
    case FindingKind::CounterLower:
      return "Счётчики ниже";
    case FindingKind::SameDay:
      return "Тот же день";
    case FindingKind::ClockFindings:
      return "Часы";
    case FindingKind::GroupChanged:
      return "Группа";
  }
  return {};
}

std::vector<std::string> ReadingCells(const CraneHistory& crane, std::size_t index) {
  const HistoryReading& r = crane.readings.at(index);
  std::vector<std::string> cells(static_cast<std::size_t>(ReadingColumn::Count));
  const auto cell = [&cells](ReadingColumn c) -> std::string& {
    return cells[static_cast<std::size_t>(c)];
  };
  cell(ReadingColumn::Date) = r.dateText;
  cell(ReadingColumn::File) = std::filesystem::path(r.file).filename().string();
  cell(ReadingColumn::CharNumber) = r.charNumberText;
  cell(ReadingColumn::LifeUsed) = OrNone(r.lifeUsed.value);
  cell(ReadingColumn::LiftedWeight) = r.liftedWeightText;
  cell(ReadingColumn::OverloadsAbove125) = CountOrNone(r.overloadsAbove125);
  cell(ReadingColumn::Findings) = Labels(crane, [index](const HistoryFinding& f) {
    return std::find(f.readings.begin(), f.readings.end(), index) != f.readings.end();
  });
  return cells;
}

std::vector<std::string> CraneCells(const CraneHistory& crane) {
  std::vector<std::string> cells(static_cast<std::size_t>(CraneColumn::Count));
  const auto cell = [&cells](CraneColumn c) -> std::string& {
    return cells[static_cast<std::size_t>(c)];
  };
  cell(CraneColumn::Crane) = crane.crane;
  cell(CraneColumn::LimiterSerial) = crane.limiterSerial;
  cell(CraneColumn::CraneSerial) = crane.craneSerial;
  cell(CraneColumn::Owner) = crane.owner;
  cell(CraneColumn::LastReading) =
      crane.readings.empty() ? std::string(kNoValue) : crane.readings.back().dateText;
  cell(CraneColumn::LifeUsed) = OrNone(crane.lifeUsed.value);
  cell(CraneColumn::Forecast) = OrNone(crane.forecast.date.value);
  cell(CraneColumn::OverloadsAbove125) = crane.readings.empty()
                                             ? std::string(kNoValue)
                                             : CountOrNone(crane.readings.back().overloadsAbove125);
  cell(CraneColumn::Findings) = Labels(crane, [](const HistoryFinding&) { return true; });
  return cells;
}

}  // namespace vertal::history
