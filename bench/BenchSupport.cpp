#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

#include "dump/core/Checksum.h"
#include "dump/core/WideChecksum.h"
#include "common/core/DumpFile.h"
#include "dump/core/DumpLayout.h"
#include "frames/core/FrameLayout.h"
#include "records/core/RecordPass.h"
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

ChildCost RunInChild(const std::function<bool()>& work) {
  constexpr double kKiBPerMiB = 1024;
  constexpr double kMsPerSecond = 1000;
  constexpr double kUsPerMs = 1000;
  const auto ms = [&](const timeval& t) {
    return static_cast<double>(t.tv_sec) * kMsPerSecond + static_cast<double>(t.tv_usec) / kUsPerMs;
  };
  const pid_t child = fork();
  if (child < 0) return {};
  if (child == 0) _exit(work() ? 0 : 1);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return {};
  return {static_cast<double>(usage.ru_maxrss) / kKiBPerMiB, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double ResidentMiB() {
  constexpr double kBytesPerMiB = 1024.0 * 1024.0;
  long pages = 0;
  long resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         kBytesPerMiB;
}

Timing Summarise(std::vector<double> times) {
  if (times.empty()) return {};
  std::sort(times.begin(), times.end());
  const auto at = [&times](double fraction) {
    return times[static_cast<std::size_t>(fraction * static_cast<double>(times.size() - 1) + 0.5)];
  };
  constexpr double kHalf = 0.5, kFirstQuartile = 0.25, kThirdQuartile = 0.75;
  return {at(kHalf), at(kThirdQuartile) - at(kFirstQuartile)};
}

bool SmokeRun() {
  static const bool smoke = [] {
    const char* value = std::getenv("VERTAL_BENCH_SMOKE");
    return value != nullptr && std::string_view(value) == "1";
  }();
  return smoke;
}

int IterationCount(int iterations) { return SmokeRun() ? 1 : iterations; }

Timing MedianMs(const std::function<void()>& work, int runs) {
  if (SmokeRun()) runs = 1;
  work();
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return Summarise(std::move(times));
}

// The floor is short and every figure is divided by it: more runs steady its median.
constexpr int kFloorRuns = 31;

Timing ReadAndCheckMs(const std::string& path, std::int64_t offset, std::int64_t size,
                      VectorPath vectors) {
  constexpr std::size_t kRecord = frames::kFrameSize;
  return MedianMs([&] {
    const auto file = DumpFile::Open(path);
    std::vector<std::uint8_t> block(static_cast<std::size_t>(
        std::min<std::int64_t>(size, records::kPassBlockRecords * dump::kFrameSize)));
    std::int64_t valid = 0;
    for (std::int64_t at = 0; at < size; at += static_cast<std::int64_t>(block.size())) {
      const auto n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(block.size()), size - at));
      const std::span<const std::uint8_t> bytes(block.data(), n);
      file->ReadAt(offset + at, std::span<std::uint8_t>(block.data(), n));
      const std::size_t whole = n / kRecord * kRecord;
      valid += CountValidChecksums(bytes.first(whole), vectors);
      if (whole < n) valid += ChecksumValid(bytes.subspan(whole)) ? 1 : 0;
    }
    benchmark::DoNotOptimize(valid);
  }, kFloorRuns);
}

void FloorReport::Stop() {
  times_.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count());
}

FloorReport::~FloorReport() {
  if (times_.empty()) return;
  const Timing figure = Summarise(std::move(times_));
  state_.counters["ms"] = figure.medianMs;
  state_.counters["ms_spread"] = figure.spreadMs;
  state_.counters["floor_ms"] = floor_.medianMs;
  state_.counters["floor_spread"] = floor_.spreadMs;
  state_.counters["x_floor"] = figure.medianMs / floor_.medianMs;
}

}  // namespace vertal::bench
