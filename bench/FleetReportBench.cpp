// The fleet report of 200 cranes as a PDF: `vertal-cli fleet --report` as a whole process,
// against the same fleet run without the report (the tables only) measured in the same run.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "support/CliPath.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::bench {
namespace {

constexpr int kCranes = 200;
constexpr int kSmokeCranes = 3;
constexpr int kDaysBetweenReadings = 30;
constexpr double kKiBPerMiB = 1024;

// Crane i read out `readings` times, a month apart; written once per number of readings.
std::string FleetFolder(int readings) {
  static std::vector<std::pair<int, std::unique_ptr<testing::TempDir>>> folders;
  for (const auto& [count, folder] : folders)
    if (count == readings) return folder->Path().string();
  auto folder = std::make_unique<testing::TempDir>();
  const int cranes = SmokeRun() ? kSmokeCranes : kCranes;
  for (int i = 0; i < cranes; ++i) {
    for (int k = 0; k < readings; ++k) {
      testing::DumpBuilder builder;
      demo::BuildDemo(builder, {.seed = static_cast<std::uint32_t>(i + 1),
                                .crane = i,
                                .laterDays = k * kDaysBetweenReadings});
      builder.Write(folder->File("crane" + std::to_string(1000 + i) + "-" + std::to_string(k) + ".bin"));
    }
  }
  const std::string path = folder->Path().string();
  folders.emplace_back(readings, std::move(folder));
  return path;
}

struct ChildRun {
  double ms = 0;
  double peakMiB = 0;
};

// Runs `vertal-cli fleet FOLDER --out OUT --no-pdf --jobs 2 [--report]`, its output thrown
// away; nothing when it failed.
std::optional<ChildRun> RunFleetCli(const std::string& folder, const std::string& out, bool report) {
  const std::string cli = testing::CliPath();
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execl(cli.c_str(), cli.c_str(), "fleet", folder.c_str(), "--out", out.c_str(),
          "--no-pdf", "--jobs", "2", report ? "--report" : nullptr, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  return ChildRun{took.count(), static_cast<double>(usage.ru_maxrss) / kKiBPerMiB};
}

void BM_FleetReportPdf(benchmark::State& state) {
  const auto readings = static_cast<int>(state.range(0));
  const std::string folder = FleetFolder(readings);
  const testing::TempDir out;
  RunFleetCli(folder, out.File("warm"), false);  // every file in the cache
  std::vector<double> floor, times;
  double peak = 0;
  for (auto _ : state) {
    const std::optional<ChildRun> tables = RunFleetCli(folder, out.File("tables"), false);
    const std::optional<ChildRun> report = RunFleetCli(folder, out.File("report"), true);
    if (!tables || !report) {
      state.SkipWithError("vertal-cli fleet failed");
      return;
    }
    floor.push_back(tables->ms);
    times.push_back(report->ms);
    peak = std::max(peak, report->peakMiB);
    state.SetIterationTime(report->ms / 1000);
  }
  const Timing run = Summarise(times);
  const Timing tables = Summarise(floor);
  state.counters["ms"] = run.medianMs;
  state.counters["ms_spread"] = run.spreadMs;
  state.counters["floor_ms"] = tables.medianMs;
  state.counters["floor_spread"] = tables.spreadMs;
  state.counters["x_floor"] = tables.medianMs > 0 ? run.medianMs / tables.medianMs : 0;
  state.counters["report_only_ms"] = run.medianMs - tables.medianMs;
  state.counters["peak_rss_MiB"] = peak;
}
BENCHMARK(BM_FleetReportPdf)
    ->ArgName("readings_per_crane")
    ->Arg(1)
    ->Arg(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(IterationCount(3));

}  // namespace
}  // namespace vertal::bench
