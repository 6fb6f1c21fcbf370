#pragma once
// The page "Координатная защита": for each frame of the window, a short bar at the height of
// each coordinate limit that was set (green) or triggered (red). Clicking a bar does nothing.
//
// Design names (Qt object names): Chart_Rele, ScrollBarGKZ and Panel16 are the base page's
// Chart(), ScrollBar() and KeyPanel(); Label1 limitKey_ (the numbers of the limits).

#include "graphs/ui/GraphPage.h"

class QLabel;

namespace vertal::graphs {

class RelayGraphPage : public GraphPage {
  Q_OBJECT

 public:
  RelayGraphPage(GraphLinks links, QWidget* sheet);

  void OnScrolled();

 private:
  QLabel* limitKey_ = nullptr;
};

}  // namespace vertal::graphs
