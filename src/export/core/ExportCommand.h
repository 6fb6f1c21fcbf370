#pragma once
// The export command: one table written into a CSV file. The table goes into a temporary file
// beside the target, which replaces the target only once the table is complete, so that a
// failure never leaves a partly written table under the chosen name.

#include <cstdint>
#include <string>

#include "common/core/CsvWriter.h"
#include "common/core/Host.h"
#include "export/core/TableExport.h"

namespace vertal::exporting {

enum class ExportEnd {
  Written,     // the table is in the target
  NotKept,     // the file has no such table (KDS records of a recorder version without them)
  Unreadable,  // the dump could not be read; reported once
  Unwritable,  // the target could not be written; reported in an error box
};

struct ExportResult {
  ExportEnd end = ExportEnd::Written;
  std::int64_t rows = 0;  // data rows written
};

// Shown when the CSV file cannot be written.
std::string CannotWriteMessage(const std::string& target);

ExportResult ExportTable(TableKind kind, const TableSources& sources, const CsvDialect& dialect,
                         const std::string& target, Host& host);

}  // namespace vertal::exporting
