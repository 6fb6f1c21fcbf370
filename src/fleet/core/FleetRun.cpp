#include "fleet/core/FleetRun.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "common/core/CsvWriter.h"
#include "fleet/core/FleetTables.h"

namespace vertal::fleet {
namespace {

// Dumps read ahead of the one being written, per thread: enough to keep every thread busy
// while the calling thread writes.
constexpr std::size_t kWaitingPerJob = 2;

FleetDump ReadGuarded(const std::string& path, const FleetReading& reading) {
  try {
    return ReadFleetDump(path, reading);
  } catch (const std::exception& e) {
    FleetDump failed;
    failed.row.file = path;
    failed.row.error = e.what();
    return failed;
  }
}

// The files read so far and not yet taken, by their place in the run.
class ReadDumps {
 public:
  ReadDumps(std::size_t count, std::size_t window) : count_(count), window_(window) {}

  // The next file to read; nothing when all are handed out or the run stops.
  std::optional<std::size_t> NextToRead() {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] { return stopped_ || next_ >= count_ || next_ < taken_ + window_; });
    if (stopped_ || next_ >= count_) return std::nullopt;
    return next_++;
  }

  void Put(std::size_t index, FleetDump dump) {
    {
      const std::lock_guard lock(mutex_);
      ready_.emplace(index, std::move(dump));
    }
    readyChanged_.notify_all();
  }

  FleetDump Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    readyChanged_.wait(lock, [&] { return ready_.contains(index); });
    FleetDump dump = std::move(ready_.extract(index).mapped());
    ++taken_;
    lock.unlock();
    room_.notify_all();
    return dump;
  }

  void Stop() {
    {
      const std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    room_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable room_, readyChanged_;
  std::map<std::size_t, FleetDump> ready_;
  std::size_t count_, window_;
  std::size_t next_ = 0, taken_ = 0;
  bool stopped_ = false;
};

std::string CannotWrite(const std::filesystem::path& path) {
  return "cannot write " + path.string();
}

}  // namespace

void ForEachFleetDump(const std::vector<std::string>& files, unsigned jobs,
                      const FleetReading& reading,
                      const std::function<void(std::size_t, FleetDump&)>& take) {
  const std::size_t threads = std::clamp<std::size_t>(jobs, 1, std::max<std::size_t>(files.size(), 1));
  ReadDumps dumps(files.size(), threads * kWaitingPerJob);
  std::vector<std::jthread> workers;
  for (std::size_t t = 0; t < threads; ++t)
    workers.emplace_back([&] {
      while (const std::optional<std::size_t> i = dumps.NextToRead())
        dumps.Put(*i, ReadGuarded(files[*i], reading));
    });
  try {
    for (std::size_t i = 0; i < files.size(); ++i) {
      FleetDump dump = dumps.Take(i);
      take(i, dump);
    }
  } catch (...) {
    dumps.Stop();
    throw;
  }
}

FleetOutcome RunFleet(const FleetRun& run, const std::function<void(const FleetDump&)>& done,
                      const ProgressSink& progress) {
  namespace fs = std::filesystem;
  FleetOutcome outcome;
  std::error_code madeError;
  fs::create_directories(run.outDir, madeError);
  const fs::path cranesPath = fs::path(run.outDir) / kCranesTable;
  const fs::path eventsPath = fs::path(run.outDir) / kEventsTable;
  std::ofstream cranesFile(cranesPath, std::ios::binary | std::ios::trunc);
  if (!cranesFile) return {.error = CannotWrite(cranesPath)};
  std::ofstream eventsFile(eventsPath, std::ios::binary | std::ios::trunc);
  if (!eventsFile) return {.error = CannotWrite(eventsPath)};

  CsvWriter cranes(cranesFile, MachineDialect());
  CsvWriter events(eventsFile, MachineDialect());
  WriteCraneHeader(cranes);
  WriteEventHeader(events);
  events.Flush();
  const auto total = static_cast<std::int64_t>(run.files.size());
  ForEachFleetDump(run.files, run.jobs, run.reading, [&](std::size_t i, FleetDump& dump) {
    WriteCraneRow(cranes, dump.row);
    eventsFile << dump.events;
    ++outcome.files;
    if (!dump.row.Read()) ++outcome.failed;
    outcome.events += dump.eventCount;
    if (done) done(dump);
    if (progress) progress(static_cast<std::int64_t>(i) + 1, total);
  });
  cranes.Flush();
  if (!cranesFile.flush()) outcome.error = CannotWrite(cranesPath);
  if (!eventsFile.flush()) outcome.error = CannotWrite(eventsPath);
  return outcome;
}

}  // namespace vertal::fleet
