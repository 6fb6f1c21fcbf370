// A fleet run without cards over generated dumps of different cranes, on one and on two
// threads, against reading and checking the same bytes on one thread. Each run is a child
// process, so that its peak memory is its own: it must not grow with the number of dumps.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "fleet/core/FleetRun.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::bench {
namespace {

constexpr int kFleetSize = 200;
// A smoke run writes only enough dumps for its one run of each size.
constexpr int kSmokeFleetSize = 2;
constexpr double kMsPerSecond = 1000;

// The dumps, written once per run: crane i with seed i.
const std::vector<std::string>& FleetDumps() {
  static const testing::TempDir folder;
  static const std::vector<std::string> files = [] {
    std::vector<std::string> written;
    const int size = SmokeRun() ? kSmokeFleetSize : kFleetSize;
    for (int i = 0; i < size; ++i) {
      testing::DumpBuilder builder;
      demo::BuildDemo(builder, {.seed = static_cast<std::uint32_t>(i + 1), .crane = i});
      written.push_back(folder.File("crane" + std::to_string(1000 + i) + ".bin"));
      builder.Write(written.back());
    }
    return written;
  }();
  return files;
}

// Runs the fleet in a child process.
ChildCost RunChild(const std::vector<std::string>& files, unsigned jobs, const std::string& out) {
  return RunInChild([&] {
    fleet::FleetRun run{files, out, jobs, {}};
    const fleet::FleetOutcome outcome = fleet::RunFleet(run);
    return outcome.error.empty() && outcome.failed == 0;
  });
}

void BM_Fleet(benchmark::State& state) {
  const auto dumps = std::min(static_cast<std::size_t>(state.range(0)), FleetDumps().size());
  const auto jobs = static_cast<unsigned>(state.range(1));
  const std::vector<std::string> files(FleetDumps().begin(),
                                       FleetDumps().begin() + static_cast<std::ptrdiff_t>(dumps));
  const testing::TempDir out;
  // The floor: every dump read and checked, one after another.
  const Timing perDump = ReadAndCheckMs(files.front(), 0, dump::kDumpFileSize);
  const double n = static_cast<double>(dumps);
  FloorReport report(state, {perDump.medianMs * n, perDump.spreadMs * n});
  RunChild(files, jobs, out.File("warm"));  // every file in the cache
  double peak = 0;
  std::vector<double> times, cpu;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    report.Start();
    const ChildCost cost = RunChild(files, jobs, out.File("run"));
    report.Stop();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    if (cost.peakMiB < 0) {
      state.SkipWithError("the fleet run failed");
      return;
    }
    peak = std::max(peak, cost.peakMiB);
    cpu.push_back(cost.cpuMs);
  }
  state.counters["dumps_per_s"] = n * kMsPerSecond / Summarise(times).medianMs;
  // Independent of other work on a shared machine: the processor time per dump.
  state.counters["cpu_ms_per_dump"] = Summarise(cpu).medianMs / n;
  state.counters["peak_rss_MiB"] = peak;
}
BENCHMARK(BM_Fleet)
    ->ArgNames({"dumps", "jobs"})
    ->Args({50, 1})
    ->Args({50, 2})
    ->Args({kFleetSize, 1})
    ->Args({kFleetSize, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(IterationCount(3));

}  // namespace
}  // namespace vertal::bench
