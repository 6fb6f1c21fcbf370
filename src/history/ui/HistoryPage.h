#pragma once
// The page "История крана": the open file's crane over its readings in a chosen folder, as the
// command "История крана…" computed it: the crane, the chart of its characteristic number with
// the normative and forecast lines and the bars per period, the design life used and the
// forecast, the findings, and the table of the readings. Choosing a reading (Enter or a double
// click) opens its file; "Печать…" shows the crane's pages of the fleet report.
//
// Design names (Qt object names) of the members:
//   Page_History           the page               Label_HistoryCrane     crane_
//   Chart_History          chart_                 Label_HistoryForecast  forecast_
//   Label_HistoryFindings  findings_              Grid_History           grid_
//   Button_HistoryPrint    printButton_

#include <QWidget>
#include <functional>
#include <string>

#include "common/ui/PageWindow.h"
#include "history/core/CraneHistoryPage.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace vertal::graphs {
class DatedChartView;
}  // namespace vertal::graphs

namespace vertal::history {

class HistoryPage : public QWidget {
  Q_OBJECT

 public:
  HistoryPage(QWidget* sheet, ui::PageWindow& window);

  // Opens a reading's file as the Open command does.
  std::function<void(const std::string& file)> openReading;
  // Prints a crane's history through the print preview; without it the page prints nothing.
  std::function<void(const CraneHistory& crane)> printHistory;

  void Show(HistoryPageModel model);
  // No history: the hint and nothing else.
  void Empty();

  // --- Handlers ---
  void OnReadingChosen(int row);
  void OnPrint();

 private:
  ui::PageWindow& window_;
  std::optional<HistoryPageModel> model_;
  QLabel* crane_ = nullptr;
  graphs::DatedChartView* chart_ = nullptr;
  QLabel* forecast_ = nullptr;
  QLabel* findings_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPushButton* printButton_ = nullptr;
};

}  // namespace vertal::history
