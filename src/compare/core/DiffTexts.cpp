#include "compare/core/DiffTexts.h"

#include <span>

#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"

namespace vertal::compare {
namespace {

constexpr std::string_view kFieldSeparator = "; ";
constexpr std::string_view kUnitMark = ", ";  // "Вылет, м": the caption, then its unit
constexpr std::size_t kFirstFieldRow = 1;     // the record's number stands above its fields

void AddList(std::vector<NewItemRow>& rows, std::string_view kind, const JumpList& list) {
  for (std::size_t i = 0; i < list.Count(); ++i) rows.push_back({kind, list.Text(i), {}});
}

// The fields of a record, each named by the caption of its table row: "Вылет 8,82 м; …".
std::string NamedFields(std::span<const records::RowCaption> captions,
                        const std::vector<std::string>& fields) {
  std::string text;
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (!text.empty()) text += kFieldSeparator;
    const std::size_t row = kFirstFieldRow + f;
    if (row >= captions.size()) {
      text += fields[f];
      continue;
    }
    const std::string_view caption = captions[row].caption;
    const std::size_t unit = caption.rfind(kUnitMark);
    if (unit == std::string_view::npos) {
      text.append(caption).append(" ").append(fields[f]);
    } else {
      text.append(caption.substr(0, unit)).append(" ").append(fields[f]).append(" ");
      text.append(caption.substr(unit + kUnitMark.size()));
    }
  }
  return text;
}

void AddRecords(std::vector<NewItemRow>& rows, std::string_view kind, const NewRecords& records,
                std::span<const records::RowCaption> captions) {
  for (std::size_t i = 0; i < records.items.Count(); ++i) {
    std::string fields = NamedFields(captions, records.fields[i]);
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
  AddRecords(rows, "Запись перегрузки", d.overloads, events::kOverloadRowCaptions);
  AddRecords(rows, "Запись КДС", d.kds, events::kKdsRowCaptions);
  return rows;
}

}  // namespace vertal::compare
