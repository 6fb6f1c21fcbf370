// One scroll step of each graph page as the user sees it: the window of 2,048 frames read from
// the file, every series rebuilt, the chart replotted and painted. Each figure is against
// reading the same 64 KiB and checking them. Run under QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QScrollBar>
#include <QWidget>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "graphs/core/GraphWindow.h"
#include "graphs/ui/GraphChart.h"
#include "graphs/ui/ParamGraphPage.h"
#include "graphs/ui/RelayGraphPage.h"

namespace vertal::bench {
namespace {

// The graph page's size inside the main window at its design size.
constexpr QSize kSheetSize(800, 540);
// A window of the demo where every parameter and two of the limits have points.
constexpr int kFirstPosition = 150'000;

// The demo's bytes as the window holds them once it has opened the file.
graphs::GraphLinks Links(BenchHost& host) {
  static const DumpSource demo = [] {
    auto held = HeldDump::Open(DemoDump(), dump::kDumpFileSize);
    held->Complete();
    return DumpSource(DemoDump(), std::move(held));
  }();
  return {[] { return demo; }, &host};
}

Timing WindowFloor() {
  return ReadAndCheckMs(DemoDump(), dump::kFrames.Offset(kFirstPosition),
                      graphs::kWindowFrames * dump::kFrameSize);
}

// Steps the page's scroll bar by one frame per iteration.
template <typename Page>
void ScrollStep(benchmark::State& state) {
  BenchHost host;
  QWidget sheet;
  sheet.resize(kSheetSize);
  Page page(Links(host), &sheet);
  // Opened as the window opens it, so that the titles name the crane.
  graphs::GraphModel opened(page.Model().Kind());
  opened.Open(DemoDump(), {"КС-55713", "1187", "0412"}, {}, host);
  page.Open(std::move(opened));
  sheet.show();
  QScrollBar* bar = page.ScrollBar();
  bar->setValue(kFirstPosition);
  QCoreApplication::processEvents();
  FloorReport report(state, WindowFloor());
  for (auto _ : state) {
    report.Start();
    bar->setValue(bar->value() + 1);
    QCoreApplication::processEvents();  // the queued repaint of the widget
    report.Stop();
  }
  state.counters["points"] = page.Chart()->PointCount();
}

void BM_ParamGraphScrollStep(benchmark::State& state) {
  ScrollStep<graphs::ParamGraphPage>(state);
}
BENCHMARK(BM_ParamGraphScrollStep)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(200));

void BM_RelayGraphScrollStep(benchmark::State& state) {
  ScrollStep<graphs::RelayGraphPage>(state);
}
BENCHMARK(BM_RelayGraphScrollStep)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(200));

}  // namespace
}  // namespace vertal::bench

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
