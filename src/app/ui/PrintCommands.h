#pragma once
// The commands of the print submenu "&Печать": the information card, the operative
// information of a range of frames, the overload and KDS tables, and the two graphs. Each
// command marks its report as requested and runs the report sequence, which shows every
// requested report in its preview until the user closes it. Nothing is printed while no file
// is current.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "common/core/Host.h"
#include "reports/core/ReportSequence.h"
#include "app/ui/TableCommandInputs.h"

class QPrinter;
class QWidget;

namespace vertal::graphs {
class GraphChart;
}  // namespace vertal::graphs

namespace vertal::app {

class PageTree;

class PrintCommands : public QObject {
  Q_OBJECT

 public:
  PrintCommands(QWidget* window, const TableCommandInputs& inputs, PageTree& pages);
  ~PrintCommands() override;

  // --- Handlers ---
  void OnPrintCard();
  void OnPrintFrames();
  void OnPrintOverloads();
  void OnPrintKds();
  void OnPrintParamGraph();
  void OnPrintRelayGraph();

  // Where reports are shown: the print preview; tests put a recording viewer here.
  reports::ReportViewer* viewer = nullptr;
  // The frame-range dialog: the accepted range, or nothing when it was cancelled.
  std::function<std::optional<reports::FrameRange>()> askFrameRange;
  // Prints a chart after the print dialog; tests print without the dialog.
  std::function<void(graphs::GraphChart& chart)> printChart;

 private:
  // The report sequence over the window as it shows now.
  void PrintRequested();

  QWidget* window_;
  TableCommandInputs inputs_;
  PageTree& pages_;
  std::unique_ptr<reports::ReportViewer> preview_;
  std::unique_ptr<QPrinter> printer_;  // PrintDialog: keeps the user's choices between prints
  reports::ReportRequests requests_;
  reports::FrameRange range_;  // the last accepted range of the frame-range dialog
};

}  // namespace vertal::app
