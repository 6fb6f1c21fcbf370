#pragma once
// What the benchmarks share: the dumps they read, and the floor each figure is compared with,
// measured in the same run: reading the same bytes from the same file and testing the
// checksum of every record in them.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/core/Host.h"
#include "common/core/VectorPath.h"
#include "link/core/Readout.h"

namespace vertal::bench {

// Counts the message boxes an operation would show and answers the save dialog with one path.
class BenchHost final : public Host {
 public:
  explicit BenchHost(std::optional<std::string> saveAs = {}) : saveAs_(std::move(saveAs)) {}
  void ShowMessage(const Message&) override { ++shown; }
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup&) override { return {}; }
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup&) override { return saveAs_; }
  void RepaintNow() override {}
  int shown = 0;

 private:
  std::optional<std::string> saveAs_;
};

// A readout that shows nothing.
class QuietReadoutView final : public link::ReadoutView {
 public:
  void SetStatusText(std::string_view) override {}
  void SetFilePanel(std::string_view) override {}
  void SetStatusColour(link::StatusColour) override {}
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void Repaint() override {}
};

// The demo recording, written once per run.
const std::string& DemoDump();
// A dump whose every other frame starts an overload episode.
const std::string& ManyEpisodesDump();
// A dump whose every frame is a switch-on and every other frame starts an overload and a
// tuning episode: the longest lists a recording can give (540,672 items in all).
const std::string& AllListsDump();
// Writes that dump to `path`.
void WriteAllListsDump(const std::string& path);

// The peak resident memory of this process so far, in MiB.
double PeakRssMiB();
// The resident memory of this process now, in MiB.
double ResidentMiB();

// The median of repeated timings and their spread, in milliseconds.
struct Timing {
  double medianMs = 0;
  double spreadMs = 0;  // from the first to the third quartile
};

// A smoke run (VERTAL_BENCH_SMOKE=1 in the environment) only checks that every benchmark
// runs: one iteration of each and one timed run of each floor.
bool SmokeRun();
// `iterations`, or one in a smoke run.
int IterationCount(int iterations);

// What a run in a child process cost: its own peak memory, not this process's.
struct ChildCost {
  double peakMiB = -1;  // negative when the run failed
  double cpuMs = 0;     // user and system time of all its threads
};

// Runs `work` in a child process; it fails when `work` returns false.
ChildCost RunInChild(const std::function<bool()>& work);

// The median and spread of `times` (milliseconds); zeros when there are none.
Timing Summarise(std::vector<double> times);

// Times `work` over `runs` runs (after one warm-up run); one run in a smoke run.
Timing MedianMs(const std::function<void()>& work, int runs = 15);

// Floor: what a pass over the same bytes cannot go below. Opens the file, reads `size` bytes
// from `offset` in the blocks a pass reads, tests the checksum of every 32-byte record (the
// same inlined test the frame passes use on the same vector path, by default the fastest the
// processor runs; a shorter tail is summed whole), counts the valid ones and closes.
Timing ReadAndCheckMs(const std::string& path, std::int64_t offset, std::int64_t size,
                      VectorPath vectors = FastestVectorPath());

// Times each iteration of a benchmark and reports the median and its spread as "ms" and
// "ms_spread", the floor's as "floor_ms" and "floor_spread", and their ratio as "x_floor".
class FloorReport {
 public:
  FloorReport(benchmark::State& state, Timing floor) : state_(state), floor_(floor) {}
  ~FloorReport();
  void Start() { start_ = std::chrono::steady_clock::now(); }
  void Stop();

 private:
  benchmark::State& state_;
  Timing floor_;
  std::vector<double> times_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace vertal::bench
