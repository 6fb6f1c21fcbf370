#pragma once
// Reads back the CSV that a test wrote, with a real CSV parser (libcsv in strict mode), so that
// quoting is checked the way a spreadsheet or a script would read it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vertal::testing {

struct CsvTable {
  bool byteOrderMark = false;
  std::vector<std::vector<std::string>> rows;
};

// The rows of `text`; nothing when it is not well-formed CSV. Spaces inside fields are kept.
std::optional<CsvTable> ParseCsv(std::string_view text, char separator);

// The whole content of a file ("" when it cannot be read).
std::string ReadWholeFile(const std::string& path);

}  // namespace vertal::testing
