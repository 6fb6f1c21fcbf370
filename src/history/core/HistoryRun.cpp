// The entry points of the history: the files read on the fleet run's workers, each reading
// summed up, and the summaries put in order per crane.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "compare/core/Reading.h"
#include "fleet/core/DumpFiles.h"
#include "fleet/core/OrderedWork.h"
#include "history/core/CraneHistory.h"
#include "history/core/CraneTimeline.h"
#include "history/core/ReadingSummary.h"

namespace vertal::history {
namespace {

// The readings of each crane, in the order of the files.
using CraneReadings = std::vector<ReadingSummary>;

// Reads `files` on `jobs` threads; `take` gets each file that was read, in the order of the
// files, and `failed` each that was not.
void ReadSummaries(const std::vector<std::string>& files, unsigned jobs, std::string_view separator,
                   const ProgressSink& progress, const std::function<void(ReadingSummary&)>& take,
                   std::vector<FailedFile>& failed) {
  const auto total = static_cast<std::int64_t>(files.size());
  fleet::ForEachInOrder<ReadingSummary>(
      files.size(), jobs, [&](std::size_t i) { return SummariseReading(files[i], separator); },
      [&](std::size_t i, ReadingSummary& r) {
        if (r.Read())
          take(r);
        else
          failed.push_back({r.file, r.error});
        if (progress) progress(static_cast<std::int64_t>(i) + 1, total);
      });
}

bool ListedBefore(const CraneReadings& a, const CraneReadings& b) {
  const dump::LongTermInfo &x = a.front().info, &y = b.front().info;
  return std::tie(x.limiterSerial, x.craneModel, x.craneSerial) <
         std::tie(y.limiterSerial, y.craneModel, y.craneSerial);
}

}  // namespace

FleetHistory ReadHistory(const HistoryRun& run, const ProgressSink& progress) {
  FleetHistory history;
  std::vector<CraneReadings> cranes;
  ReadSummaries(
      run.files, run.jobs, run.separator, progress,
      [&](ReadingSummary& r) {
        const auto same = std::find_if(cranes.begin(), cranes.end(), [&](const CraneReadings& c) {
          return compare::SameCrane(c.front().info, r.info);
        });
        if (same != cranes.end())
          same->push_back(std::move(r));
        else
          cranes.push_back({std::move(r)});
      },
      history.failed);
  std::sort(cranes.begin(), cranes.end(), ListedBefore);
  for (CraneReadings& c : cranes)
    history.cranes.push_back(BuildCraneHistory(std::move(c), run.separator));
  return history;
}

FileHistory HistoryOfFile(const std::string& file, const std::string& folder, unsigned jobs,
                          std::string_view separator, const ProgressSink& progress) {
  FileHistory history;
  ReadingSummary own = SummariseReading(file, separator);
  if (!own.Read()) {
    history.failed.push_back({own.file, own.error});
    return history;
  }
  // The file itself is read once, wherever it lies.
  std::vector<std::string> others;
  const std::vector<std::string> folders = {folder};
  for (std::string& f : fleet::CollectDumpFiles(folders)) {
    std::error_code error;
    if (!std::filesystem::equivalent(f, file, error)) others.push_back(std::move(f));
  }
  CraneReadings readings;
  ReadSummaries(
      others, jobs, separator, progress,
      [&](ReadingSummary& r) {
        if (compare::SameCrane(own.info, r.info)) readings.push_back(std::move(r));
      },
      history.failed);
  readings.push_back(std::move(own));
  history.crane = BuildCraneHistory(std::move(readings), separator);
  return history;
}

}  // namespace vertal::history
