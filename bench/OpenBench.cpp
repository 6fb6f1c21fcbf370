// Opening a dump in the main window as the user does it, every page filled (service page, load
// spectrum, the three tables, the period scan, both graphs), and a page turn of the frame
// table, each against reading the same bytes and checking them. Run under
// QT_QPA_PLATFORM=offscreen.

#include <QApplication>
#include <QScrollBar>

#include "BenchSupport.h"
#include "app/ui/MainWindow.h"
#include "dump/core/DumpLayout.h"
#include "link/core/UnitPort.h"
#include "support/FakeHost.h"

namespace vertal::bench {
namespace {

void OpenInWindow(benchmark::State& state, const std::string& path) {
  testing::FakeHost host;
  link::NoUnitPort port;
  app::MainWindow form(host, port);
  form.show();
  QApplication::processEvents();
  FloorReport report(state, ReadAndCheckMs(path, 0, dump::kDumpFileSize));
  for (auto _ : state) {
    report.Start();
    form.SetStatusText(0, QString::fromStdString(path));
    form.OpenDumpFile();
    QApplication::processEvents();
    report.Stop();
  }
  if (!host.messages.empty()) state.SkipWithError("opening showed a message");
}

void BM_OpenDemoInWindow(benchmark::State& state) { OpenInWindow(state, DemoDump()); }
BENCHMARK(BM_OpenDemoInWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_OpenManyEpisodesInWindow(benchmark::State& state) { OpenInWindow(state, ManyEpisodesDump()); }
BENCHMARK(BM_OpenManyEpisodesInWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FrameTablePageTurnInWindow(benchmark::State& state) {
  testing::FakeHost host;
  link::NoUnitPort port;
  app::MainWindow form(host, port);
  form.show();
  form.SetStatusText(0, QString::fromStdString(DemoDump()));
  form.OpenDumpFile();
  QApplication::processEvents();
  auto* bar = form.findChild<QScrollBar*>(QStringLiteral("ScrollBar_Cikl"));
  if (!bar) {
    state.SkipWithError("the window has no frame table");
    return;
  }
  FloorReport report(state, ReadAndCheckMs(DemoDump(), dump::kFrames.Offset(1000), 5 * dump::kFrameSize));
  int position = 1000;
  for (auto _ : state) {
    report.Start();
    bar->setValue(position);
    report.Stop();
    position = (position + 7919) % 270000;
  }
}
BENCHMARK(BM_FrameTablePageTurnInWindow)->Unit(benchmark::kMicrosecond)->Iterations(500);

}  // namespace
}  // namespace vertal::bench
