#include "BenchSupport.h"

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "dump/core/DumpFile.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameLayout.h"
#include "support/DumpBuilder.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::bench {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("vertal-bench-" + name)).string();
}

}  // namespace

const std::string& DemoDump() {
  static const std::string path = [] {
    const std::string p = TempPath("demo.bin");
    testing::DumpBuilder builder;
    demo::BuildDemo(builder);
    builder.Write(p);
    return p;
  }();
  return path;
}

const std::string& ManyEpisodesDump() {
  static const std::string path = [] {
    const std::string p = TempPath("episodes.bin");
    testing::DumpBuilder builder;
    testing::FrameFields f;
    for (std::int64_t n = 0; n < dump::kFrameCount; ++n) {
      f.loadMoment = n % 2 == 0 ? 115 : 50;
      builder.Frame(n, f);
    }
    builder.Write(p);
    return p;
  }();
  return path;
}

void WriteAllListsDump(const std::string& path) {
  constexpr std::uint8_t kOverloaded = 115;
  constexpr std::uint8_t kCalm = 50;
  testing::DumpBuilder builder;
  testing::FrameFields f;
  f.faultCode = frames::kFaultSwitchOn;
  for (std::int64_t n = 0; n < dump::kFrameCount; ++n) {
    const bool opensEpisodes = n % 2 == 0;
    f.loadMoment = opensEpisodes ? kOverloaded : kCalm;
    f.kos = opensEpisodes ? 0 : frames::kKosWorkMode;
    builder.Frame(n, f);
  }
  builder.Write(path);
}

const std::string& AllListsDump() {
  static const std::string path = [] {
    const std::string p = TempPath("all-lists.bin");
    WriteAllListsDump(p);
    return p;
  }();
  return path;
}

double PeakRssMiB() {
  constexpr double kKiBPerMiB = 1024;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / kKiBPerMiB;
}

double MedianMs(const std::function<void()>& work, int runs) {
  work();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
  return times[static_cast<std::size_t>(runs / 2)];
}

double ReadAndSumMs(const std::string& path, std::int64_t offset, std::int64_t size) {
  return MedianMs([&] {
    const auto file = dump::DumpFile::Open(path);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::int64_t>(size, 128 * 1024)));
    std::uint64_t sum = 0;
    for (std::int64_t at = 0; at < size; at += static_cast<std::int64_t>(block.size())) {
      const auto n = std::min<std::int64_t>(static_cast<std::int64_t>(block.size()), size - at);
      file->ReadAt(offset + at, std::span<std::uint8_t>(block.data(), static_cast<std::size_t>(n)));
      for (std::int64_t i = 0; i < n; ++i) sum += block[static_cast<std::size_t>(i)];
    }
    benchmark::DoNotOptimize(sum);
  });
}

void FloorReport::Stop() {
  totalMs_ += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
  ++count_;
}

FloorReport::~FloorReport() {
  if (count_ == 0) return;
  const double mean = totalMs_ / static_cast<double>(count_);
  state_.counters["ms"] = mean;
  state_.counters["floor_ms"] = floorMs_;
  state_.counters["x_floor"] = mean / floorMs_;
}

}  // namespace vertal::bench
