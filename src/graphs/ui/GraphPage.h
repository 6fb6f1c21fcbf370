#pragma once
// One graph page: the chart filling the page, the scroll bar under it and the key panel at the
// bottom. The page owns the graph's model: the scroll bar's position picks the window of 2,048
// frames that the model reads, and the chart only draws what the model holds. The parameter
// and relay pages are two set-ups of this page.

#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "common/core/Host.h"
#include "graphs/core/GraphModel.h"
#include "graphs/ui/SeriesStyle.h"

class QFrame;
class QScrollBar;

namespace vertal::graphs {
class GraphChart;
class SeriesGraph;
}  // namespace vertal::graphs

namespace vertal::graphs {

// What a graph page takes from the main window.
struct GraphLinks {
  // The path in status panel 0; empty while no file is current.
  std::function<std::string()> currentFile;
  Host* host = nullptr;
};

struct GraphPageSetup {
  GraphKind kind = GraphKind::Param;
  const char* chart = nullptr;
  const char* scrollBar = nullptr;
  const char* keyPanel = nullptr;
  int keyPanelHeight = 0;
  std::span<const SeriesStyle> series;  // in drawing order, by the model's series names
  const SeriesStyle* limit = nullptr;   // drawn first; the parameter graph's 110 % line
};

class GraphPage : public QWidget {
  Q_OBJECT

 public:
  // Builds the page inside `sheet`, which it fills.
  GraphPage(const GraphPageSetup& setup, GraphLinks links, QWidget* sheet);

  GraphChart* Chart() const { return chart_; }
  QScrollBar* ScrollBar() const { return scrollBar_; }
  QFrame* KeyPanel() const { return keyPanel_; }
  const GraphModel& Model() const { return model_; }
  // The chart's series of a name ("Series2"); null for an unknown name.
  SeriesGraph* Series(std::string_view name) const;

  // The window fill from the scroll bar's position: nothing while no file is current, one
  // message when the file cannot be opened (the window then stays empty).
  void Fill();
  // The graph as opening the file left it; the scroll bar is put at the window shown without
  // a second fill.
  void Open(GraphModel opened);
  // Every point removed, position 0, the bottom axis 0 .. 1; the titles stay.
  void Reset();

 protected:
  Host& host() const { return *links_.host; }
  // Called before every redraw: visibility and value axis from the page's own state.
  virtual void Restyle() {}
  // The model's points of the series that are visible now.
  std::vector<const SeriesPoints*> ShownPoints() const;
  // Redraws the chart now.
  void Replot();

 private:
  void Draw();
  void DrawLimit();

  GraphLinks links_;
  GraphModel model_;
  GraphChart* chart_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QFrame* keyPanel_ = nullptr;
  SeriesGraph* limit_ = nullptr;
  std::vector<SeriesGraph*> window_;  // in the order of the model's series
};

}  // namespace vertal::graphs
