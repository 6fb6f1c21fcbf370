// check FILE: the checksum pass over the long-term records, as opening the file runs it.

#include <memory>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace vertal::cli {
namespace {

CommandResult RunCheck(const std::string& path) {
  DumpSession session(path);
  const bool opened = session.Run();
  Json document = Json::object();
  if (opened)
    document["RecorderVersion"] = static_cast<int>(session.Context().recorderVersion);
  else
    document["RecorderVersion"] = nullptr;
  document["messages"] = session.Collector().MessagesJson();
  if (!opened) return session.OpenFailure(std::move(document));
  CommandResult result;
  result.document = std::move(document);
  return result;
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
