#include "graphs/ui/GraphChart.h"

#include <QMarginsF>
#include <QPrinter>
#include <QRectF>
#include <QVBoxLayout>

#include "graphs/core/GraphWindow.h"
#include "graphs/ui/ChartPlot.h"

namespace vertal::graphs {

namespace {

constexpr double kMarginShare = 0.02;  // of the page, on each of the four sides
// The chart is laid out on a canvas this much larger than the printed area and drawn scaled
// down, so its text and lines print proportionally finer than on screen.
constexpr double kLayoutScale = 1.7;

QList<double> ToList(const std::vector<double>& values) {
  return QList<double>(values.begin(), values.end());
}

void Render(ChartPlot& plot, QCPPainter& painter, const QRectF& page) {
  const QRectF area =
      page.marginsRemoved(QMarginsF(page.width() * kMarginShare, page.height() * kMarginShare,
                                    page.width() * kMarginShare, page.height() * kMarginShare));
  painter.setMode(QCPPainter::pmVectorized);
  painter.setMode(QCPPainter::pmNoCaching);
  // Hairlines would print at the printer's thinnest dot; give them the canvas's pixel width.
  painter.setMode(QCPPainter::pmNonCosmetic);
  painter.translate(area.topLeft());
  painter.scale(1 / kLayoutScale, 1 / kLayoutScale);
  plot.FitTitle(qRound(area.width() * kLayoutScale));
  plot.toPainter(&painter, qRound(area.width() * kLayoutScale),
                 qRound(area.height() * kLayoutScale));
}

}  // namespace

GraphChart::GraphChart(const char* name, const QString& title, QWidget* parent)
    : QWidget(parent), plot_(new ChartPlot(title, this)) {
  setObjectName(QString::fromLatin1(name));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(plot_);
}

SeriesGraph* GraphChart::AddSeries(const SeriesStyle& style) {
  return plot_->AddSeries(style);
}

void GraphChart::SetPoints(SeriesGraph* series, const SeriesPoints& points) {
  series->setData(ToList(points.x), ToList(points.y), true);
}

void GraphChart::SetFrameRange(double first, double last) {
  plot_->xAxis->setRange(first, last);
}

void GraphChart::Replot() {
  plot_->ReplotWhenSeen();
}

QString GraphChart::Title() const {
  return plot_->Title();
}

void GraphChart::SetTitle(const QString& title) {
  plot_->SetTitle(title);
}

bool GraphChart::Print(QPrinter& printer) {
  const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
  const int resolution = printer.resolution();
  printer.setPageOrientation(QPageLayout::Landscape);
  // Fonts given in points take their size from the device: at the screen's resolution they
  // print as large as the chart measured them when it laid itself out.
  printer.setResolution(plot_->logicalDpiY());
  printer.setDocName(objectName());
  plot_->ShowLegend(true);

  bool printed = false;
  QCPPainter painter;
  if (painter.begin(&printer)) {
    Render(*plot_, painter, QRectF(0, 0, printer.width(), printer.height()));
    printed = painter.end();
  }

  plot_->ShowLegend(false);
  plot_->FitTitle(plot_->width());
  plot_->replot();  // the layout for the screen again
  printer.setResolution(resolution);
  printer.setPageOrientation(orientation);
  return printed;
}

bool GraphChart::LegendShown() const {
  return plot_->legend->visible();
}

QRect GraphChart::PlotArea() const {
  return plot_->axisRect()->rect().translated(plot_->pos());
}

int GraphChart::PointCount() const {
  int points = 0;
  for (int i = 0; i < plot_->graphCount(); ++i) points += plot_->graph(i)->dataCount();
  return points;
}

}  // namespace vertal::graphs
