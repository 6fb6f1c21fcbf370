// history PATH...: each crane's history over all its readings under the paths.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "cli/FileRun.h"
#include "cli/JsonForms.h"
#include "fleet/core/DumpFiles.h"
#include "history/core/CraneHistory.h"

namespace vertal::cli {
namespace {

Json ReadingJson(const history::HistoryReading& r) {
  Json out = Json::object();
  out["file"] = r.file;
  out["reading_date"] = r.dateText;
  out["char_number"] = r.charNumberText;
  out["lifted_weight"] = r.liftedWeightText;
  out["lifted_in_period"] = r.liftedInPeriod ? Json(r.liftedInPeriodText) : Json(nullptr);
  out["owner"] = r.owner;
  Json counters = Json::array();
  for (const history::CounterValue& c : r.counters) {
    Json counter = Json::object();
    counter["value"] = c.value;
    counter["change"] = OptionalText(c.change);
    counters.push_back(std::move(counter));
  }
  out["counters"] = std::move(counters);
  out["life_used"] = EstimateJson(r.lifeUsed);
  out["overloads_above_125"] = r.overloadsAbove125 ? Json(*r.overloadsAbove125) : Json(nullptr);
  out["clock_findings"] = r.clockFindings;
  out["segment"] = r.segment;
  return out;
}

Json FindingJson(const history::HistoryFinding& f) {
  Json out = Json::object();
  out["kind"] = history::FindingKindName(f.kind);
  out["readings"] = f.readings;
  out["text"] = f.text;
  return out;
}

Json ForecastJson(const history::Forecast& f) {
  Json out = EstimateJson(f.date);
  out["readings"] = f.readings;
  out["span"] = f.spanText;
  return out;
}

Json CraneJson(const history::CraneHistory& c) {
  Json out = Json::object();
  out["identification"] = c.identification;
  out["limiter_serial"] = c.limiterSerial;
  out["crane"] = c.crane;
  out["crane_serial"] = c.craneSerial;
  out["owner"] = c.owner;
  out["normative_group"] = c.normativeGroup;
  out["normative_char_number"] = c.normativeNumber;
  out["life_used"] = EstimateJson(c.lifeUsed);
  out["forecast"] = ForecastJson(c.forecast);
  out["counter_names"] = c.counterNames;
  Json readings = Json::array();
  for (const history::HistoryReading& r : c.readings) readings.push_back(ReadingJson(r));
  out["readings"] = std::move(readings);
  Json findings = Json::array();
  for (const history::HistoryFinding& f : c.findings) findings.push_back(FindingJson(f));
  out["findings"] = std::move(findings);
  return out;
}

}  // namespace

CommandResult RunHistory(const HistoryOptions& options) {
  history::HistoryRun run;
  run.files = fleet::CollectDumpFiles(options.paths);
  run.jobs = JobCount(options.jobs);
  run.separator = DecimalSeparator();
  ProgressLine line;
  const history::FleetHistory found = history::ReadHistory(
      run, [&line](std::int64_t done, std::int64_t total) { line.Show(done, total); });

  CommandResult result;
  Json messages = Json::array();
  if (run.files.empty()) messages.push_back(history::kNoDumpFilesText);
  result.document["messages"] = std::move(messages);
  result.document["files"] = run.files.size();
  Json cranes = Json::array();
  for (const history::CraneHistory& c : found.cranes) cranes.push_back(CraneJson(c));
  result.document["cranes"] = std::move(cranes);
  Json failed = Json::array();
  for (const history::FailedFile& f : found.failed) {
    line.Say(f.file, f.error);
    Json file = Json::object();
    file["file"] = f.file;
    file["error"] = f.error;
    failed.push_back(std::move(file));
  }
  result.document["failed"] = std::move(failed);
  if (!found.failed.empty()) result.status = ExitStatus::CannotOpen;
  return result;
}

}  // namespace vertal::cli
