#include "recording/core/Findings.h"

#include <utility>

#include "common/core/Bcd.h"

namespace vertal::recording {

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Info: return "info";
    case Severity::Warning: return "warning";
    case Severity::Error: return "error";
  }
  return {};
}

void FindingList::Add(Severity severity, std::string_view check, std::string text,
                      std::optional<std::int64_t> frame) {
  Tally& tally = tallies_[check];
  if (tally.shown >= kPlacesPerCheck) {
    ++tally.left;
    tally.severity = severity;
    return;
  }
  ++tally.shown;
  findings_.push_back({severity, check, std::move(text), frame});
}

std::vector<Finding> FindingList::Take() {
  std::map<std::string_view, std::size_t> last;  // check: its last finding
  for (std::size_t i = 0; i < findings_.size(); ++i) last[findings_[i].check] = i;
  std::vector<Finding> out;
  out.reserve(findings_.size() + tallies_.size());
  for (std::size_t i = 0; i < findings_.size(); ++i) {
    const std::string_view check = findings_[i].check;
    out.push_back(std::move(findings_[i]));
    const Tally& tally = tallies_[check];
    if (last[check] == i && tally.left > 0)
      out.push_back({tally.severity, check, "Таких мест ещё " + std::to_string(tally.left) + ".",
                     std::nullopt});
  }
  findings_.clear();
  tallies_.clear();
  return out;
}

std::string Nominative(std::int64_t n) { return std::to_string(n) + "-й"; }
std::string Genitive(std::int64_t n) { return std::to_string(n) + "-го"; }

std::string MomentText(const frames::FrameRecord& frame) {
  return BcdDateText(frame.Date()) + " " + BcdTimeText(frame.Time());
}

std::string RunText(std::string_view one, std::string_view many, std::int64_t first,
                    std::int64_t last, std::int64_t count) {
  if (count == 1) return std::string(one) + ": " + Nominative(first) + ".";
  return std::string(many) + ": с " + Genitive(first) + " по " + Nominative(last) + ", всего " +
         std::to_string(count) + ".";
}

}  // namespace vertal::recording
