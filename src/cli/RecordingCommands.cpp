// The analyses of a whole recording: the integrity audit and the journal by day, each after
// opening FILE as the window does.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "recording/core/RecordingPages.h"

namespace vertal::cli {
namespace {

Json FindingsJson(const std::vector<recording::Finding>& findings) {
  Json out = Json::array();
  for (const recording::Finding& f : findings) {
    Json item = Json::object();
    item["severity"] = recording::SeverityName(f.severity);
    item["check"] = f.check;
    item["text"] = f.text;
    item["frame"] = f.frame ? Json(*f.frame) : Json(nullptr);
    out.push_back(std::move(item));
  }
  return out;
}

}  // namespace

CommandResult RunAudit(const std::string& file) {
  Opening opening(file);
  std::optional<recording::AuditReport> report;
  if (opening.Opened()) {
    PassResult<recording::AuditModel> audit = recording::RunRecordingAudit(file, opening.Host());
    if (audit.end == PassEnd::Done) report = std::move(audit.model.report);
  }
  Json document = Json::object();
  document["messages"] = opening.MessagesJson();
  document["findings"] = FindingsJson(report ? report->findings : std::vector<recording::Finding>{});
  document["sha256"] = report ? Json(report->sha256) : Json(nullptr);
  document["size"] = report ? Json(report->fileSize) : Json(nullptr);
  return opening.Finish(std::move(document));
}

CommandResult RunDays(const std::string& file) {
  Opening opening(file);
  ControlSnapshot controls;
  if (opening.Opened()) controls.Add(recording::RunDayJournal(file, opening.Host()).model);
  return opening.FinishWithControls(controls);
}

}  // namespace vertal::cli
