#include "reports/pdf/ReportPainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <cmath>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <deque>
#include <optional>

#include "reports/pdf/AsciiRuns.h"
#include "reports/pdf/TextBox.h"
#include "common/ui/UiText.h"

namespace vertal::reports {
namespace {

// A font of the report with its metrics on the device, made once per size and style.
struct DeviceFont {
  Font font;
  QFont qfont;
  QFontMetricsF metrics;
  std::optional<AsciiRuns> runs;  // on a PDF only: a preview records text, not glyphs
};

class PageDrawer {
 public:
  PageDrawer(QPaintDevice& device, QPainter& painter)
      : device_(device),
        painter_(painter),
        unitsPerMmX_(device.logicalDpiX() / kMmPerInch),
        unitsPerMmY_(device.logicalDpiY() / kMmPerInch),
        glyphRuns_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Pdf) {}

  // Fills under rules, texts over both: a chart's labels stay readable over its lines.
  void Draw(const Page& page) {
    for (const FillItem& fill : page.fills) DrawFill(fill);
    for (const RuleItem& rule : page.rules) DrawRule(rule);
    painter_.setPen(QPen(Qt::black));
    for (const TextItem& item : page.texts) DrawText(item);
    FlushLine();
  }

 private:
  QPointF ToDevice(double x, double y) const { return {x * unitsPerMmX_, y * unitsPerMmY_}; }

  DeviceFont& Use(const Font& font) {
    if (current_ && current_->font == font) return *current_;
    for (DeviceFont& known : fonts_) {
      if (known.font == font) return Select(known);
    }
    const QFont qfont = DeviceQFont(font, device_);
    DeviceFont& made =
        fonts_.emplace_back(DeviceFont{font, qfont, QFontMetricsF(qfont, &device_), std::nullopt});
    if (glyphRuns_) made.runs.emplace(qfont, device_);
    return Select(made);
  }

  DeviceFont& Select(DeviceFont& font) {
    painter_.setFont(font.qfont);
    current_ = &font;
    return font;
  }

  // One line in its box: centred vertically, placed by its alignment, cut short with an
  // ellipsis when wider than the box.
  void DrawText(const TextItem& item) {
    if (item.text.empty()) return;
    DeviceFont& font = Use(item.font);
    const QPointF topLeft = ToDevice(item.x, item.y);
    const QPointF size = ToDevice(item.width, item.height);
    const qreal baseline = TextBaseline(font.metrics.height(), font.metrics.ascent(), topLeft.y(), size.y());
    qreal advance = 0;
    if (font.runs && font.runs->Layout(item.text, advance) && advance <= size.x()) {
      AddToLine(font, baseline, AlignedLeft(item.align, topLeft.x(), size.x(), advance));
      return;
    }
    QString text = ui::ToQString(item.text);
    advance = font.metrics.horizontalAdvance(text);
    if (advance > size.x()) {
      text = font.metrics.elidedText(text, Qt::ElideRight, size.x());
      advance = font.metrics.horizontalAdvance(text);
    }
    painter_.drawText(QPointF(AlignedLeft(item.align, topLeft.x(), size.x(), advance), baseline), text);
  }

  // Gathers the glyphs just laid out by `font` into the line on `baseline`, starting at `left`.
  // A PDF writes each run as a text object of its own, with every glyph's position as a
  // number: a table line drawn as one run costs one object instead of one per cell, and
  // positions on whole device units (1/1200 inch on a PDF) are written without decimals.
  void AddToLine(const DeviceFont& font, qreal baseline, qreal left) {
    baseline = std::round(baseline);
    if (line_.font != &font || line_.baseline != baseline) {
      FlushLine();
      line_.font = &font;
      line_.baseline = baseline;
    }
    const QList<QPointF>& positions = font.runs->Positions();
    line_.glyphs.append(font.runs->Glyphs());
    for (const QPointF& position : positions)
      line_.positions.append(QPointF(std::round(left + position.x()), 0));
  }

