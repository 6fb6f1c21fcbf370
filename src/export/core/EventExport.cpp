// The records found by the overload and KDS searches, one row each with the rows of their
// grids as columns: the number, the fields and the mark.

#include <array>
#include <functional>

#include "common/core/Bytes.h"
#include "dump/core/RecordAccess.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "export/core/ExportRows.h"
#include "export/core/TableExport.h"
#include "frames/core/FrameRecord.h"

namespace vertal::exporting {
namespace {

constexpr std::array<std::string_view, events::kOverloadTableRows> kOverloadNames = {
    "record", "radius_m", "capacity_t", "load_percent", "date", "mode", "checksum"};
constexpr std::array<std::string_view, events::kKdsTableRows> kKdsNames = {
    "record", "value", "parameter", "date", "time", "checksum"};
// The place of the date among a record's fields (the grid's rows below the number).
constexpr std::size_t kOverloadDateField = 3;
constexpr std::size_t kKdsDateField = 2;
constexpr std::size_t kKdsValueField = 0;

struct EventTable {
  const records::TableLayout& layout;
  std::vector<CsvColumn> columns;
  std::size_t dateField;
  // Changes the fields for machines, which read numbers without units.
  std::function<void(ByteSpan record, std::vector<std::string>& fields, std::string_view sep)>
      forMachines;
};

bool WriteEvents(CsvWriter& csv, const EventTable& table, const DumpSource& source,
                 const std::vector<std::int64_t>& records, Host& host) {
  csv.Header(table.columns);
  if (records.empty()) return true;
  const dump::RecordFamily& family = table.layout.family;
  const auto run = dump::ReadRecords(source, family, 0, family.count);
  if (!run) {
    dump::ReportUnreadable(host);
    return false;
  }
  const std::string_view separator = csv.Dialect().decimalSeparator;
  const std::size_t markColumn = table.columns.size() - 1;
  for (const std::int64_t k : records) {
    if (k < 0 || k >= family.count) {
      UnreadRow(csv, k, markColumn, table.columns.size());
      continue;
    }
    const ByteSpan record = run->Record(k);
    std::vector<std::string> fields = table.layout.fields(record, separator);
    if (csv.Dialect().machineForms && table.forMachines) table.forMachines(record, fields, separator);
    csv.Integer(k);
    for (std::size_t f = 0; f < fields.size(); ++f) {
      if (f == table.dateField)
        csv.Date(fields[f]);
      else
        csv.Field(fields[f]);
    }
    csv.Field(records::RecordMark(records::RecordValid(table.layout, record, run->Complete(k))));
    csv.EndRow();
  }
  return true;
}

}  // namespace

bool WriteOverloads(CsvWriter& csv, const DumpSource& source,
                    const std::vector<std::int64_t>& records, Host& host) {
  const EventTable table{events::OverloadTableLayout(),
                         GridColumns(kOverloadNames, events::kOverloadRowCaptions),
                         kOverloadDateField, {}};
  return WriteEvents(csv, table, source, records, host);
}

bool WriteKds(CsvWriter& csv, const DumpSource& source, const std::vector<std::int64_t>& records,
              Host& host) {
  const EventTable table{
      events::KdsTableLayout(), GridColumns(kKdsNames, events::kKdsRowCaptions), kKdsDateField,
      [](ByteSpan r, std::vector<std::string>& fields, std::string_view sep) {
        fields[kKdsValueField] =
            events::FormatKdsNumber(r[events::kKdsCode], lei16(&r[events::kKdsValue]), sep);
      }};
  return WriteEvents(csv, table, source, records, host);
}

}  // namespace vertal::exporting
