// Opening a dump in the main window as the user does it, every page filled (service page, load
// spectrum, the three tables, the period scan, both graphs) and the window painted, and a page
// turn of each paged table with the grid painted, each against reading the same bytes and
// checking them. The window repaints through the program's own host while the scan runs. Run
// under QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <memory>

#include "BenchSupport.h"
#include "app/ui/MainWindow.h"
#include "app/ui/QtHost.h"
#include "dump/core/DumpLayout.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameTable.h"
#include "link/core/UnitPort.h"
#include "common/ui/UiText.h"

namespace vertal::bench {
namespace {

// The program's host for repainting; a message box is counted instead of shown.
class WindowHost final : public Host {
 public:
  void Attach(app::MainWindow& form) {
    real_.SetWindow(&form);
    real_.SetRepainted(form.PassIndicators());
  }
  void ShowMessage(const Message&) override { ++shown; }
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup&) override { return {}; }
  void RepaintNow() override {
    ++repaints;
    real_.RepaintNow();
  }
  int shown = 0;
  int repaints = 0;

 private:
  app::QtHost real_;
};

// A main window at its design size, shown and painted once.
struct ShownWindow {
  ShownWindow() : form(std::make_unique<app::MainWindow>(host, port)) {
    host.Attach(*form);
    form->show();
    QApplication::processEvents();
  }
  void Open(const std::string& path) const {
    form->OpenFile(path);
    QApplication::processEvents();  // the pages the open filled are painted
  }
  WindowHost host;
  link::NoUnitPort port;
  std::unique_ptr<app::MainWindow> form;
};

// Counts the paints of a widget, to show that a figure includes them.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

Timing WholeDumpFloor(const std::string& path) {
  return ReadAndCheckMs(path, 0, dump::kDumpFileSize);
}

void CheckQuiet(benchmark::State& state, const WindowHost& host, int iterations) {
  if (host.shown > 0) state.SkipWithError("opening showed a message");
  state.counters["repaints"] = static_cast<double>(host.repaints) / iterations;
}

// The worst case a user meets again and again: opening a file once more in the same window,
// its memory warm.
void ReopenInWindow(benchmark::State& state, const std::string& path) {
  ShownWindow window;
  window.Open(path);
  window.host.repaints = 0;
  int iterations = 0;
  {
    FloorReport report(state, WholeDumpFloor(path));
    for (auto _ : state) {
      report.Start();
      window.Open(path);
      report.Stop();
      ++iterations;
    }
  }
  CheckQuiet(state, window.host, iterations);
}

// The first open of a program run: a new window, no page ever filled.
void FirstOpenInNewWindow(benchmark::State& state, const std::string& path) {
  int shown = 0;
  int repaints = 0;
  int iterations = 0;
  {
    FloorReport report(state, WholeDumpFloor(path));
    for (auto _ : state) {
      state.PauseTiming();
      auto window = std::make_unique<ShownWindow>();
      state.ResumeTiming();
      report.Start();
      window->Open(path);
      report.Stop();
      state.PauseTiming();
      shown += window->host.shown;
      repaints += window->host.repaints;
      window.reset();
      QApplication::processEvents();
      state.ResumeTiming();
      ++iterations;
    }
  }
  if (shown > 0) state.SkipWithError("opening showed a message");
  state.counters["repaints"] = static_cast<double>(repaints) / iterations;
}

void BM_ReopenDemoInWindow(benchmark::State& state) { ReopenInWindow(state, DemoDump()); }
BENCHMARK(BM_ReopenDemoInWindow)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(30));

void BM_FirstOpenDemoInNewWindow(benchmark::State& state) {
  FirstOpenInNewWindow(state, DemoDump());
}
BENCHMARK(BM_FirstOpenDemoInNewWindow)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(15));

void BM_ReopenManyEpisodesInWindow(benchmark::State& state) {
  ReopenInWindow(state, ManyEpisodesDump());
}
BENCHMARK(BM_ReopenManyEpisodesInWindow)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

// Brings the tab page that holds `control` to the front, with every tab page above it.
void ShowPageOf(QWidget* control) {
  for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
    auto* tabs = qobject_cast<QTabWidget*>(w);
    if (!tabs) continue;
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
  }
  QApplication::processEvents();
}


// One move of the scroll bar per iteration, the new page read, shown and painted on screen.
void PageTurn(benchmark::State& state, const records::TableLayout& table, const char* scrollBar) {
  ShownWindow window;
  window.Open(DemoDump());
  auto* grid = window.form->findChild<QTableWidget*>(ui::ControlName(table.grid));
  auto* bar = window.form->findChild<QScrollBar*>(QString::fromLatin1(scrollBar));
  if (!grid || !bar) {
    state.SkipWithError("the window has no such table");
    return;
  }
  ShowPageOf(grid);
  PaintCounter painted(grid->viewport());
  const int first = bar->maximum() / 3;
  // A prime step lands on pages with other texts each time.
  constexpr int kStep = 7919;
  int position = first;
  int iterations = 0;
  {
    FloorReport report(
        state,
        ReadAndCheckMs(DemoDump(), table.family.Offset(first), table.columns * table.family.size));
    for (auto _ : state) {
      position = (position + kStep) % (bar->maximum() + 1);
      report.Start();
      bar->setValue(position);
      QApplication::processEvents();
      report.Stop();
      ++iterations;
    }
  }
  state.counters["paints"] = static_cast<double>(painted.paints) / iterations;
}

void BM_FrameTablePageTurnPainted(benchmark::State& state) {
  PageTurn(state, frames::FrameTableLayout(), "ScrollBar_Cikl");
}
BENCHMARK(BM_FrameTablePageTurnPainted)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(500));

void BM_OverloadTablePageTurnPainted(benchmark::State& state) {
  PageTurn(state, events::OverloadTableLayout(), "ScrollBar_Per");
}
BENCHMARK(BM_OverloadTablePageTurnPainted)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(500));

void BM_KdsTablePageTurnPainted(benchmark::State& state) {
  PageTurn(state, events::KdsTableLayout(), "ScrollBar_KDS");
}
BENCHMARK(BM_KdsTablePageTurnPainted)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(500));

}  // namespace
}  // namespace vertal::bench
