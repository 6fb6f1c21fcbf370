#pragma once
// The shape every search command shares: the typed fields read once (a refusal is shown as an
// error box and searches nothing), then one pass over the records, reported once when the file
// cannot be opened, and the found items presented as the page's model.

#include <optional>
#include <string>
#include <variant>

#include "common/core/Host.h"
#include "common/core/JumpList.h"
#include "common/core/ProgressSink.h"
#include "dump/core/RecordAccess.h"

namespace vertal::records {

// `search(conditions, progress)` gives the found items or nothing when the file cannot be
// opened; `present(found)` makes the model of a finished search.
template <typename Model, typename Conditions, typename Search, typename Present>
PassResult<Model> RunSearchCommand(const std::variant<Conditions, std::string>& read, Host& host,
                                   const PassHooks& hooks, Search&& search, Present&& present) {
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    ShowError(host, *refusal);
    return {PassEnd::Refused, {}};
  }
  hooks.Begin();
  std::optional<JumpList> found = search(std::get<Conditions>(read), hooks.progress);
  if (!found) {
    dump::ReportUnreadable(host);
    return {PassEnd::Unreadable, {}};
  }
  return {PassEnd::Done, present(std::move(*found))};
}

}  // namespace vertal::records
