#pragma once
// The chart of a graph page: a title line over a plot with a frame-number bottom axis, the
// series in the order they are drawn, and a legend below that stays hidden on screen (it is
// shown only while the chart is printed). The plot itself (ChartPlot) is known only to the
// graph library's sources; other areas see the chart as a widget that prints itself.

#include <QString>
#include <QWidget>

#include "graphs/ui/SeriesStyle.h"

class QPrinter;

namespace vertal::graphs {

class ChartPlot;
class SeriesGraph;
struct SeriesPoints;

class GraphChart : public QWidget {
  Q_OBJECT

 public:
  GraphChart(const char* name, const QString& title, QWidget* parent = nullptr);

  // The plot that the graph pages fill and restyle.
  ChartPlot* Plot() const { return plot_; }

  // Adds a series; series are drawn in the order they are added.
  SeriesGraph* AddSeries(const SeriesStyle& style);
  // Gives `series` the points, which are in ascending X.
  static void SetPoints(SeriesGraph* series, const SeriesPoints& points);
  // The bottom axis from `first` to `last`.
  void SetFrameRange(double first, double last);
  // Redraws the plot now, or when it is next shown while it is hidden.
  void Replot();

  // The title as one line, whatever breaks it shows with.
  QString Title() const;
  void SetTitle(const QString& title);

  // Prints the chart on one landscape page of `printer`, which is opened and finished here:
  // the legend shown, the chart laid out larger than the page so that its text and lines print
  // finer; the print job bears the chart's object name. The printer's orientation and
  // resolution, the hidden legend and the screen's layout come back afterwards. False when the
  // printer could not be opened.
  bool Print(QPrinter& printer);
  bool LegendShown() const;
  // Where the axes' rectangle lies in the chart, in the chart's pixels.
  QRect PlotArea() const;
  // How many points the series hold together.
  int PointCount() const;

 private:
  ChartPlot* plot_ = nullptr;
};

}  // namespace vertal::graphs
