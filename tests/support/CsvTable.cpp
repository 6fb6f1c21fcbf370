#include "support/CsvTable.h"

#include <csv.h>

#include <fstream>
#include <sstream>

namespace vertal::testing {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void AddField(void* field, std::size_t length, void* data) {
  auto& table = *static_cast<CsvTable*>(data);
  if (table.rows.empty()) table.rows.emplace_back();
  table.rows.back().emplace_back(static_cast<const char*>(field), length);
}

void EndRow(int, void* data) { static_cast<CsvTable*>(data)->rows.emplace_back(); }

int NoSpaces(unsigned char) { return 0; }

}  // namespace

std::optional<CsvTable> ParseCsv(std::string_view text, char separator) {
  CsvTable table;
  if (text.starts_with(kByteOrderMark)) {
    table.byteOrderMark = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  csv_parser parser{};
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) return std::nullopt;
  csv_set_delim(&parser, static_cast<unsigned char>(separator));
  csv_set_space_func(&parser, NoSpaces);
  table.rows.emplace_back();
  const bool parsed = csv_parse(&parser, text.data(), text.size(), AddField, EndRow, &table) ==
                          text.size() &&
                      csv_fini(&parser, AddField, EndRow, &table) == 0;
  csv_free(&parser);
  if (!parsed) return std::nullopt;
  if (!table.rows.empty() && table.rows.back().empty()) table.rows.pop_back();
  return table;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace vertal::testing
