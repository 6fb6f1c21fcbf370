#include "cli/Commands.h"

#include <exception>
#include <ostream>

namespace vertal::cli {
namespace {

constexpr const char* kProgram = "vertal-cli";

// Explanations on standard error are one line each.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

}  // namespace

CLI::App* CommandTable::Add(const std::string& name, const std::string& description,
                            Action action) {
  CLI::App* sub = app_.add_subcommand(name, description);
  commands_.emplace_back(sub, std::move(action));
  return sub;
}

const CommandTable::Action* CommandTable::Chosen() const {
  for (const auto& [sub, action] : commands_)
    if (sub->parsed()) return &action;
  return nullptr;
}

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  try {
    CLI::App app{
        "Analysis of VERTAL recorder dump files. Prints one JSON document with the texts "
        "that the window shows.",
        kProgram};
    app.require_subcommand(1);
    CommandTable table(app);
    AddCheckCommands(table);
    AddInfoCommands(table);
    AddFrameCommands(table);
    AddEventCommands(table);
    AddGraphCommands(table);

    try {
      app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
      if (e.get_exit_code() == 0) {  // --help
        app.exit(e, out, err);
        return static_cast<int>(ExitStatus::Ok);
      }
      err << kProgram << ": " << OneLine(e.what()) << " (see " << kProgram << " --help)\n";
      return static_cast<int>(ExitStatus::BadUsage);
    }

    const CommandTable::Action* action = table.Chosen();
    if (action == nullptr) {
      err << kProgram << ": no command given (see " << kProgram << " --help)\n";
      return static_cast<int>(ExitStatus::BadUsage);
    }
    const CommandResult result = (*action)();
    if (result.status == ExitStatus::BadUsage) {
      err << kProgram << ": " << OneLine(result.error) << '\n';
    } else {
      WriteDocument(out, result.document);
      if (!result.error.empty()) err << result.error << '\n';
    }
    out.flush();
    return static_cast<int>(result.status);
  } catch (const std::exception& e) {
    // Not expected from any input; reported instead of ending in an abort.
    err << kProgram << ": internal error: " << OneLine(e.what()) << '\n';
    return static_cast<int>(ExitStatus::CannotOpen);
  }
}

}  // namespace vertal::cli
