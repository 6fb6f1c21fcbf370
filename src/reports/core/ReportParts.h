#pragma once
// Pieces the reports share: column headings of one or two lines, the page-number text and the
// footer of the table reports, and a row source over rows made in advance.

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reports/core/ReportLayout.h"

namespace vertal::reports {

// Between a crane's model and its number in the titles.
inline constexpr std::string_view kNumberSign = " № ";

// Written before the page's number.
inline constexpr std::string_view kPageWord = "Страница ";

// A column of a table: its width and its heading, one line or two.
struct HeadedColumn {
  double width = 0;
  std::string_view top;
  std::string_view bottom = {};  // empty for a heading of one line
};

// Columns side by side from the band's left edge.
std::vector<TextColumn> LayOutColumns(std::span<const HeadedColumn> headed, Align align);

// Centred headings over the columns, from (x, y), in cells `height` high: a heading of one line
// in the middle of its cell, one of two lines in its two halves.
void AddHeadings(Band& band, std::span<const HeadedColumn> headed, double x, double y, double height,
                 const Font& font);

// "Страница " and the page's number, in a box.
TextItem PageNumberText(double x, double width, double height, Align align);

// The footer of the table reports: a rule along its top, the title at the left and the page
// number at the right.
Band TitledFooter(const PageSetup& page, double height, std::string title);

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Hands out the rows one by one; every call makes a source that starts from the first row.
RowSource RowsFrom(std::shared_ptr<const Rows> rows);

}  // namespace vertal::reports
