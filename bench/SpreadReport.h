#pragma once
// Times each iteration of a window benchmark and reports the median with its spread (the
// fastest and the slowest tenth), each also as a multiple of the floor measured in the same run.
// Window figures wander with the desktop's caches, so a mean would hide what a user meets.

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

namespace vertal::bench {

class SpreadReport {
 public:
  // `scale` turns milliseconds into the unit of the counters (1000 for microseconds).
  SpreadReport(benchmark::State& state, double floorMs, double scale = 1.0)
      : state_(state), floorMs_(floorMs), scale_(scale) {}
  ~SpreadReport();
  SpreadReport(const SpreadReport&) = delete;
  SpreadReport& operator=(const SpreadReport&) = delete;

  void Start() { start_ = std::chrono::steady_clock::now(); }
  void Stop();

 private:
  benchmark::State& state_;
  double floorMs_;
  double scale_;
  std::vector<double> times_;  // milliseconds
  std::chrono::steady_clock::time_point start_;
};

}  // namespace vertal::bench
