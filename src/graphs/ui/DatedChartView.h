#pragma once
// A chart over dates in a window page, on the scales its description gives (the printed
// report draws the same description): the lines over the dates and below them, on the same
// dates, the bars of each period, each quantity scaled to its highest bar with its value over
// it; a legend under the chart.

#include <QWidget>

#include "graphs/core/DatedChart.h"

class QCPAxisRect;
class QCPBarsGroup;
class QCustomPlot;

namespace vertal::graphs {

class DatedChartView : public QWidget {
  Q_OBJECT

 public:
  DatedChartView(const char* name, const QString& accessibleName, QWidget* parent);

  void Show(const DatedChart& chart);
  // No readings: empty axes.
  void Empty();

  // The plot, for tests and pictures.
  QCustomPlot* Plot() const { return plot_; }

 private:
  void AddLines(const DatedChart& chart);
  void AddBars(const DatedChart& chart);

  QCustomPlot* plot_ = nullptr;
  QCPAxisRect* lines_ = nullptr;  // the lines over the dates
  QCPAxisRect* bars_ = nullptr;   // the bars of the periods below them
  QCPBarsGroup* barGroup_ = nullptr;  // the bars of one period side by side
};

}  // namespace vertal::graphs
