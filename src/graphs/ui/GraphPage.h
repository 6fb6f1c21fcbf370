#pragma once
// One graph page: the chart filling the page, the overview strip of the whole recording under
// it, the scroll bar with the navigation controls beside it, and the key panel at the bottom.
// The page owns the graph's model: the scroll bar's position picks the window of 2,048 frames
// that the model reads, and the chart only draws what the model holds. Every way of moving the
// window (the strip, the step buttons, the typed frame or moment, the mouse wheel) sets the
// scroll bar, whose change runs the window fill. The parameter and relay pages are two set-ups
// of this page.

#include <QWidget>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "graphs/core/GraphModel.h"
#include "graphs/core/Overview.h"
#include "graphs/ui/SeriesStyle.h"

class QFrame;
class QLabel;
class QScrollBar;
class QWheelEvent;

namespace vertal::graphs {
class GraphChart;
class GraphNavigation;
class OverviewStrip;
class SeriesGraph;
}  // namespace vertal::graphs

namespace vertal::graphs {

// What a graph page takes from the main window.
struct GraphLinks {
  // The path of the current file (the open document); empty while no file is current.
  std::function<DumpSource()> currentFile;
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
  OverviewStrip* Strip() const { return overview_; }
  GraphNavigation* Navigation() const { return navigation_; }
  const GraphModel& Model() const { return model_; }
  // The chart's series of a name ("Series2"); null for an unknown name.
  SeriesGraph* Series(std::string_view name) const;

  // The window fill from the scroll bar's position: nothing while no file is current, one
  // message when the file cannot be opened (the window then stays empty).
  void Fill();
  // The graph as opening the file left it, with the overview of the whole recording; the scroll
  // bar is put at the window shown without a second fill.
  void Open(GraphModel opened, graphs::Overview overview = {});
  // Every point removed, position 0, the bottom axis 0 .. 1; the titles stay.
  void Reset();

 protected:
  Host& host() const { return *links_.host; }
  // Called before every redraw: visibility and value axis from the page's own state.
  virtual void Restyle() {}
  // The model's points of the visible series that the left axis scales to.
  std::vector<const SeriesPoints*> ShownPoints() const;
  // Redraws the chart now, and describes it anew for assistive tools.
  void Replot();

 private:
  void Draw();
  void DrawLimit();
  // The chart's accessible description: title, frames and the visible series' values.
  void Describe();
  void BuildNavigation();
  // The navigation commands: each sets the scroll bar, which clamps the position.
  void MoveTo(std::int64_t position);
  void StepWindow(int direction);
  void GoToFrame(const QString& text);
  void GoToMoment(const QString& text);
  void Wheel(QWheelEvent* event);

  GraphLinks links_;
  GraphModel model_;
  GraphChart* chart_ = nullptr;
  QScrollBar* scrollBar_ = nullptr;
  QFrame* keyPanel_ = nullptr;
  OverviewStrip* overview_ = nullptr;
  QLabel* legend_ = nullptr;
  GraphNavigation* navigation_ = nullptr;
  SeriesGraph* limit_ = nullptr;
  std::vector<SeriesGraph*> window_;  // in the order of the model's series
  std::vector<bool> turn_;            // which of them stand on the axis of a full turn
  std::vector<bool> described_;       // which of them a description names (those in the legend)
  int wheelAngle_ = 0;                // wheel turn not yet made into steps
};

}  // namespace vertal::graphs
