#include "reports/core/ReportLayout.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace vertal::reports {
namespace {

// Lengths that differ by less than this are equal: sums of millimetre fractions drift.
constexpr double kTolerance = 1e-6;
// The page header and footer keep every item, whatever their height says.
constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// The vertical extent of the body on every page, from the top of the sheet.
struct BodySpace {
  double top = 0;
  double bottom = 0;
};

class Paginator {
 public:
  Paginator(const Report& report, const PageSink& sink)
      : report_(report),
        sink_(sink),
        body_{report.page.margin + report.header.height,
              report.page.Height() - report.page.margin - report.footer.height} {
    StartPage(1);
  }

  // False once the sink has asked to stop.
  bool Place(const Band& band) {
    if ((band.newPage || !Fits(band.height)) && !PageEmpty()) {
      if (!NextPage()) return false;
    }
    AddBand(band, report_.page.margin, cursor_, body_.bottom);
    cursor_ = std::min(cursor_ + band.height, body_.bottom);
    return true;
  }

  bool Place(ColumnsBand& band) {
    const double lineHeight = band.font.sizePx * kLineSpacing * kMmPerPx;
    if (!Fits(band.top + lineHeight) && !PageEmpty()) {
      if (!NextPage()) return false;
    }
    double bandTop = cursor_;
    AddBand(band.extra, report_.page.margin, bandTop, body_.bottom);
    double lineTop = bandTop + band.top;
    while (true) {
      cells_.resize(band.columns.size());
      for (auto& cell : cells_) cell.clear();
      if (!band.rows(cells_)) break;
      cells_.resize(band.columns.size());  // a row may bring fewer texts than columns
      // A line that does not fit goes to the next page, unless the page holds nothing yet
      // (a line taller than the body is printed anyway rather than never).
      if (lineTop + lineHeight > body_.bottom + kTolerance && lineTop > body_.top + kTolerance) {
        if (!NextPage()) return false;
        bandTop = body_.top;
        lineTop = bandTop;
      }
      AddLine(band, lineTop, lineHeight);
      lineTop += lineHeight;
    }
    cursor_ = std::min(std::max(bandTop + band.minHeight, lineTop), body_.bottom);
    return true;
  }

  // Hands over the last page; the number of pages handed over.
  int Finish() {
    if (!stopped_) Emit();
    return handed_;
  }

 private:
  bool Fits(double height) const { return cursor_ + height <= body_.bottom + kTolerance; }
  bool PageEmpty() const { return cursor_ <= body_.top + kTolerance; }

  void StartPage(int number) {
    page_.number = number;
    page_.texts.clear();
    page_.rules.clear();
    page_.fills.clear();
    cursor_ = body_.top;
    AddBand(report_.header, report_.page.margin, report_.page.margin, kNoLimit);
  }

  bool Emit() {
    AddBand(report_.footer, report_.page.margin, body_.bottom, kNoLimit);
    ++handed_;
    stopped_ = !sink_(page_);
    return !stopped_;
  }

  bool NextPage() {
    if (!Emit()) return false;
    StartPage(page_.number + 1);
    return true;
  }

  // Copies the band's items placed at (left, top) onto the page, leaving out those that reach
  // below `bottom` (a band taller than the page is cut at the footer).
  void AddBand(const Band& band, double left, double top, double bottom) {
    for (const TextItem& item : band.texts) {
      if (top + item.y + item.height > bottom + kTolerance) continue;
      TextItem& placed = page_.texts.emplace_back(item);
      placed.x += left;
      placed.y += top;
      if (placed.pageNumber) placed.text += std::to_string(page_.number);
    }
    for (const RuleItem& rule : band.rules) {
      if (top + std::max(rule.y1, rule.y2) > bottom + kTolerance) continue;
      RuleItem& placed = page_.rules.emplace_back(rule);
      placed.x1 += left;
      placed.x2 += left;
      placed.y1 += top;
      placed.y2 += top;
    }
    for (const FillItem& fill : band.fills) {
      if (top + fill.y + fill.height > bottom + kTolerance) continue;
      FillItem& placed = page_.fills.emplace_back(fill);
      placed.x += left;
      placed.y += top;
    }
  }

  void AddLine(const ColumnsBand& band, double top, double height) {
    for (std::size_t i = 0; i < band.columns.size(); ++i) {
      const TextColumn& column = band.columns[i];
      TextItem& item = page_.texts.emplace_back();
      item.x = report_.page.margin + column.x;
      item.y = top;
      item.width = column.width;
      item.height = height;
      item.text = std::move(cells_[i]);
      item.font = band.font;
      item.align = column.align;
    }
  }

  const Report& report_;
  const PageSink& sink_;
  const BodySpace body_;
  Page page_;
  double cursor_ = 0;  // the top of the body's free space on the page
  int handed_ = 0;
  bool stopped_ = false;
  std::vector<std::string> cells_;
};

}  // namespace

int Paginate(Report& report, const PageSink& sink) {
  Paginator paginator(report, sink);
  for (BodyPart& part : report.body) {
    const bool goOn = std::visit([&](auto& band) { return paginator.Place(band); }, part);
    if (!goOn) break;
  }
  return paginator.Finish();
}

}  // namespace vertal::reports
