// Opening a dump, the passes over the whole recording and the page turn, each against reading the
// same bytes.

#include "BenchSupport.h"
#include "app/core/OpenDump.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "frames/core/PeriodScan.h"

namespace vertal::bench {
namespace {

double OperativeAreaFloor(const std::string& path) {
  return ReadAndSumMs(path, dump::kOperativeAreaOffset, dump::kOperativeAreaSize);
}

// The whole Open command: the head and its checks, the service pages, the last page of each
// table, the period scan and both graphs.
void OpenDump(benchmark::State& state, const std::string& path) {
  FloorReport report(state, ReadAndSumMs(path, 0, dump::kDumpFileSize));
  int messages = 0;
  for (auto _ : state) {
    BenchHost host;
    report.Start();
    benchmark::DoNotOptimize(app::OpenDump(path, host, ","));
    report.Stop();
    messages += host.shown;
  }
  if (messages > 0) state.SkipWithError("opening showed a message");
}

void BM_OpenDemo(benchmark::State& state) { OpenDump(state, DemoDump()); }
BENCHMARK(BM_OpenDemo)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_OpenManyEpisodes(benchmark::State& state) { OpenDump(state, ManyEpisodesDump()); }
BENCHMARK(BM_OpenManyEpisodes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ScanRecordingPeriod(benchmark::State& state) {
  const std::string& path = DemoDump();
  FloorReport report(state, OperativeAreaFloor(path));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::ScanRecordingPeriod(path));
    report.Stop();
  }
}
BENCHMARK(BM_ScanRecordingPeriod)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ScanManyEpisodes(benchmark::State& state) {
  const std::string& path = ManyEpisodesDump();
  FloorReport report(state, OperativeAreaFloor(path));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::ScanRecordingPeriod(path));
    report.Stop();
  }
}
BENCHMARK(BM_ScanManyEpisodes)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SearchFrames(benchmark::State& state) {
  const std::string& path = DemoDump();
  FloorReport report(state, OperativeAreaFloor(path));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::SearchFrames(path, {100, true, true}));
    report.Stop();
  }
}
BENCHMARK(BM_SearchFrames)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FramePageTurn(benchmark::State& state) {
  const std::string& path = DemoDump();
  const frames::TableLayout& layout = frames::FrameTableLayout();
  const double floor = ReadAndSumMs(path, dump::kFrames.Offset(1000), layout.columns * dump::kFrameSize);
  FloorReport report(state, floor);
  std::int64_t position = 0;
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::ReadTablePage(path, layout, position, ","));
    report.Stop();
    position = (position + 7919) % layout.MaxPosition();
  }
}
BENCHMARK(BM_FramePageTurn)->Unit(benchmark::kMicrosecond)->Iterations(2000);

}  // namespace
}  // namespace vertal::bench
