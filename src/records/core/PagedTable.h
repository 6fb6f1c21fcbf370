#pragma once
// A table that shows a family of records a page at a time: one column per record, the record
// number in the first row, its fields in the rows below and its mark ("НОРМА"/"БРАК") last.
// Frames, overload records and KDS records are all shown this way.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/Bytes.h"
#include "common/core/Host.h"
#include "common/core/PageControls.h"
#include "dump/core/DumpLayout.h"

namespace vertal::records {

// The caption of a grid row: the object name of its label and its text.
struct RowCaption {
  const char* name;
  const char* caption;
};

struct TableLayout {
  dump::RecordFamily family;
  std::string_view grid;  // the grid's control name
  int columns = 0;        // records on a page
  int rows = 0;           // the number row, the field rows and the mark row
  // The texts of the field rows of one record.
  std::function<std::vector<std::string>(ByteSpan record, std::string_view separator)> fields;
  // Whether a record that lies wholly in the file is valid: its checksum and its contents
  // (dates, times). Passes do not call it: they take the family's rule as a type.
  bool (*valid)(ByteSpan record) = nullptr;

  std::int64_t MaxPosition() const { return family.count - columns; }
};

// A position as a scroll bar holds it: within 0 .. MaxPosition.
std::int64_t ClampPosition(const TableLayout& layout, std::int64_t position);

// A record is valid when it lies wholly in the file, its checksum holds and its contents pass.
bool RecordValid(const TableLayout& layout, ByteSpan record, bool complete);

struct TablePage {
  std::int64_t position = 0;
  GridColumns columns;
  bool unreadable = false;  // the file could not be opened: numbers and marks only
};

// The page whose first column shows record `position` (clamped), read in one piece.
TablePage ReadTablePage(const DumpSource& source, const TableLayout& layout, std::int64_t position,
                        std::string_view separator);

// The page-turn command: the page at `position`, and one open-failure message when the file
// cannot be opened.
TablePage TurnPage(const DumpSource& source, const TableLayout& layout, std::int64_t position,
                   std::string_view separator, Host& host);

// A page with every cell empty at `position` (clamped), as after a reset.
TablePage EmptyTablePage(const TableLayout& layout, std::int64_t position = 0);

}  // namespace vertal::records
