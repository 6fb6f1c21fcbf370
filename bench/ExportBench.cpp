// Every frame of a recording written as CSV (270,336 rows of twenty columns), in both dialects,
// through the export command with its temporary file and rename, against reading the same
// bytes and checking them. Every frame slot of the dump holds a valid frame, so every row is
// a full one.

#include <filesystem>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "export/core/ExportCommand.h"

namespace vertal::bench {
namespace {

constexpr double kBytesPerMiB = 1024.0 * 1024.0;

void ExportAllFrames(benchmark::State& state, const CsvDialect& dialect) {
  const std::string& dump = ManyEpisodesDump();
  const std::string target = (std::filesystem::temp_directory_path() / "vertal-bench-frames.csv").string();
  exporting::TableSources sources;
  sources.file = dump;
  sources.range = {0, dump::kFrameCount - 1};
  FloorReport report(state, ReadAndCheckMs(dump, dump::kFrames.Offset(0),
                                           dump::kFrameCount * dump::kFrameSize));
  exporting::ExportResult result;
  for (auto _ : state) {
    BenchHost host;
    report.Start();
    result = exporting::ExportTable(exporting::TableKind::Frames, sources, dialect, target, host);
    report.Stop();
  }
  if (result.end != exporting::ExportEnd::Written || result.rows != dump::kFrameCount)
    state.SkipWithError("the frames were not all written");
  state.counters["rows"] = static_cast<double>(result.rows);
  state.counters["csv_MiB"] = static_cast<double>(std::filesystem::file_size(target)) / kBytesPerMiB;
  std::filesystem::remove(target);
}

void BM_ExportAllFramesCsv(benchmark::State& state) { ExportAllFrames(state, MachineDialect()); }
BENCHMARK(BM_ExportAllFramesCsv)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

void BM_ExportAllFramesSpreadsheet(benchmark::State& state) {
  ExportAllFrames(state, SpreadsheetDialect(","));
}
BENCHMARK(BM_ExportAllFramesSpreadsheet)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

}  // namespace
}  // namespace vertal::bench
