#pragma once
// The two graph pages of "Графики" and what joins them to the rest of the window: the jump
// from a point to the frame table, and the command "Показать графики" that moves both graphs
// to the frame table's position.

#include <QObject>
#include <cstdint>
#include <string>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "graphs/core/GraphModel.h"
#include "graphs/core/Overview.h"

class QScrollBar;
class QTabWidget;
class QWidget;

namespace vertal::graphs {

class ParamGraphPage;
class RelayGraphPage;

// The pages of the main window that the graphs switch to.
struct MainPages {
  QTabWidget* main = nullptr;          // PageControl_Main
  QWidget* graphs = nullptr;           // TabSheet_Grafik
  QWidget* frames = nullptr;           // TabSheet_Cikl
  QTabWidget* framePages = nullptr;    // PageControl_Cikl
  QWidget* frameTable = nullptr;       // TabSheet_Osn
  QScrollBar* frameScrollBar = nullptr;  // the frame table's, which the graphs move and follow
};

class GraphPages : public QObject {
  Q_OBJECT

 public:
  // Builds the parameter page in `paramSheet` and the relay page in `relaySheet`;
  // `currentFile` gives the current file as its readers take it.
  GraphPages(QObject* owner, QWidget* paramSheet, QWidget* relaySheet, const MainPages& pages,
             std::function<DumpSource()> currentFile, Host& host);

  ParamGraphPage* Param() const { return param_; }
  RelayGraphPage* Relay() const { return relay_; }

  // Both graphs as opening the file left them, each with its overview of the recording.
  void Open(GraphModel param, GraphModel relay, const Overview& overview = {});
  // The graph part of the view reset.
  void Reset();

  // "Показать графики": the graphs page in front (its sub-page kept) and both graphs at the
  // position of the frame table; a graph whose scroll bar does not move is not refilled.
  void OnShowGraphs();
  // The frame table's page in front with `frame` in its first column.
  void ShowFrame(std::int64_t frame);
  // The frame table's page in front with `frame` in its first column, and both graphs moved to
  // the same position.
  void ShowFrameInGraphsToo(std::int64_t frame);

 private:
  // Both graphs to the frame table's position.
  void FollowFrameTable();

  MainPages pages_;
  Host* host_;
  std::function<DumpSource()> currentFile_;
  ParamGraphPage* param_ = nullptr;
  RelayGraphPage* relay_ = nullptr;
};

}  // namespace vertal::graphs
