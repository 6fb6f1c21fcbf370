#pragma once
// A crane's history chart (see reports::HistoryChart) in a window page, on the scales the
// printed report uses: the lines of the characteristic number, the normative number and the
// forecast over the readout dates, and below them, on the same dates, the bars of each period,
// each quantity scaled to its highest bar with its value over it; a legend under the chart.

#include <QWidget>

#include "reports/core/HistoryChart.h"

class QCPAxisRect;
class QCPBarsGroup;
class QCustomPlot;

namespace vertal::graphs {

class HistoryChartView : public QWidget {
  Q_OBJECT

 public:
  HistoryChartView(const char* name, const QString& accessibleName, QWidget* parent);

  void Show(const reports::HistoryChart& chart);
  // No readings: empty axes.
  void Empty();

  // The plot, for tests and pictures.
  QCustomPlot* Plot() const { return plot_; }

 private:
  void AddLines(const reports::HistoryChart& chart);
  void AddBars(const reports::HistoryChart& chart);

  QCustomPlot* plot_ = nullptr;
  QCPAxisRect* lines_ = nullptr;  // the lines over the dates
  QCPAxisRect* bars_ = nullptr;   // the bars of the periods below them
  QCPBarsGroup* barGroup_ = nullptr;  // the bars of one period side by side
};

}  // namespace vertal::graphs
