#include "reports/core/ReportParts.h"

namespace vertal::reports {
namespace {

constexpr double kFooterRulePx = 2;
constexpr Font kFooterTitleFont{13, true, true};
constexpr Font kPageNumberFont{13, false, false};
// Wide enough for "Страница " and a number of three digits.
constexpr double kPageNumberWidth = 25.0;

}  // namespace

std::vector<TextColumn> LayOutColumns(std::span<const ColumnSpec> specs, Align align) {
  std::vector<TextColumn> columns;
  double x = 0;
  for (const ColumnSpec& spec : specs) {
    columns.push_back({x, spec.width, align});
    x += spec.width;
  }
  return columns;
}

void AddHeadings(Band& band, std::span<const ColumnSpec> specs, double x, double y, double height,
                 const Font& font) {
  for (const ColumnSpec& spec : specs) {
    if (spec.bottom.empty()) {
      band.texts.push_back({x, y, spec.width, height, std::string(spec.top), font, Align::Center});
    } else {
      const double half = height / 2;
      band.texts.push_back({x, y, spec.width, half, std::string(spec.top), font, Align::Center});
      band.texts.push_back(
          {x, y + half, spec.width, half, std::string(spec.bottom), font, Align::Center});
    }
    x += spec.width;
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
