// The result lists at their longest: a dump whose every frame is a switch-on and whose overload
// and tuning lists are full, opened in a new main window (the window is built inside the timed
// region, as on the first open after start-up), and `vertal-cli scan` over it, each with the peak
// memory. The 135,168-episode dump opened in a new window beside them. The peak memory of the
// window figures is that of the whole process, so run one of them alone for a clean figure:
// QT_QPA_PLATFORM=offscreen build/bench/vertal-bench-ui --benchmark_filter=BM_FirstOpenAllLists

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>

#include "BenchSupport.h"
#include "app/ui/MainWindow.h"
#include "dump/core/DumpLayout.h"
#include "link/core/UnitPort.h"
#include "support/CliPath.h"
#include "support/FakeHost.h"

namespace vertal::bench {
namespace {

constexpr double kKiBPerMiB = 1024;

void FirstOpenInNewWindow(benchmark::State& state, const std::string& path) {
  FloorReport report(state, ReadAndCheckMs(path, 0, dump::kDumpFileSize));
  bool quiet = true;
  for (auto _ : state) {
    report.Start();
    {
      testing::FakeHost host;
      link::NoUnitPort port;
      app::MainWindow form(host, port);
      form.show();
      form.OpenFile(path);
      QApplication::processEvents();
      report.Stop();
      quiet = quiet && host.messages.empty();
    }
    QApplication::processEvents();
  }
  state.counters["peak_rss_MiB"] = PeakRssMiB();
  if (!quiet) state.SkipWithError("opening showed a message");
}

void BM_FirstOpenAllLists(benchmark::State& state) { FirstOpenInNewWindow(state, AllListsDump()); }
BENCHMARK(BM_FirstOpenAllLists)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

void BM_FirstOpenManyEpisodes(benchmark::State& state) {
  FirstOpenInNewWindow(state, ManyEpisodesDump());
}
BENCHMARK(BM_FirstOpenManyEpisodes)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

// Runs `vertal-cli scan FILE` with its output thrown away; the child's peak memory in MiB, or
// nothing when it did not run or failed.
std::optional<double> RunCliScan(const std::string& file) {
  const std::string cli = testing::CliPath();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execl(cli.c_str(), cli.c_str(), "scan", file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return static_cast<double>(usage.ru_maxrss) / kKiBPerMiB;
}

void BM_CliScanAllLists(benchmark::State& state) {
  const std::string& path = AllListsDump();
  FloorReport report(state, ReadAndCheckMs(path, 0, dump::kDumpFileSize));
  double peak = 0;
  for (auto _ : state) {
    report.Start();
    const std::optional<double> childPeak = RunCliScan(path);
    report.Stop();
    if (!childPeak) {
      state.SkipWithError("vertal-cli scan failed");
      return;
    }
    peak = std::max(peak, *childPeak);
  }
  state.counters["peak_rss_MiB"] = peak;
}
BENCHMARK(BM_CliScanAllLists)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

}  // namespace
}  // namespace vertal::bench
