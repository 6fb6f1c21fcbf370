// The overview strip under the graphs: its columns computed when the file opens (against
// reading the whole frame area and summing it), its full redraw, and a move of the window from
// the strip with the graph refilled and both redrawn (against reading one window's 64 KiB).
// Run under QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/PeriodScan.h"
#include "graphs/core/GraphWindow.h"
#include "graphs/core/Overview.h"
#include "graphs/ui/OverviewStrip.h"
#include "graphs/ui/ParamGraphPage.h"

namespace vertal::bench {
namespace {

constexpr QSize kSheetSize(800, 600);
// Two places of the strip, clicked in turn: two windows far apart.
constexpr double kFirstPlace = 0.3;
constexpr double kSecondPlace = 0.7;

Timing FrameAreaFloor() {
  return ReadAndCheckMs(DemoDump(), dump::kFrames.Offset(0), dump::kFrameCount * dump::kFrameSize);
}

Timing WindowFloor() {
  return ReadAndCheckMs(DemoDump(), dump::kFrames.Offset(0),
                      graphs::kWindowFrames * dump::kFrameSize);
}

graphs::Overview DemoOverview() {
  static const frames::PeriodScanResult scan = *frames::ScanRecordingPeriod(DemoDump());
  return graphs::OpenOverview(DemoDump(),
                              {&scan.overloads, &scan.tuning, &scan.mzon, &scan.switchOns});
}

void BM_OverviewAtOpening(benchmark::State& state) {
  FloorReport report(state, FrameAreaFloor());
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(graphs::ReadOverview(DemoDump()));
    report.Stop();
  }
}
BENCHMARK(BM_OverviewAtOpening)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(50));

// The strip drawn anew from its columns, as after opening a file or a change of size.
void BM_OverviewRedraw(benchmark::State& state) {
  graphs::OverviewStrip strip(graphs::GraphKind::Param, nullptr);
  strip.resize(kSheetSize.width(), strip.height());
  strip.show();
  const graphs::Overview overview = DemoOverview();
  QCoreApplication::processEvents();
  FloorReport report(state, WindowFloor());
  for (auto _ : state) {
    report.Start();
    strip.SetOverview(overview);
    strip.repaint();
    report.Stop();
  }
}
BENCHMARK(BM_OverviewRedraw)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(100));

// A click in the strip: the scroll bar moves, the window is read and replotted, and the chart
// and the strip are painted.
void BM_OverviewMoveWindow(benchmark::State& state) {
  BenchHost host;
  QWidget sheet;
  sheet.resize(kSheetSize);
  graphs::ParamGraphPage page({[] { return DemoDump(); }, &host}, &sheet);
  graphs::GraphModel opened(graphs::GraphKind::Param);
  opened.Open(DemoDump(), {"КС-55713", "1187", "0412"}, {}, host);
  page.Open(std::move(opened), DemoOverview());
  sheet.show();
  QCoreApplication::processEvents();
  graphs::OverviewStrip* strip = page.Strip();
  bool second = false;
  FloorReport report(state, WindowFloor());
  for (auto _ : state) {
    const QPointF at(strip->width() * (second ? kSecondPlace : kFirstPlace), strip->height() / 2.0);
    second = !second;
    QMouseEvent press(QEvent::MouseButtonPress, at, strip->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    report.Start();
    QCoreApplication::sendEvent(strip, &press);
    QCoreApplication::processEvents();  // the queued repaints of the chart and the strip
    report.Stop();
  }
  state.counters["position"] = page.ScrollBar()->value();
}
BENCHMARK(BM_OverviewMoveWindow)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(100));

}  // namespace
}  // namespace vertal::bench
