#include "history/core/CraneHistory.h"

#include <algorithm>

namespace vertal::history {

std::string_view FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::CounterLower:
      return "counter_lower";
    case FindingKind::SameDay:
      return "same_day";
    case FindingKind::ClockFindings:
      return "clock";
    case FindingKind::GroupChanged:
      return "group_changed";
  }
  return {};
}

std::vector<const CraneHistory*> ByLifeUsed(const std::vector<CraneHistory>& cranes) {
  std::vector<const CraneHistory*> sorted;
  for (const CraneHistory& c : cranes) sorted.push_back(&c);
  std::stable_sort(sorted.begin(), sorted.end(), [](const CraneHistory* a, const CraneHistory* b) {
    if (a->lifeUsedPercent.has_value() != b->lifeUsedPercent.has_value())
      return a->lifeUsedPercent.has_value();
    return a->lifeUsedPercent > b->lifeUsedPercent;
  });
  return sorted;
}

}  // namespace vertal::history
