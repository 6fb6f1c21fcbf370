#include "reports/core/ReportParts.h"

namespace vertal::reports {
namespace {

constexpr double kFooterRulePx = 2;
constexpr Font kFooterTitleFont{13, true, true};
constexpr Font kPageNumberFont{13, false, false};
// Wide enough for "Страница " and a number of three digits.
constexpr double kPageNumberWidth = 25.0;

}  // namespace

std::vector<TextColumn> LayOutColumns(std::span<const HeadedColumn> headed, Align align) {
  std::vector<TextColumn> columns;
  double x = 0;
  for (const HeadedColumn& column : headed) {
    columns.push_back({x, column.width, align});
    x += column.width;
  }
  return columns;
}

void AddHeadings(Band& band, std::span<const HeadedColumn> headed, double x, double y, double height,
                 const Font& font) {
  for (const HeadedColumn& column : headed) {
    if (column.bottom.empty()) {
      band.texts.push_back({x, y, column.width, height, std::string(column.top), font, Align::Center});
    } else {
      const double half = height / 2;
      band.texts.push_back({x, y, column.width, half, std::string(column.top), font, Align::Center});
      band.texts.push_back(
          {x, y + half, column.width, half, std::string(column.bottom), font, Align::Center});
    }
    x += column.width;
  }
}

TextItem PageNumberText(double x, double width, double height, Align align) {
  TextItem item{x, 0, width, height, std::string(kPageWord), kPageNumberFont, align};
  item.pageNumber = true;
  return item;
}

Band TitledFooter(const PageSetup& page, double height, std::string title) {
  const double width = page.InnerWidth();
  const double titleWidth = width - kPageNumberWidth;
  Band footer{height, {}, {}};
  footer.rules.push_back({0, 0, width, 0, kFooterRulePx});
  footer.texts.push_back(
      {0, 0, titleWidth, height, std::move(title), kFooterTitleFont, Align::Left});
  footer.texts.push_back(PageNumberText(titleWidth, kPageNumberWidth, height, Align::Right));
  return footer;
}

RowSource RowsFrom(std::shared_ptr<const Rows> rows) {
  return [rows = std::move(rows), next = std::size_t{0}](std::vector<std::string>& cells) mutable {
    if (next >= rows->size()) return false;
    cells = (*rows)[next++];
    return true;
  };
}

}  // namespace vertal::reports
