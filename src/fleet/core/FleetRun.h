#pragma once
// A fleet run: every dump file read on a number of threads, and the two tables written in
// the order of the files, so that a run over the same files always writes the same tables.
// Only a few dumps are held at any time, however many files there are.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/core/ProgressSink.h"
#include "fleet/core/FleetDump.h"

namespace vertal::fleet {

// Reads `files` on `jobs` threads and hands each dump to `take` on the calling thread, in the
// order of `files`. A fault while reading one file gives that file a row with the fault's text.
void ForEachFleetDump(const std::vector<std::string>& files, unsigned jobs,
                      const FleetReading& reading,
                      const std::function<void(std::size_t index, FleetDump& dump)>& take);

struct FleetRun {
  std::vector<std::string> files;  // in the order of the rows (see CollectDumpFiles)
  std::string outDir;              // made when missing
  unsigned jobs = 1;
  FleetReading reading;
};

struct FleetOutcome {
  std::size_t files = 0;
  std::size_t failed = 0;  // files with an error in their row
  std::size_t events = 0;
  std::string error;  // what kept the tables from being written; "" when they were
};

// Writes cranes.csv and events.csv into the output folder. `done` follows each dump after its
// rows are written (on the calling thread); `progress` counts the files done.
FleetOutcome RunFleet(const FleetRun& run,
                      const std::function<void(const FleetDump& dump)>& done = {},
                      const ProgressSink& progress = {});

}  // namespace vertal::fleet
