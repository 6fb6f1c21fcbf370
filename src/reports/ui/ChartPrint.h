#pragma once
// Printing a graph as it stands on screen: one landscape page with the legend shown, the
// chart laid out larger than the page so that its text and lines print finer. The printer's
// orientation is given back afterwards and the legend is hidden again.

#include <functional>
#include <string>
#include <variant>

class QCustomPlot;
class QPrinter;
class QWidget;

namespace vertal::reports {

// Prints `chart` on one page of `printer`, which is opened and finished here; the print job
// bears the chart's object name. False when the printer could not be opened.
bool PrintChart(QCustomPlot& chart, QPrinter& printer);

// Lets the user set up `printer` before printing; false when they cancelled.
using PrinterChoice = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The standard print dialog over `parent`.
bool ShowPrintDialog(QPrinter& printer, QWidget* parent);

// Asks with `choose` and prints on the chosen printer; nothing is printed when the user
// cancelled. True when the chart was printed.
bool PrintChartWithDialog(QCustomPlot& chart, QWidget* parent, QPrinter& printer,
                          const PrinterChoice& choose = ShowPrintDialog);

// Writes `chart` as a one-page A4 PDF file: the page count, or why the file was not written.
std::variant<int, std::string> WriteChartPdf(QCustomPlot& chart, const std::string& path);

}  // namespace vertal::reports
