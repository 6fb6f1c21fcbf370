// The analyses of a whole recording: the integrity audit and the journal by day, each after
// opening FILE as the window does.

#include "cli/Commands.h"
#include "common/core/Bcd.h"
#include "recording/core/DayJournal.h"
#include "recording/core/JournalTexts.h"
#include "recording/core/RecordingAudit.h"

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

Json DayJson(const recording::DayRow& day) {
  Json out = Json::object();
  out["date"] = BcdDateText(day.date);
  out["first"] = BcdTimeText(day.firstTime);
  out["last"] = BcdTimeText(day.lastTime);
  out["first_frame"] = day.firstFrame;
  out["hours"] = recording::DayHours(day);
  out["lifts"] = day.lifts;
  out["max_moment"] = day.maxMoment;
  out["max_moment_at"] = BcdTimeText(day.maxMomentTime);
  out["max_moment_frame"] = day.maxMomentFrame;
  out["overloads"] = day.overloads;
  out["tuning"] = day.tuning;
  out["mzon"] = day.mzon;
  out["switch_ons"] = day.switchOns;
  out["limit_triggers"] = day.limitTriggers;
  out["fault_codes"] = day.faultCodes;
  return out;
}

}  // namespace

CommandResult RunAudit(const std::string& file) {
  const Opening opening(file);
  std::optional<recording::AuditReport> report;
  if (opening.Opened()) report = recording::AuditRecording(file);
  Json document = Json::object();
  document["messages"] = opening.MessagesJson();
  document["findings"] = FindingsJson(report ? report->findings : std::vector<recording::Finding>{});
  document["sha256"] = report ? Json(report->sha256) : Json(nullptr);
  document["size"] = report ? Json(report->fileSize) : Json(nullptr);
  return opening.Finish(std::move(document));
}

CommandResult RunDays(const std::string& file) {
  const Opening opening(file);
  Json days = Json::array();
  if (opening.Opened())
    if (const auto journal = recording::DayJournal(file))
      for (const recording::DayRow& day : *journal) days.push_back(DayJson(day));
  Json document = Json::object();
  document["messages"] = opening.MessagesJson();
  document["days"] = std::move(days);
  return opening.Finish(std::move(document));
}

}  // namespace vertal::cli
