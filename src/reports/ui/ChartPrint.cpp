#include "reports/ui/ChartPrint.h"

#include <qcustomplot.h>

#include <QMarginsF>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>

#include "graphs/ui/GraphChart.h"
#include "common/ui/UiText.h"

namespace vertal::reports {

namespace {

constexpr double kMarginShare = 0.02;  // of the page, on each of the four sides
// The chart is laid out on a canvas this much larger than the printed area and drawn scaled
// down, so its text and lines print proportionally finer than on screen.
constexpr double kLayoutScale = 1.7;
constexpr int kChartPages = 1;

// The window's charts keep a hidden legend out of their layout; other charts only hide it.
void ShowLegend(QCustomPlot& chart, bool shown) {
  if (auto* graph = qobject_cast<graphs::GraphChart*>(&chart))
    graph->ShowLegend(shown);
  else
    chart.legend->setVisible(shown);
}

void Render(QCustomPlot& chart, QCPPainter& painter, const QRectF& page) {
  const QRectF area =
      page.marginsRemoved(QMarginsF(page.width() * kMarginShare, page.height() * kMarginShare,
                                    page.width() * kMarginShare, page.height() * kMarginShare));
  painter.setMode(QCPPainter::pmVectorized);
  painter.setMode(QCPPainter::pmNoCaching);
  // Hairlines would print at the printer's thinnest dot; give them the canvas's pixel width.
  painter.setMode(QCPPainter::pmNonCosmetic);
  painter.translate(area.topLeft());
  painter.scale(1 / kLayoutScale, 1 / kLayoutScale);
  if (auto* graph = qobject_cast<graphs::GraphChart*>(&chart))
    graph->FitTitle(qRound(area.width() * kLayoutScale));
  chart.toPainter(&painter, qRound(area.width() * kLayoutScale),
                  qRound(area.height() * kLayoutScale));
}

}  // namespace

bool PrintChart(QCustomPlot& chart, QPrinter& printer) {
  const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
  const int resolution = printer.resolution();
  printer.setPageOrientation(QPageLayout::Landscape);
  // Fonts given in points take their size from the device: at the screen's resolution they
  // print as large as the chart measured them when it laid itself out.
  printer.setResolution(chart.logicalDpiY());
  printer.setDocName(chart.objectName());
  ShowLegend(chart, true);

  bool printed = false;
  QCPPainter painter;
  if (painter.begin(&printer)) {
    Render(chart, painter, QRectF(0, 0, printer.width(), printer.height()));
    printed = painter.end();
  }

  ShowLegend(chart, false);
  if (auto* graph = qobject_cast<graphs::GraphChart*>(&chart)) graph->FitTitle(chart.width());
  chart.replot();  // the layout for the screen again
  printer.setResolution(resolution);
  printer.setPageOrientation(orientation);
  return printed;
}

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool PrintChartWithDialog(QCustomPlot& chart, QWidget* parent, QPrinter& printer,
                          const PrinterChoice& choose) {
  if (!choose(printer, parent)) return false;
  return PrintChart(chart, printer);
}

std::variant<int, std::string> WriteChartPdf(QCustomPlot& chart, const std::string& path) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ui::ToQString(path));
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!PrintChart(chart, printer)) return "cannot write the PDF file " + path;
  return kChartPages;
}

}  // namespace vertal::reports
