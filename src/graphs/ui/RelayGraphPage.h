#pragma once
// The page "Координатная защита": for each frame of the window, a short bar at the height of
// each coordinate limit that was set (green) or triggered (red). Clicking a bar does nothing.

#include "graphs/ui/GraphPage.h"

class QLabel;

namespace vertal::graphs {

class RelayGraphPage : public GraphPage {
  Q_OBJECT

 public:
  RelayGraphPage(GraphLinks links, QWidget* sheet);

  void ScrollBarGKZChange();

 private:
  GraphChart* Chart_Rele = nullptr;
  QScrollBar* ScrollBarGKZ = nullptr;
  QFrame* Panel16 = nullptr;
  QLabel* Label1 = nullptr;
};

}  // namespace vertal::graphs
