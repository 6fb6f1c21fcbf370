// The analyses of a whole recording, each against reading the whole file and summing its bytes.

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "recording/core/DayJournal.h"
#include "recording/core/RecordingAudit.h"

namespace vertal::bench {
namespace {

template <typename Analysis>
void Measure(benchmark::State& state, Analysis&& analysis) {
  const std::string& path = DemoDump();
  FloorReport report(state, ReadAndCheckMs(path, 0, dump::kDumpFileSize));
  for (auto _ : state) {
    report.Start();
    benchmark::DoNotOptimize(analysis(path));
    report.Stop();
  }
}

void BM_AuditDemo(benchmark::State& state) {
  Measure(state, [](const std::string& path) { return recording::AuditRecording(path); });
}
BENCHMARK(BM_AuditDemo)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(20));

void BM_DayJournalDemo(benchmark::State& state) {
  Measure(state, [](const std::string& path) { return recording::DayJournal(path); });
}
BENCHMARK(BM_DayJournalDemo)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(20));

}  // namespace
}  // namespace vertal::bench
