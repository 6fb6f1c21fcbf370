#include "export/core/ExportRows.h"

#include <algorithm>

#include "frames/core/FrameRecord.h"

namespace vertal::exporting {

std::vector<CsvColumn> GridColumns(std::span<const std::string_view> names,
                                   std::span<const records::RowCaption> captions) {
  std::vector<CsvColumn> columns;
  const std::size_t count = std::min(names.size(), captions.size());
  for (std::size_t i = 0; i < count; ++i) columns.push_back({names[i], captions[i].caption});
  return columns;
}

void UnreadRow(CsvWriter& csv, std::int64_t number, std::size_t markColumn,
               std::size_t columnCount) {
  csv.Integer(number);
  for (std::size_t c = 1; c < columnCount; ++c)
    csv.Field(c == markColumn ? records::kRecordBad : std::string_view());
  csv.EndRow();
}

}  // namespace vertal::exporting
