#pragma once
// The plot inside a graph page's chart (GraphChart), for the graph library's own sources, so
// that the plotting library's header stays inside the library.
//
// The plot of a graph page: a title line over a plot with a frame-number bottom axis, the
// series in the order they are drawn, and a legend below that stays hidden on screen (it is
// shown only while the chart is printed). Each series draws its points and line in its point
// colour; its legend icon may carry a different series colour. The mouse cursor becomes a
// crosshair over the points of the series that ask for it.

#include <QColor>
#include <QString>
#include <vector>

#include <qcustomplot.h>

#include "graphs/ui/SeriesStyle.h"

namespace vertal::graphs {

// A series whose legend icon is drawn in its series colour rather than its point colour.
class SeriesGraph : public QCPGraph {
 public:
  SeriesGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const SeriesStyle& style);
  bool Crosshair() const { return crosshair_; }

 protected:
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

 private:
  QColor legendColour_;
  bool crosshair_;
};

class ChartPlot : public QCustomPlot {
  Q_OBJECT

 public:
  ChartPlot(const QString& title, QWidget* parent);

  // Adds a series; series are drawn in the order they are added.
  SeriesGraph* AddSeries(const SeriesStyle& style);
  const std::vector<SeriesGraph*>& Series() const { return series_; }

  // The title as one line, whatever breaks it shows with.
  QString Title() const;
  void SetTitle(const QString& title);
  // Breaks the title between words into as many lines as a chart this wide needs.
  void FitTitle(int chartWidth);
  QCPTextElement* TitleElement() const { return titleElement_; }

  // The legend row below the plot, for printing.
  void ShowLegend(bool shown);

  // Replots now while the plot is on screen, else when it is next shown: a hidden page's chart
  // is not drawn for each file opened or frame moved to.
  void ReplotWhenSeen();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Margins of a fixed share of the chart's size on every side.
  void FitMargins(QSize size);

  QString title_;  // whole, on one line
  QCPTextElement* titleElement_ = nullptr;
  std::vector<SeriesGraph*> series_;
  bool replotWaiting_ = false;
};

}  // namespace vertal::graphs
