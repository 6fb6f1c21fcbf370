#include "fleet/core/FleetRun.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "common/core/CsvWriter.h"
#include "fleet/core/FleetTables.h"
#include "fleet/core/OrderedWork.h"

namespace vertal::fleet {
namespace {

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

std::string CannotWrite(const std::filesystem::path& path) {
  return "cannot write " + path.string();
}

}  // namespace

void ForEachFleetDump(const std::vector<std::string>& files, unsigned jobs,
                      const FleetReading& reading,
                      const std::function<void(std::size_t, FleetDump&)>& take) {
  ForEachInOrder<FleetDump>(
      files.size(), jobs, [&](std::size_t i) { return ReadGuarded(files[i], reading); }, take);
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
