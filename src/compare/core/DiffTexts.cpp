#include "compare/core/DiffTexts.h"

namespace vertal::compare {
namespace {

constexpr std::string_view kFieldSeparator = "; ";

void AddList(std::vector<NewItemRow>& rows, std::string_view kind, const JumpList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i) rows.push_back({kind, list.Text(i), {}});
}

void AddRecords(std::vector<NewItemRow>& rows, std::string_view kind, const NewRecords& records) {
  for (std::size_t i = 0; i < records.items.Count(); ++i) {
    std::string fields;
    for (const std::string& field : records.fields[i]) {
      if (!fields.empty()) fields += kFieldSeparator;
      fields += field;
    }
    rows.push_back({kind, records.items.Text(i), std::move(fields)});
  }
}

}  // namespace

std::string ReadingsText(const ReadingDiff& d) {
  return "Было: " + d.oldFile + " (считан " + d.oldDate + "). Стало: " + d.newFile + " (считан " +
         d.newDate + ").";
}

std::vector<NewItemRow> NewItemRows(const ReadingDiff& d) {
  std::vector<NewItemRow> rows;
  AddList(rows, "Работа с перегрузками", d.episodes.overloads);
  AddList(rows, "Работа в режиме НАСТРОЙКА", d.episodes.tuning);
  AddList(rows, "Срабатывания МЗОНа", d.episodes.mzon);
  AddList(rows, "Включения прибора", d.episodes.switchOns);
  AddRecords(rows, "Запись перегрузки", d.overloads);
  AddRecords(rows, "Запись КДС", d.kds);
  return rows;
}

}  // namespace vertal::compare
