#include "app/ui/PrintCommands.h"

#include <QPrinter>
#include <QWidget>

#include "app/ui/PageTree.h"
#include "app/ui/SearchedRecords.h"
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

namespace {

constexpr std::int8_t kKdsVersion = 31;

}  // namespace

PrintCommands::PrintCommands(QWidget* window, ui::PageWindow& pageWindow, PageTree& pages,
                             std::function<std::int8_t()> recorderVersion)
    : QObject(window),
      window_(window),
      pageWindow_(pageWindow),
      pages_(pages),
      recorderVersion_(std::move(recorderVersion)),
      preview_(std::make_unique<reports::PreviewViewer>(window, pageWindow.host())),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  viewer = preview_.get();
  askFrameRange = [this] { return reports::AskFrameRange(window_, pageWindow_.host()); };
  printChart = [this](QCustomPlot& chart) {
    reports::PrintChartWithDialog(chart, window_, *printer_);
  };
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::M_IKClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  requests_.card = true;
  PrintRequested();
}

void PrintCommands::M_OperClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  requests_.operative = true;
  const std::optional<reports::FrameRange> range = askFrameRange();
  if (!range) {
    requests_.operative = false;
    return;
  }
  range_ = *range;
  PrintRequested();
}

void PrintCommands::M_PerClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  requests_.overloads = true;
  PrintRequested();
}

void PrintCommands::N_KDSPARClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  requests_.kds = true;
  PrintRequested();
}

void PrintCommands::M_GrfClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  printChart(*pages_.Graphs().Param()->Chart());
}

void PrintCommands::M_KZClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  printChart(*pages_.Graphs().Relay()->Chart());
}

void PrintCommands::PrintRequested() {
  const std::int8_t version = recorderVersion_();
  reports::ReportInputs inputs;
  // A table whose records could not be found is not printed: its search said why.
  if (requests_.overloads) {
    if (auto records = SearchedOverloads(pages_)) {
      inputs.overloadRecords = std::move(*records);
    } else {
      requests_.overloads = false;
    }
  }
  if (requests_.kds && version == kKdsVersion) {
    if (auto records = SearchedKds(pages_)) {
      inputs.kdsRecords = std::move(*records);
    } else {
      requests_.kds = false;
    }
  }

  const dump::ServicePages& shown = pages_.ShownService();
  inputs.card = {shown, version, pages_.Overloads().ShownSummary(), pages_.Kds().ShownSummary()};
  inputs.table = {pageWindow_.CurrentFile(), pageWindow_.DecimalSeparator(), shown.service};
  inputs.range = range_;
  inputs.overloadFields = pages_.Overloads().Typed();
  reports::RunReportSequence(requests_, inputs, *viewer, pageWindow_.host());
}

}  // namespace vertal::app
