#include "history/core/CraneHistory.h"

namespace vertal::history {

std::string_view FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::CounterLower: return "counter_lower";
    case FindingKind::SameDay: return "same_day";
    case FindingKind::ClockFindings: return "clock";
    case FindingKind::GroupChanged: return "group_changed";
  }
  return {};
}

FleetHistory ReadHistory(const HistoryRun&, const ProgressSink&) { return {}; }

FileHistory HistoryOfFile(const std::string&, const std::string&, unsigned, std::string_view,
                          const ProgressSink&) {
  return {};
}

}  // namespace vertal::history
