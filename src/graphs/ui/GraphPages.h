#pragma once
// The two graph pages of "Графики" and what joins them to the rest of the window: the crane
// labels of the service page in the titles, the overload list of the period scan for the limit
// line, the jump from a point to the frame table, and the command "Показать графики" that
// moves both graphs to the frame table's position. Other pages are reached by their names.

#include <QObject>
#include <cstdint>
#include <string>

#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "graphs/core/GraphModel.h"

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
};

class GraphPages : public QObject {
  Q_OBJECT

 public:
  // Builds the parameter page in `paramSheet` and the relay page in `relaySheet`. `window` is
  // where the other pages' controls are found by name; `currentFile` reads status panel 0.
  GraphPages(QWidget* window, QWidget* paramSheet, QWidget* relaySheet, const MainPages& pages,
             std::function<std::string()> currentFile, Host& host);

  ParamGraphPage* Param() const { return param_; }
  RelayGraphPage* Relay() const { return relay_; }

  // The graph fills of the open sequence, after the period scan.
  void OpenParam(const std::string& path);
  void OpenRelay(const std::string& path);
  // The graph part of the view reset.
  void Reset();

  // "Показать графики": the graphs page in front (its sub-page kept) and both graphs at the
  // position of the frame table; a graph whose scroll bar does not move is not refilled.
  void Go_KZClick();
  // The frame table's page in front with `frame` in its first column.
  void ShowFrame(std::int64_t frame);

  // The texts of Label_MKran, Label_NKran and Label_NVERTAL.
  CraneLabels ReadCraneLabels() const;
  // The frame numbers of the overload list ComboBox_Cikl_M, as far as the limit line uses them.
  JumpList OverloadList() const;

 private:
  QScrollBar* FrameScrollBar() const;

  QWidget* window_;
  MainPages pages_;
  std::function<std::string()> currentFile_;
  ParamGraphPage* param_ = nullptr;
  RelayGraphPage* relay_ = nullptr;
};

// The frame table's scroll bar, which the graphs move and follow.
inline constexpr const char* kFrameScrollBar = "ScrollBar_Cikl";

}  // namespace vertal::graphs
