#pragma once
// The command table of vertal-cli. Each command group adds its subcommands with their options
// and the action that runs when the subcommand is the one chosen.

#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliSupport.h"

namespace vertal::cli {

class CommandTable {
 public:
  using Action = std::function<CommandResult()>;

  explicit CommandTable(CLI::App& app) : app_(app) {}

  // Adds subcommand `name`; its options are bound by the caller to storage that the action
  // reads when it runs.
  CLI::App* Add(const std::string& name, const std::string& description, Action action);

  // The action of the subcommand that the parsed command line chose, if any.
  const Action* Chosen() const;

 private:
  CLI::App& app_;
  std::vector<std::pair<CLI::App*, Action>> commands_;
};

// Command groups, one file each.
void AddCheckCommands(CommandTable& table);
void AddInfoCommands(CommandTable& table);
void AddFrameCommands(CommandTable& table);
void AddGraphCommands(CommandTable& table);
void AddEventCommands(CommandTable& table);

// Parses the command line, runs the chosen command and writes its document and errors.
// Returns the exit status.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace vertal::cli
