// The window while it reads a unit. Against a slow simulated unit (1 ms per page, as a real
// unit is slower still) the longest gap between two ticks of a 1 ms timer on the
// user-interface thread while the readout runs, against the longest gap of the same timer in
// the idle window over the same time. And a whole readout at the simulated unit's own speed,
// from the Read command to the readout's end, against the readout alone without the window.
// Run under QT_QPA_PLATFORM=offscreen.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "BenchSupport.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ReadoutController.h"
#include "link/core/Connection.h"
#include "link/core/OperatorEntry.h"
#include "link/core/SimulatedUnit.h"
#include "link/core/WatchedPort.h"
#include "support/FakeHost.h"

namespace vertal::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::string OutPath() {
  return (std::filesystem::temp_directory_path() / "vertal-bench-window-readout.bin").string();
}

// A shown window whose unit is played from the demo dump, `pageDelay` per page.
struct ReadingWindow {
  explicit ReadingWindow(std::chrono::microseconds pageDelay)
      : unit(DemoDump()),
        port(unit, [pageDelay](std::uint16_t) {
          if (pageDelay.count() > 0) std::this_thread::sleep_for(pageDelay);
        }),
        form(std::make_unique<app::MainWindow>(host, port)) {
    form->runOperatorDialog = [](link::CraneIdentBuffer& ident, link::TrailerBuffer& trailer) {
      link::StoreOperatorFields(link::DefaultOperatorFields(), ident, trailer);
      return true;
    };
    form->show();
    QApplication::processEvents();
  }
  void StartReading() {
    host.saveAnswers.push_back(OutPath());
    std::filesystem::remove(OutPath());
    form->findChild<QAction*>(QStringLiteral("N_REC"))->trigger();
  }
  bool Running() const { return form->Reader().Running(); }

  testing::FakeHost host;
  link::SimulatedUnit unit;
  link::WatchedPort port;
  std::unique_ptr<app::MainWindow> form;
};

struct TickGap {
  double ms = 0;
  double atS = 0;  // when it ended, from the start
};

// The longest gap between two ticks of a 1 ms timer while `going` holds; at most `limit` long.
TickGap LongestTickGap(const std::function<bool()>& going, std::chrono::milliseconds limit) {
  QEventLoop loop;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  tick.setInterval(1);
  const Clock::time_point start = Clock::now();
  Clock::time_point last = start;
  bool wasGoing = going();
  TickGap longest;
  QObject::connect(&tick, &QTimer::timeout, [&] {
    const Clock::time_point now = Clock::now();
    const bool isGoing = going();
    // A gap counts while the readout ran at both its ends: not the opening after it.
    const double gap = std::chrono::duration<double, std::milli>(now - last).count();
    if (wasGoing && isGoing && gap > longest.ms)
      longest = {gap, std::chrono::duration<double>(now - start).count()};
    last = now;
    wasGoing = isGoing;
    if (!isGoing || now - start > limit) loop.quit();
  });
  tick.start();
  loop.exec();
  return longest;
}

void BM_WindowAnswersDuringSlowReadout(benchmark::State& state) {
  // A smoke run only checks that the readout goes through: no page delay, a short idle look.
  ReadingWindow window(SmokeRun() ? std::chrono::milliseconds(0) : std::chrono::milliseconds(1));
  const auto idleFor = std::chrono::milliseconds(SmokeRun() ? 20 : 2'000);
  const double idleGap = LongestTickGap([] { return true; }, idleFor).ms;
  TickGap gap;
  double seconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    window.StartReading();
    gap = LongestTickGap([&] { return window.Running(); }, std::chrono::minutes(2));
    seconds = std::chrono::duration<double>(Clock::now() - start).count();
    QEventLoop().processEvents();
  }
  state.counters["gap_ms"] = gap.ms;
  state.counters["gap_at_s"] = gap.atS;
  state.counters["floor_gap_ms"] = idleGap;
  state.counters["x_floor"] = idleGap > 0 ? gap.ms / idleGap : 0;
  state.counters["readout_s"] = seconds;
  std::filesystem::remove(OutPath());
}
BENCHMARK(BM_WindowAnswersDuringSlowReadout)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(1));

// Floor: the core readout from the same unit without the window.
Timing CoreReadoutMs() {
  return MedianMs(
      [] {
        link::SimulatedUnit unit(DemoDump());
        link::Link link(unit);
        link::ConnectUnit(link);
        BenchHost host(OutPath());
        FileDialogSetup saveDialog;
        link::FieldsOperatorDialog dialog(link::DefaultOperatorFields(), true);
        QuietReadoutView view;
        link::ReadoutBuffers buffers;
        std::filesystem::remove(OutPath());
        link::ReadRecorder(link, host, saveDialog, dialog, view, buffers);
      },
      5);
}

void BM_WholeReadoutInWindow(benchmark::State& state) {
  ReadingWindow window(std::chrono::microseconds(0));
  FloorReport report(state, CoreReadoutMs());
  for (auto _ : state) {
    report.Start();
    window.StartReading();
    QEventLoop loop;
    QObject::connect(&window.form->Reader(), &app::ReadoutController::ended, &loop, &QEventLoop::quit);
    if (window.Running()) loop.exec();
    report.Stop();
  }
  std::filesystem::remove(OutPath());
}
BENCHMARK(BM_WholeReadoutInWindow)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

}  // namespace
}  // namespace vertal::bench
