#pragma once
// What the tables of the export share: the columns under both names and the row of a record
// that could not be read.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "common/core/CsvWriter.h"
#include "records/core/PagedTable.h"

namespace vertal::exporting {

// Columns named for machines by `names` and for people by the captions of a grid's rows.
std::vector<CsvColumn> GridColumns(std::span<const std::string_view> names,
                                   std::span<const records::RowCaption> captions);

// A row of `columnCount` fields that holds only the record's number and, in column
// `markColumn`, the mark of a record that could not be read.
void UnreadRow(CsvWriter& csv, std::int64_t number, std::size_t markColumn,
               std::size_t columnCount);

}  // namespace vertal::exporting
