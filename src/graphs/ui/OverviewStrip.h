#pragma once
// The overview strip under a graph: every frame slot of the recording at once, drawn from the
// columns computed when the file opened (the load moment's range for the parameter graph, the
// limits set and triggered as four lanes for the relay graph; gaps where no valid frame was
// recorded), with the first frames of the four episode lists as ticks in their colours, the
// ring's newest frame, and the window the graph shows as a rectangle. A click or drag asks for
// the window centred on the frame under the mouse.

#include <QPixmap>
#include <QWidget>
#include <cstdint>

#include "graphs/core/GraphModel.h"
#include "graphs/core/Overview.h"

class QLabel;

namespace vertal::graphs {

class OverviewStrip : public QWidget {
  Q_OBJECT

 public:
  OverviewStrip(GraphKind kind, QWidget* parent);

  void SetOverview(Overview overview);
  // The window shown by the graph, from frame `position`.
  void SetWindow(std::int64_t position);
  std::int64_t Window() const { return window_; }

  // The window position that a click at `x` asks for.
  std::int64_t PositionAt(int x) const;
  // The horizontal pixel where frame `frame` begins.
  int PixelOf(std::int64_t frame) const;

 signals:
  void PositionChosen(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The parts that change only with the file or the size, drawn into the picture when it is
  // next painted (a hidden strip is not drawn for each file opened).
  void Render();
  void RenderMoments(QPainter& painter, QRect area);
  void RenderLanes(QPainter& painter, QRect area);
  void RenderEpisodes(QPainter& painter);
  void Choose(int x);

  GraphKind kind_;
  Overview overview_;
  std::int64_t window_ = 0;
  QPixmap picture_;
  bool pictureStale_ = true;
};

// The key of the strip's episode ticks, one line per list in its colour.
QLabel* MakeEpisodeLegend(QWidget* parent);

}  // namespace vertal::graphs
