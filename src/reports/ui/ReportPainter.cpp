#include "reports/ui/ReportPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <deque>

#include "ui_common/UiText.h"

namespace vertal::reports {
namespace {

constexpr double kMmPerInch = 25.4;
// Font sizes and rule widths are given in pixels of a 96-dpi screen; a point is 1/72 inch.
constexpr double kScreenDpi = 96.0;
constexpr double kPointsPerPx = 72.0 / kScreenDpi;
// The family that fonts-liberation2 (and every Windows system) resolves to the reports' face.
const char* const kFontFamily = "Arial";

// A font of the report with its metrics on the device, made once per size and style.
struct DeviceFont {
  Font font;
  QFont qfont;
  QFontMetricsF metrics;
};

class PageDrawer {
 public:
  PageDrawer(QPagedPaintDevice& device, QPainter& painter)
      : device_(device),
        painter_(painter),
        unitsPerMmX_(device.logicalDpiX() / kMmPerInch),
        unitsPerMmY_(device.logicalDpiY() / kMmPerInch) {}

  // Draws one page, after starting a new sheet for every page but the first.
  bool Draw(const Page& page) {
    if (drawn_ > 0 && !device_.newPage()) return false;
    ++drawn_;
    painter_.setPen(QPen(Qt::black));
    for (const TextItem& item : page.texts) DrawText(item);
    for (const RuleItem& rule : page.rules) DrawRule(rule);
    return true;
  }

 private:
  QPointF ToDevice(double x, double y) const { return {x * unitsPerMmX_, y * unitsPerMmY_}; }

  const DeviceFont& Use(const Font& font) {
    if (current_ && SameFont(current_->font, font)) return *current_;
    for (const DeviceFont& known : fonts_) {
      if (SameFont(known.font, font)) return Select(known);
    }
    QFont qfont(QString::fromLatin1(kFontFamily));
    qfont.setPointSizeF(font.sizePx * kPointsPerPx);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    fonts_.push_back({font, qfont, QFontMetricsF(qfont, &device_)});
    return Select(fonts_.back());
  }

  const DeviceFont& Select(const DeviceFont& font) {
    painter_.setFont(font.qfont);
    current_ = &font;
    return font;
  }

  static bool SameFont(const Font& a, const Font& b) {
    return a.sizePx == b.sizePx && a.bold == b.bold && a.italic == b.italic;
  }

  // One line in its box: centred vertically, placed by its alignment, cut short with an
  // ellipsis when wider than the box.
  void DrawText(const TextItem& item) {
    if (item.text.empty()) return;
    const DeviceFont& font = Use(item.font);
    const QPointF topLeft = ToDevice(item.x, item.y);
    const QPointF size = ToDevice(item.width, item.height);
    QString text = ui::ToQString(item.text);
    qreal advance = font.metrics.horizontalAdvance(text);
    if (advance > size.x()) {
      text = font.metrics.elidedText(text, Qt::ElideRight, size.x());
      advance = font.metrics.horizontalAdvance(text);
    }
    qreal x = topLeft.x();
    if (item.align == Align::Center) x += (size.x() - advance) / 2;
    if (item.align == Align::Right) x += size.x() - advance;
    const qreal baseline = topLeft.y() + (size.y() - font.metrics.height()) / 2 + font.metrics.ascent();
    painter_.drawText(QPointF(x, baseline), text);
  }

  void DrawRule(const RuleItem& rule) {
    painter_.setPen(QPen(Qt::black, rule.widthPx / kScreenDpi * device_.logicalDpiX(), Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(ToDevice(rule.x1, rule.y1), ToDevice(rule.x2, rule.y2));
  }

  QPagedPaintDevice& device_;
  QPainter& painter_;
  const double unitsPerMmX_;
  const double unitsPerMmY_;
  std::deque<DeviceFont> fonts_;  // a handful per report; kept in place, `current_` points in
  const DeviceFont* current_ = nullptr;
  int drawn_ = 0;
};

}  // namespace

void SetReportPage(QPagedPaintDevice& device, const PageSetup& page) {
  QPageLayout layout(QPageSize(QPageSize::A4),
                     page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                     QMarginsF(), QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  device.setPageLayout(layout);
}

int PaintReport(Report& report, QPagedPaintDevice& device, QPainter& painter) {
  PageDrawer drawer(device, painter);
  return Paginate(report, [&](const Page& page) { return drawer.Draw(page); });
}

}  // namespace vertal::reports
