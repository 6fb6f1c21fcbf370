#include "app/ui/PrintCommands.h"

#include <QPrinter>
#include <QWidget>

#include "app/ui/PageTree.h"
#include "events/ui/KdsPage.h"
#include "events/ui/OverloadPage.h"
#include "graphs/ui/GraphChart.h"
#include "graphs/ui/GraphPages.h"
#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"
#include "reports/ui/ChartPrint.h"
#include "reports/ui/FrameRangeDialog.h"
#include "reports/ui/ReportPreview.h"

namespace vertal::app {

PrintCommands::PrintCommands(QWidget* window, const TableCommandInputs& inputs, PageTree& pages)
    : QObject(window),
      window_(window),
      inputs_(inputs),
      pages_(pages),
      preview_(std::make_unique<reports::PreviewViewer>(window, inputs.Window().host())),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  viewer = preview_.get();
  askFrameRange = [this] { return reports::AskFrameRange(window_, inputs_.Window().host()); };
  printChart = [this](graphs::GraphChart& chart) {
    reports::PrintChartWithDialog(chart, window_, *printer_);
  };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::OnPrintCard() {
  if (!inputs_.HasFile()) return;
  requests_.card = true;
  PrintRequested();
}

void PrintCommands::OnPrintFrames() {
  if (!inputs_.HasFile()) return;
  requests_.operative = true;
  const std::optional<reports::FrameRange> range = askFrameRange();
  if (!range) {
    requests_.operative = false;
    return;
  }
  range_ = *range;
  PrintRequested();
}

void PrintCommands::OnPrintOverloads() {
  if (!inputs_.HasFile()) return;
  requests_.overloads = true;
  PrintRequested();
}

void PrintCommands::OnPrintKds() {
  if (!inputs_.HasFile()) return;
  requests_.kds = true;
  PrintRequested();
}

void PrintCommands::OnPrintParamGraph() {
  if (!inputs_.HasFile()) return;
  printChart(*pages_.Graphs().Param()->Chart());
}

void PrintCommands::OnPrintRelayGraph() {
  if (!inputs_.HasFile()) return;
  printChart(*pages_.Graphs().Relay()->Chart());
}

void PrintCommands::PrintRequested() {
  // A table whose records could not be found is not printed: its search said why.
  std::optional<TableInputs> inputs = inputs_.Gather(NeedsOf(requests_), range_);
  if (!inputs) {
    requests_ = {};
    return;
  }
  reports::RunReportSequence(requests_,
                             ReportInputsOf(std::move(*inputs), inputs_.Window().DecimalSeparator()),
                             *viewer, inputs_.Window().host());
}

}  // namespace vertal::app
