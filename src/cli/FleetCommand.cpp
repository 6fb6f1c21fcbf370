// fleet PATH... --out DIR: every dump file under the paths read into two tables (cranes.csv,
// events.csv) and, in a build with the window, each dump's information card as a PDF and, with
// --report, the fleet report from the cranes' histories.

#include <memory>

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "cli/FileRun.h"
#include "fleet/core/DumpFiles.h"
#include "fleet/core/FleetRun.h"
#ifdef VERTAL_CLI_REPORTS
#include "cli/Painting.h"
#endif

namespace vertal::cli {
namespace {

constexpr std::string_view kToolName = "vertal-cli";

}  // namespace

CommandResult RunFleet(const FleetOptions& options) {
  fleet::FleetRun run;
  run.files = fleet::CollectDumpFiles(options.paths);
  run.outDir = options.out;
  run.jobs = JobCount(options.jobs);
  std::size_t unwritten = 0;
#ifdef VERTAL_CLI_REPORTS
  // Made before the threads start: the application sets the environment.
  std::unique_ptr<FleetReport> report;
  if (options.report) {
    std::string why;
    report = MakeFleetReport(options.out, why);
    if (!report) CannotPaint(why);
  }
  std::unique_ptr<FleetCards> cards;
  if (!options.noPdf) {
    run.reading.cardSeparator = DecimalSeparator();
    std::string why;
    cards = MakeFleetCards(options.out, why);
    if (!cards) CannotPaint(why);
  }
#endif

  ProgressLine line;
  const fleet::FleetOutcome outcome = fleet::RunFleet(
      run,
      [&](const fleet::FleetDump& dump) {
        if (!dump.row.Read()) return line.Say(dump.row.file, dump.row.error);
#ifdef VERTAL_CLI_REPORTS
        if (cards) {
          const std::string error = cards->Write(dump);
          if (!error.empty()) {
            line.Say(dump.row.file, error);
            ++unwritten;
          }
        }
#endif
      },
      [&line](std::int64_t done, std::int64_t total) { line.Show(done, total); });

  CommandResult result;
  if (!outcome.error.empty()) {
    result.status = ExitStatus::CannotOpen;
    result.error = std::string(kToolName) + ": " + outcome.error;
    return result;
  }
  result.document["files"] = outcome.files;
  result.document["failed"] = outcome.failed;
  result.document["events"] = outcome.events;
  int pdfs = 0;
#ifdef VERTAL_CLI_REPORTS
  if (cards) pdfs = cards->Written();
#endif
  result.document["pdfs"] = pdfs;
  result.document["out"] = options.out;
  result.document["report"] = nullptr;
#ifdef VERTAL_CLI_REPORTS
  if (report) {
    const std::string error = report->Write(run.files, run.jobs);
    if (error.empty()) {
      result.document["report"] = {{"file", report->Path()}, {"pages", report->Pages()}};
    } else {
      line.Say(report->Path(), error);
      ++unwritten;
    }
  }
#endif
  if (outcome.failed > 0 || unwritten > 0) result.status = ExitStatus::CannotOpen;
  return result;
}

}  // namespace vertal::cli
