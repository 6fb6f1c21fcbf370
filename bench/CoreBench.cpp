// Opening a dump, the passes over the whole recording and the page turn, each against reading the
// same bytes.

#include "BenchSupport.h"
#include "app/core/OpenDump.h"
#include "dump/core/DumpLayout.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "frames/core/PeriodScan.h"

namespace vertal::bench {
namespace {

Timing OperativeAreaFloor(const std::string& path, VectorPath vectors = FastestVectorPath()) {
  return ReadAndCheckMs(path, dump::kOperativeAreaOffset, dump::kOperativeAreaSize, vectors);
}

// The whole Open command: the head and its checks, the service pages, the last page of each
// table, the period scan and both graphs.
void OpenDump(benchmark::State& state, const std::string& path) {
  FloorReport report(state, ReadAndCheckMs(path, 0, dump::kDumpFileSize));
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
BENCHMARK(BM_OpenDemo)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(20));

void BM_OpenManyEpisodes(benchmark::State& state) { OpenDump(state, ManyEpisodesDump()); }
BENCHMARK(BM_OpenManyEpisodes)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

// The scan and its floor on one vector path: "fastest" is what the program chooses on this
// processor (its label names it), "sse2" the baseline every x86-64 processor runs.
void BM_ScanRecordingPeriod(benchmark::State& state, VectorPath vectors) {
  state.SetLabel(vectors == VectorPath::Avx2 ? "avx2" : "sse2");
  const std::string& path = DemoDump();
  FloorReport report(state, OperativeAreaFloor(path, vectors));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::ScanRecordingPeriod(path, {}, {}, vectors));
    report.Stop();
  }
}
BENCHMARK_CAPTURE(BM_ScanRecordingPeriod, fastest, FastestVectorPath())
    ->Unit(benchmark::kMillisecond)->Iterations(IterationCount(100));
BENCHMARK_CAPTURE(BM_ScanRecordingPeriod, sse2, VectorPath::Sse2)
    ->Unit(benchmark::kMillisecond)->Iterations(IterationCount(100));

void BM_ScanManyEpisodes(benchmark::State& state) {
  const std::string& path = ManyEpisodesDump();
  FloorReport report(state, OperativeAreaFloor(path));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::ScanRecordingPeriod(path));
    report.Stop();
  }
}
BENCHMARK(BM_ScanManyEpisodes)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(10));

void BM_SearchFrames(benchmark::State& state) {
  const std::string& path = DemoDump();
  FloorReport report(state, OperativeAreaFloor(path));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(frames::SearchFrames(path, {100, true, true}));
    report.Stop();
  }
}
BENCHMARK(BM_SearchFrames)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(100));

// The family's records as the search reads them, against reading and checking the same bytes.
template <typename Search>
void SearchFamily(benchmark::State& state, const dump::RecordFamily& family, Search search) {
  const std::string& path = DemoDump();
  FloorReport report(state, ReadAndCheckMs(path, family.Offset(0), family.count * family.size));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(search(path));
    report.Stop();
  }
}

void BM_SearchOverloads(benchmark::State& state) {
  SearchFamily(state, dump::kOverloadRecords, [](const std::string& path) {
    return events::SearchOverloads(path, {100, {0x01, 0x01, 0x00}, {0x31, 0x12, 0x37}});
  });
}
BENCHMARK(BM_SearchOverloads)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(200));

void BM_SearchKds(benchmark::State& state) {
  SearchFamily(state, dump::kKdsRecords, [](const std::string& path) {
    return events::SearchKds(path, {3, {0x01, 0x01, 0x00}, {0x31, 0x12, 0x37}});
  });
}
BENCHMARK(BM_SearchKds)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(200));

void BM_FramePageTurn(benchmark::State& state) {
  const std::string& path = DemoDump();
  const records::TableLayout& layout = frames::FrameTableLayout();
  const Timing floor = ReadAndCheckMs(path, dump::kFrames.Offset(1000), layout.columns * dump::kFrameSize);
  FloorReport report(state, floor);
  std::int64_t position = 0;
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(records::ReadTablePage(path, layout, position, ","));
    report.Stop();
    position = (position + 7919) % layout.MaxPosition();
  }
}
BENCHMARK(BM_FramePageTurn)->Unit(benchmark::kMicrosecond)->Iterations(IterationCount(2000));

}  // namespace
}  // namespace vertal::bench
