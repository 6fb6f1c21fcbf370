// The whole readout from a simulated unit into a new dump file, against writing the same bytes
// with one write.

#include <filesystem>
#include <fstream>
#include <vector>

#include "BenchSupport.h"
#include "dump/core/DumpLayout.h"
#include "link/core/Connection.h"
#include "link/core/Link.h"
#include "link/core/OperatorEntry.h"
#include "link/core/Readout.h"
#include "link/core/SimulatedUnit.h"

namespace vertal::bench {
namespace {

std::string OutPath() {
  return (std::filesystem::temp_directory_path() / "vertal-bench-readout.bin").string();
}

// Floor: one write of a whole dump's bytes into a new file.
Timing WriteOnceMs(const std::string& path) {
  const std::vector<char> bytes(static_cast<std::size_t>(dump::kDumpFileSize), 'x');
  return MedianMs(
      [&] {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      },
      5);
}

void BM_ReadoutFromSimulatedUnit(benchmark::State& state) {
  const std::string out = OutPath();
  FloorReport report(state, WriteOnceMs(out));
  int failures = 0;
  for (auto _ : state) {
    link::SimulatedUnit unit(DemoDump());
    link::Link link(unit);
    link::ConnectUnit(link);
    BenchHost host(out);
    FileDialogSetup saveDialog;
    link::FieldsOperatorDialog dialog(link::DefaultOperatorFields(), true);
    QuietReadoutView view;
    link::ReadoutBuffers buffers;
    report.Start();
    const link::ReadoutResult result = link::ReadRecorder(link, host, saveDialog, dialog, view, buffers);
    report.Stop();
    if (!result.writtenPath || std::filesystem::file_size(out) != dump::kDumpFileSize) ++failures;
  }
  std::filesystem::remove(out);
  if (failures > 0) state.SkipWithError("the readout did not write a whole dump");
}
BENCHMARK(BM_ReadoutFromSimulatedUnit)->Unit(benchmark::kMillisecond)->Iterations(IterationCount(5));

}  // namespace
}  // namespace vertal::bench
