#include "records/core/PagedTable.h"

#include <algorithm>

#include "dump/core/RecordAccess.h"
#include "records/core/RecordMark.h"

namespace vertal::records {

std::int64_t ClampPosition(const TableLayout& layout, std::int64_t position) {
  return std::clamp<std::int64_t>(position, 0, layout.MaxPosition());
}

bool RecordValid(const TableLayout& layout, ByteSpan record, bool complete) {
  return complete && layout.valid(record);
}

TablePage ReadTablePage(const DumpSource& source, const TableLayout& layout, std::int64_t position,
                        std::string_view separator) {
  TablePage page;
  page.position = ClampPosition(layout, position);
  const auto run = dump::ReadRecords(source, layout.family, page.position, layout.columns);
  page.unreadable = !run.has_value();
  for (int c = 0; c < layout.columns; ++c) {
    std::vector<std::string> column{std::to_string(page.position + c)};
    if (run) {
      const ByteSpan record = run->Record(c);
      auto fields = layout.fields(record, separator);
      column.insert(column.end(), fields.begin(), fields.end());
      column.emplace_back(RecordMark(RecordValid(layout, record, run->Complete(c))));
    } else {
      // Nothing could be read: the value rows stay empty.
      const std::vector<std::uint8_t> zeros(static_cast<std::size_t>(layout.family.size), 0);
      column.resize(1 + layout.fields(zeros, separator).size());
      column.emplace_back(RecordMark(false));
    }
    page.columns.push_back(std::move(column));
  }
  return page;
}

TablePage TurnPage(const DumpSource& source, const TableLayout& layout, std::int64_t position,
                   std::string_view separator, Host& host) {
  TablePage page = ReadTablePage(source, layout, position, separator);
  if (page.unreadable) dump::ReportUnreadable(host);
  return page;
}

TablePage EmptyTablePage(const TableLayout& layout, std::int64_t position) {
  TablePage page;
  page.position = ClampPosition(layout, position);
  page.columns.assign(static_cast<std::size_t>(layout.columns),
                      std::vector<std::string>(static_cast<std::size_t>(layout.rows)));
  return page;
}

}  // namespace vertal::records
