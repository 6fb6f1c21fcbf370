#include "reports/ui/ChartPrint.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "graphs/ui/GraphChart.h"
#include "common/ui/UiText.h"

namespace vertal::reports {

namespace {

constexpr int kChartPages = 1;

}  // namespace

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool PrintChartWithDialog(graphs::GraphChart& chart, QWidget* parent, QPrinter& printer,
                          const PrinterChoice& choose) {
  if (!choose(printer, parent)) return false;
  return chart.Print(printer);
}

std::variant<int, std::string> WriteChartPdf(graphs::GraphChart& chart, const std::string& path) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(ui::ToQString(path));
  printer.setPageSize(QPageSize(QPageSize::A4));
  if (!chart.Print(printer)) return "cannot write the PDF file " + path;
  return kChartPages;
}

}  // namespace vertal::reports
