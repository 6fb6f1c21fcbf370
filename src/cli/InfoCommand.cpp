// info FILE: everything that opening the file writes on the service page and the load
// spectrum page, with the controls the file's version hides.

#include <memory>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "dump/core/ServicePresenter.h"

namespace vertal::cli {
namespace {

CommandResult RunInfo(const std::string& path) {
  DumpSession session(path);
  dump::AddServiceStages(session.Sequence());
  session.Run();
  Json document = session.VersionAndMessages();
  document["controls"] = ControlsJson(session.Controls());
  document["hidden"] = HiddenJson(session.Controls());
  return session.Finish(std::move(document));
}

}  // namespace

void AddInfoCommands(CommandTable& table) {
  auto file = std::make_shared<std::string>();
  CLI::App* info = table.Add(
      "info",
      "The service page and the load spectrum page as opening FILE fills them. Prints "
      "{\"RecorderVersion\", \"messages\", \"controls\", \"hidden\"}.",
      [file] { return RunInfo(*file); });
  info->add_option("FILE", *file, "dump file (.bin)")->required();
}

}  // namespace vertal::cli
