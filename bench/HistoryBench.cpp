// The history of a fleet's cranes over five readings each, written by the demo crane working
// on between readings, on two threads, against reading and checking the same bytes on one
// thread. Each run is a child process, so that its peak memory is its own: it must not grow
// with the number of readings.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "history/core/CraneHistory.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::bench {
namespace {

constexpr int kReadingsPerCrane = 5;
constexpr int kDaysBetweenReadings = 30;
constexpr int kCranes = 200;
// A smoke run writes only enough readings for its one run of each size.
constexpr int kSmokeCranes = 2;
constexpr double kMsPerSecond = 1000;

int CraneCount() {
  return SmokeRun() ? kSmokeCranes : kCranes;
}

// The readings, written once per run, crane after crane: crane i with seed i, each reading
// kDaysBetweenReadings days of work after the one before.
const std::vector<std::string>& Readings() {
  static const testing::TempDir folder;
  static const std::vector<std::string> files = [] {
    std::vector<std::string> written;
    for (int i = 0; i < CraneCount(); ++i)
      for (int k = 0; k < kReadingsPerCrane; ++k) {
        testing::DumpBuilder builder;
        demo::BuildDemo(builder, {.seed = static_cast<std::uint32_t>(i + 1),
                                  .crane = i,
                                  .laterDays = k * kDaysBetweenReadings});
        written.push_back(
            folder.File("crane" + std::to_string(1000 + i) + "-" + std::to_string(k) + ".bin"));
        builder.Write(written.back());
      }
    return written;
  }();
  return files;
}

ChildCost RunChild(const std::vector<std::string>& files, unsigned jobs, std::size_t cranes) {
  return RunInChild([&] {
    const history::FleetHistory h = history::ReadHistory({files, jobs, "."});
    return h.failed.empty() && h.cranes.size() == cranes;
  });
}

void BM_History(benchmark::State& state) {
  const int cranes = std::min(static_cast<int>(state.range(0)), CraneCount());
  const auto jobs = static_cast<unsigned>(state.range(1));
  const auto readings = static_cast<std::size_t>(cranes * kReadingsPerCrane);
  const std::vector<std::string> files(Readings().begin(),
                                       Readings().begin() + static_cast<std::ptrdiff_t>(readings));
  // The floor: every reading read and checked, one after another.
  const Timing perDump = ReadAndCheckMs(files.front(), 0, dump::kDumpFileSize);
  const double n = static_cast<double>(readings);
  FloorReport report(state, {perDump.medianMs * n, perDump.spreadMs * n});
  RunChild(files, jobs, static_cast<std::size_t>(cranes));  // every file in the cache
  double peak = 0;
  std::vector<double> times, cpu;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    report.Start();
    const ChildCost cost = RunChild(files, jobs, static_cast<std::size_t>(cranes));
    report.Stop();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
    if (cost.peakMiB < 0) {
      state.SkipWithError("the history run failed");
      return;
    }
    peak = std::max(peak, cost.peakMiB);
    cpu.push_back(cost.cpuMs);
  }
  state.counters["readings"] = n;
  state.counters["readings_per_s"] = n * kMsPerSecond / Summarise(times).medianMs;
  // Independent of other work on a shared machine: the processor time per reading.
  state.counters["cpu_ms_per_reading"] = Summarise(cpu).medianMs / n;
  state.counters["peak_rss_MiB"] = peak;
}
BENCHMARK(BM_History)
    ->ArgNames({"cranes", "jobs"})
    ->Args({kCranes / kReadingsPerCrane, 2})
    ->Args({kCranes, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(IterationCount(3));

}  // namespace
}  // namespace vertal::bench
