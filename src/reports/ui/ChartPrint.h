#pragma once
// Printing a graph as it stands on screen, on a printer the user chooses or into a PDF file;
// the chart lays itself out for the page (GraphChart::Print).

#include <functional>
#include <string>
#include <variant>

class QPrinter;
class QWidget;

namespace vertal::graphs {
class GraphChart;
}  // namespace vertal::graphs

namespace vertal::reports {

// Lets the user set up `printer` before printing; false when they cancelled.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The standard print dialog over `parent`.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

// Asks with `choose` and prints on the chosen printer; nothing is printed when the user
// cancelled. True when the chart was printed.
bool PrintChartWithDialog(graphs::GraphChart& chart, QWidget* parent, QPrinter& printer,
                          const PrinterChoice& choose = ShowPrintDialog);

// Writes `chart` as a one-page A4 PDF file: the page count, or why the file was not written.
std::variant<int, std::string> WriteChartPdf(graphs::GraphChart& chart, const std::string& path);

}  // namespace vertal::reports
