#pragma once
// What the benchmarks share: the dumps they read, and the floor each figure is compared with,
// measured in the same run: reading the same bytes from the same file and summing them.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/core/Host.h"

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

// Median time in milliseconds of `work` over `runs` runs (after one warm-up run).
double MedianMs(const std::function<void()>& work, int runs = 15);

// Floor: open the file, read `size` bytes from `offset` in large blocks, sum them, close.
double ReadAndSumMs(const std::string& path, std::int64_t offset, std::int64_t size);

// Times each iteration of a benchmark and reports the mean as "ms" and as "x_floor".
class FloorReport {
 public:
  FloorReport(benchmark::State& state, double floorMs) : state_(state), floorMs_(floorMs) {}
  ~FloorReport();
  void Start() { start_ = std::chrono::steady_clock::now(); }
  void Stop();

 private:
  benchmark::State& state_;
  double floorMs_;
  double totalMs_ = 0;
  std::int64_t count_ = 0;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace vertal::bench
