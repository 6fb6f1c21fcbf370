// check FILE: the checksum pass over the long-term records, as opening the file runs it.

#include <memory>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace vertal::cli {
namespace {

CommandResult RunCheck(const std::string& path) {
  DumpSession session(path);
  session.Run();
  return session.Finish(session.VersionAndMessages());
}

}  // namespace

void AddCheckCommands(CommandTable& table) {
  auto file = std::make_shared<std::string>();
  CLI::App* check = table.Add(
      "check",
      "Checksum pass over the long-term records. Prints {\"RecorderVersion\": n, "
      "\"messages\": [...]}.",
      [file] { return RunCheck(*file); });
  check->add_option("FILE", *file, "dump file (.bin)")->required();
}

}  // namespace vertal::cli