  void FlushLine() {
    if (line_.glyphs.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(line_.font->runs->RawFont());
    run.setGlyphIndexes(line_.glyphs);
    run.setPositions(line_.positions);
    painter_.drawGlyphRun(QPointF(0, line_.baseline), run);
    line_.glyphs.clear();
    line_.positions.clear();
  }

  static QColor ToQColor(Colour colour) { return QColor::fromRgb(static_cast<QRgb>(colour)); }

  void DrawRule(const RuleItem& rule) {
    painter_.setPen(QPen(ToQColor(rule.colour), rule.widthPx / kScreenDpi * device_.logicalDpiX(),
                         rule.dashed ? Qt::DashLine : Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(ToDevice(rule.x1, rule.y1), ToDevice(rule.x2, rule.y2));
  }

  void DrawFill(const FillItem& fill) {
    const QPointF topLeft = ToDevice(fill.x, fill.y);
    const QPointF size = ToDevice(fill.width, fill.height);
    painter_.fillRect(QRectF(topLeft.x(), topLeft.y(), size.x(), size.y()), ToQColor(fill.colour));
  }

  QPaintDevice& device_;
  QPainter& painter_;
  const double unitsPerMmX_;
  const double unitsPerMmY_;
  std::deque<DeviceFont> fonts_;  // a handful per report; kept in place, `current_` points in
  const bool glyphRuns_;
  DeviceFont* current_ = nullptr;
  // The glyphs gathered for the line being drawn.
  struct Line {
    const DeviceFont* font = nullptr;
    qreal baseline = 0;
    QList<quint32> glyphs;
    QList<QPointF> positions;
  } line_;
};

// Qt's PDF engine compresses every page through two 16 MiB buffers that it takes and frees
// again for each page. The C library maps allocations that large from the system and unmaps
// them when freed, so every page paid for mapping, faulting in and unmapping 32 MiB: a
// quarter of the time of a long report. Allocations up to twice that size stay on the heap,
// and the heap keeps that much free memory while pages are written; it is given back once
// the report is drawn.
#if defined(__GLIBC__)
constexpr int kHeapAllocationBytes = 32 << 20;  // the largest threshold the library takes
constexpr int kKeptFreeBytes = 64 << 20;
#endif

void GiveBackPageBuffers() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

void KeepPageBuffersOnTheHeap() {
#if defined(__GLIBC__)
  static const bool kept = [] {
    return mallopt(M_MMAP_THRESHOLD, kHeapAllocationBytes) == 1 &&
           mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes) == 1;
  }();
  (void)kept;
#endif
}

// Starts a new sheet for every page but the first.
class SheetDrawer {
 public:
  SheetDrawer(QPagedPaintDevice& device, QPainter& painter)
      : device_(device), drawer_(device, painter) {
    KeepPageBuffersOnTheHeap();
  }
  ~SheetDrawer() { GiveBackPageBuffers(); }
  SheetDrawer(const SheetDrawer&) = delete;
  SheetDrawer& operator=(const SheetDrawer&) = delete;

  bool Draw(const Page& page) {
    if (drawn_ > 0 && !device_.newPage()) return false;
    ++drawn_;
    drawer_.Draw(page);
    return true;
  }

 private:
  QPagedPaintDevice& device_;
  PageDrawer drawer_;
  int drawn_ = 0;
};

}  // namespace

void SetReportPage(QPagedPaintDevice& device, const PageSetup& page) {
  QPageLayout layout(
      QPageSize(QPageSize::A4),
      page.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
      QMarginsF(), QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  device.setPageLayout(layout);
}

int PaintReport(Report& report, QPagedPaintDevice& device, QPainter& painter) {
  SheetDrawer drawer(device, painter);
  return Paginate(report, [&](const Page& page) { return drawer.Draw(page); });
}

int PaintPages(const PageStore& pages, int first, int last, QPagedPaintDevice& device,
               QPainter& painter) {
  SheetDrawer drawer(device, painter);
  int drawn = 0;
  for (int index = first; index <= last && index < pages.Count(); ++index, ++drawn) {
    if (!drawer.Draw(pages.At(index))) break;
  }
  return drawn;
}

void PaintPage(const Page& page, QPaintDevice& device, QPainter& painter) {
  PageDrawer(device, painter).Draw(page);
}

}  // namespace vertal::reports
