#pragma once
// Tables written as comma-separated values, in one of two dialects: the spreadsheet dialect of
// the user's locale (Russian headings with units, the locale's decimal separator, a byte-order
// mark so that Cyrillic opens right) or the machine dialect of RFC 4180 (ASCII column names,
// decimal point, ISO 8601 dates). Fields are quoted only when they must be.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vertal {

struct CsvDialect {
  char separator = ',';
  std::string decimalSeparator = ".";
  bool byteOrderMark = false;
  std::string_view lineEnd = "\r\n";
  // ASCII snake_case column names and ISO 8601 dates instead of the window's headings and dates.
  bool machineForms = true;
};

// RFC 4180: ",", decimal point, CRLF, no byte-order mark, ISO dates.
CsvDialect MachineDialect();

// For a spreadsheet under a locale with this decimal separator: ";" between fields when the
// separator is a comma (the comma would split numbers), "," otherwise.
CsvDialect SpreadsheetDialect(std::string_view localeDecimalSeparator);

// A column under both of its names.
struct CsvColumn {
  std::string_view machineName;  // "angle_deg"
  std::string_view caption;      // "AL, гр"
};

// A date shown as "dd.mm.yy" written as "20yy-mm-dd" (the recorder keeps two-digit years of
// this century); any other text comes back unchanged.
std::string IsoDate(std::string_view shownDate);

// Writes rows into a stream. Output is buffered: it reaches the stream at Flush(), when the
// buffer fills and when the writer is destroyed. The stream's state tells whether it all went.
class CsvWriter {
 public:
  CsvWriter(std::ostream& out, CsvDialect dialect);
  ~CsvWriter();
  CsvWriter(const CsvWriter&) = delete;
  CsvWriter& operator=(const CsvWriter&) = delete;

  const CsvDialect& Dialect() const { return dialect_; }

  // A text field, quoted when it holds the separator, a quote, CR or LF.
  void Field(std::string_view text);
  // A whole number.
  void Integer(std::int64_t value);
  // A stored count of 10^-storedDecimals units by a pattern ("#0.00"), with the dialect's
  // decimal separator.
  void Scaled(std::int64_t stored, int storedDecimals, std::string_view pattern);
  // A date shown as "dd.mm.yy": as shown, or in ISO form for machines.
  void Date(std::string_view shownDate);
  void EndRow();

  // A whole row of text fields.
  void Row(std::span<const std::string> fields);
  // The heading row: machine names or captions as the dialect asks. Not counted as a data row.
  void Header(std::span<const CsvColumn> columns);

  // Data rows ended so far (the heading row not counted).
  std::int64_t Rows() const { return rows_; }
  void Flush();

 private:
  void Separate();
  void EndLine();
  void Raw(std::string_view text);

  std::ostream& out_;
  CsvDialect dialect_;
  std::string buffer_;
  bool rowStarted_ = false;
  std::int64_t rows_ = 0;
};

}  // namespace vertal
