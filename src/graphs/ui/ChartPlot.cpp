#include "graphs/ui/ChartPlot.h"

#include <QFontMetrics>
#include <QPainterPath>

namespace vertal::graphs {

namespace {

constexpr int kTitleRow = 0;
constexpr int kLegendRow = 2;  // below the plot in row 1
constexpr int kLegendColumns = 4;
constexpr int kTitlePixels = 13;
constexpr int kMarginPercent = 1;  // on every side of the chart
constexpr double kCircleSize = 6;
// QCustomPlot scales a custom scatter path by size / 6: at 6 the path is in pixels.
constexpr double kPathInPixels = 6;
constexpr QSizeF kBarSize(1, 15);

QCPScatterStyle ScatterOf(const SeriesStyle& style) {
  const QColor colour(style.pointColour);
  switch (style.marker) {
    case Marker::None:
      return QCPScatterStyle(QCPScatterStyle::ssNone);
    case Marker::Circle:
      return QCPScatterStyle(QCPScatterStyle::ssCircle, colour, colour, kCircleSize);
    case Marker::Bar: {
      // A vertical line one pixel wide: the same pixels as a filled 1 x 15 rectangle, drawn by
      // the painter's fast path for thin lines.
      QPainterPath bar;
      bar.moveTo(0, -kBarSize.height() / 2);
      bar.lineTo(0, kBarSize.height() / 2);
      QPen pen(colour);
      pen.setWidthF(kBarSize.width());
      return QCPScatterStyle(bar, pen, Qt::NoBrush, kPathInPixels);
    }
  }
  return QCPScatterStyle(QCPScatterStyle::ssNone);
}

}  // namespace

SeriesGraph::SeriesGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesStyle& style)
    : QCPGraph(keyAxis, valueAxis), legendColour_(style.legendColour), crosshair_(style.crosshair) {
  setObjectName(QString::fromLatin1(style.name));
  setName(QString::fromUtf8(style.title));
  QPen pen(QColor(style.pointColour));
  pen.setWidth(style.lineWidth);
  setPen(pen);
  setLineStyle(style.line ? lsLine : lsNone);
  setScatterStyle(ScatterOf(style));
  // Bars of neighbouring frames must meet without blurring into each other.
  setAntialiasedScatters(style.marker != Marker::Bar);
  // Sampling several points into one pixel column would join the line across its gap points.
  if (style.turnAxis) setAdaptiveSampling(false);
}

void SeriesGraph::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
  QPen pen = this->pen();
  pen.setColor(legendColour_);
  if (lineStyle() != lsNone) {
    applyDefaultAntialiasingHint(painter);
    painter->setPen(pen);
    const double y = rect.center().y();
    painter->drawLine(QLineF(rect.left(), y, rect.right(), y));
  }
  if (!scatterStyle().isNone()) {
    applyScattersAntialiasingHint(painter);
    QCPScatterStyle scatter = scatterStyle();
    if (scatter.pen().style() != Qt::NoPen) scatter.setPen(pen);
    if (scatter.brush().style() != Qt::NoBrush) scatter.setBrush(legendColour_);
    scatter.applyTo(painter, pen);
    scatter.drawShape(painter, rect.center());
  }
}

ChartPlot::ChartPlot(const QString& title, QWidget* parent) : QCustomPlot(parent) {
  setBackground(Qt::white);

  QFont titleFont(QStringLiteral("Arial"));
  titleFont.setPixelSize(kTitlePixels);
  titleFont.setWeight(QFont::Normal);
  plotLayout()->insertRow(kTitleRow);
  title_ = title;
  titleElement_ = new QCPTextElement(this, title, titleFont);
  titleElement_->setTextColor(Qt::black);
  plotLayout()->addElement(kTitleRow, 0, titleElement_);

  // Frame numbers as plain whole numbers, never in exponent form.
  xAxis->setNumberFormat(QStringLiteral("f"));
  xAxis->setNumberPrecision(0);

  // The legend goes to a row of its own below the plot when it is shown; hidden, it is in no
  // layout, since a hidden element would still hold its row open.
  axisRect()->insetLayout()->take(legend);
  legend->setFillOrder(QCPLegend::foColumnsFirst);
  legend->setWrap(kLegendColumns);
  legend->setVisible(false);

  // A chart that was never shown (a page not yet opened, a print from the command line) keeps
  // its margins too.
  FitMargins(size());
  setMouseTracking(true);
}

SeriesGraph* ChartPlot::AddSeries(const SeriesStyle& style) {
  auto* graph = new SeriesGraph(xAxis, style.turnAxis ? yAxis2 : yAxis, style);
  if (!style.inLegend) graph->removeFromLegend();
  series_.push_back(graph);
  return graph;
}

QString ChartPlot::Title() const {
  return title_;
}

void ChartPlot::SetTitle(const QString& title) {
  title_ = title;
  titleElement_->setText(title);
  FitTitle(width());
}

void ChartPlot::FitTitle(int chartWidth) {
  const QString title = Title();
  const int room = chartWidth - 2 * (chartWidth * kMarginPercent / 100);
  const QFontMetrics metrics(titleElement_->font());
  QString fitted;
  QString line;
  for (const QString& word : title.split(QLatin1Char(' '))) {
    const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > room) {
      fitted += line + QLatin1Char('\n');
      line = word;
    } else {
      line = longer;
    }
  }
  fitted += line;
  if (fitted != titleElement_->text()) titleElement_->setText(fitted);
}

void ChartPlot::ShowLegend(bool shown) {
  if (shown == legend->visible()) return;
  legend->setVisible(shown);
  if (shown) {
    plotLayout()->addElement(kLegendRow, 0, legend);
    plotLayout()->setRowStretchFactor(kLegendRow, 0.001);
  } else {
    plotLayout()->take(legend);
    plotLayout()->simplify();
  }
}

void ChartPlot::FitMargins(QSize size) {
  const int across = size.width() * kMarginPercent / 100;
  const int down = size.height() * kMarginPercent / 100;
  plotLayout()->setMargins(QMargins(across, down, across, down));
}

void ChartPlot::resizeEvent(QResizeEvent* event) {
  FitMargins(event->size());
  FitTitle(event->size().width());
  QCustomPlot::resizeEvent(event);
}

void ChartPlot::ReplotWhenSeen() {
  replotWaiting_ = !isVisible();
  if (!replotWaiting_) replot();
}

void ChartPlot::showEvent(QShowEvent* event) {
  QCustomPlot::showEvent(event);
  if (!replotWaiting_) return;
  replotWaiting_ = false;
  replot(rpQueuedRefresh);  // drawn now, painted with the page
}

void ChartPlot::mouseMoveEvent(QMouseEvent* event) {
  QCustomPlot::mouseMoveEvent(event);
  const auto* over = dynamic_cast<SeriesGraph*>(plottableAt(event->position()));
  if (over && over->visible() && over->Crosshair())
    setCursor(Qt::CrossCursor);
  else
    unsetCursor();
}

}  // namespace vertal::graphs
