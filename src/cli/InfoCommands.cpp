// check FILE and info FILE: the checksum pass, and the service and load spectrum pages as
// opening the file fills them, with the controls the file's version hides.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"

namespace vertal::cli {

CommandResult RunCheck(const std::string& file) {
  const Opening opening(file);
  return opening.Finish(opening.VersionAndMessages());
}

CommandResult RunInfo(const std::string& file) {
  const Opening opening(file);
  ControlSnapshot controls;
  if (const auto& opened = opening.Opened()) {
    controls.Add(opened->service.service).Add(opened->service.load);
    dump::VisitHiddenControls(opened->service.service,
                              [&controls](std::string_view name) { controls.Hide(name); });
  }
  Json document = opening.VersionAndMessages();
  document[kControlsKey] = nullptr;
  document["hidden"] = HiddenJson(controls);
  CommandResult result = opening.Finish(std::move(document));
  result.controls = std::move(controls);
  return result;
}

}  // namespace vertal::cli
