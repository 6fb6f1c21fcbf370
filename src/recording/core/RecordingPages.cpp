#include "recording/core/RecordingPages.h"

#include "dump/core/RecordAccess.h"
#include "recording/core/JournalTexts.h"

namespace vertal::recording {
namespace {

// A pass over the whole file: `analyse(progress)` gives the model's content or nothing when the
// file cannot be opened.
template <typename Model, typename Analyse>
PassResult<Model> RunWholeFilePass(Host& host, const PassHooks& hooks, Analyse&& analyse) {
  hooks.Begin();
  auto found = analyse(hooks.progress);
  if (!found) {
    dump::ReportUnreadable(host);
    return {PassEnd::Unreadable, {}};
  }
  return {PassEnd::Done, Model{std::move(*found)}};
}

}  // namespace

GridColumns DayColumns(const std::vector<DayRow>& days) {
  GridColumns columns(kDayColumnCaptions.size());
  for (const DayRow& day : days) {
    DayTexts t = TextsOf(day);
    std::string* cells[] = {&t.date,      &t.first,         &t.last,      &t.hours,  &t.lifts,
                            &t.maxMoment, &t.maxMomentAt,   &t.overloads, &t.tuning, &t.mzon,
                            &t.switchOns, &t.limitTriggers, &t.faultCodes};
    static_assert(std::size(cells) == kDayColumnCaptions.size());
    for (std::size_t c = 0; c < columns.size(); ++c) columns[c].push_back(std::move(*cells[c]));
  }
  return columns;
}

PassResult<DayJournalModel> RunDayJournal(const std::string& path, Host& host,
                                          const PassHooks& hooks) {
  return RunWholeFilePass<DayJournalModel>(
      host, hooks, [&path](const ProgressSink& progress) { return DayJournal(path, progress); });
}

GridColumns FindingColumns(const std::vector<Finding>& findings) {
  GridColumns columns(kAuditColumnCaptions.size());
  for (const Finding& f : findings) {
    columns[0].emplace_back(SeverityWord(f.severity));
    columns[1].push_back(f.text);
    columns[2].push_back(f.frame ? std::to_string(*f.frame) : std::string());
  }
  return columns;
}

PassResult<AuditModel> RunRecordingAudit(const std::string& path, Host& host,
                                         const PassHooks& hooks) {
  return RunWholeFilePass<AuditModel>(host, hooks, [&path](const ProgressSink& progress) {
    return AuditRecording(path, progress);
  });
}

}  // namespace vertal::recording
