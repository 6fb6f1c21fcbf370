#pragma once
// Reading a report description back in tests: the texts of a band and the rows of a growing
// table, without laying out pages.

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "reports/core/ReportLayout.h"

namespace vertal::reports::testing {

inline std::vector<std::string> Texts(const Band& band) {
  std::vector<std::string> texts;
  for (const TextItem& item : band.texts) texts.push_back(item.text);
  return texts;
}

inline const Band& FixedBand(const Report& report, std::size_t i) {
  return std::get<Band>(report.body.at(i));
}

inline ColumnsBand& Columns(Report& report) {
  return std::get<ColumnsBand>(report.body.at(0));
}

// Pulls every row of the report's table.
inline std::vector<std::vector<std::string>> PullRows(Report report) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> cells;
  while (Columns(report).rows(cells)) rows.push_back(cells);
  return rows;
}

// The first column of every row.
inline std::vector<std::string> FirstCells(Report report) {
  std::vector<std::string> firsts;
  for (const auto& row : PullRows(std::move(report))) firsts.push_back(row.at(0));
  return firsts;
}

}  // namespace vertal::reports::testing
