// The command line of vertal-cli: every command with its options, the parse, the run of the
// chosen command and the exit statuses.

#include <CLI/CLI.hpp>
#include <exception>
#include <functional>
#include <memory>
#include <ostream>

#include "cli/Commands.h"
#include "cli/Painting.h"
#include "export/core/TableExport.h"
#include "frames/core/FrameTable.h"
#include "graphs/core/GraphWindow.h"
#include "link/core/OperatorEntry.h"

namespace vertal::cli {
namespace {

constexpr const char* kProgram = "vertal-cli";
constexpr const char* kFileHelp = "dump file (.bin)";
constexpr const char* kPathsHelp =
    "dump files (taken whatever their name) and folders (searched through for *.bin in any case)";
constexpr const char* kJobsHelp = "files read at a time; default one per core";
constexpr const char* kDateHelp = "a date typed as dd.mm.yy";

using Action = std::function<CommandResult()>;

// Explanations on standard error are one line each.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

std::string Range(std::int64_t last) {
  return "0 .. " + std::to_string(last);
}

class CommandTable {
 public:
  explicit CommandTable(CLI::App& app) : app_(app) {}

  // Adds subcommand `name`; its options are bound by the caller to storage that the action
  // reads when it runs.
  CLI::App* Add(const std::string& name, const std::string& description, Action action) {
    CLI::App* sub = app_.add_subcommand(name, description);
    commands_.emplace_back(sub, std::move(action));
    return sub;
  }

  // The action of the subcommand that the parsed command line chose, if any.
  const Action* Chosen() const {
    for (const auto& [sub, action] : commands_)
      if (sub->parsed()) return &action;
    return nullptr;
  }

 private:
  CLI::App& app_;
  std::vector<std::pair<CLI::App*, Action>> commands_;
};

void AddFileCommand(CommandTable& table, const std::string& name, const std::string& description,
                    CommandResult (*run)(const std::string&)) {
  auto file = std::make_shared<std::string>();
  table.Add(name, description, [file, run] { return run(*file); })
      ->add_option("FILE", *file, kFileHelp)
      ->required();
}

void AddTableCommand(CommandTable& table, const std::string& name, const std::string& description,
                     const records::TableLayout& layout, CommandResult (*run)(const TableOptions&),
                     const std::string& recordNoun = "record") {
  auto options = std::make_shared<TableOptions>();
  CLI::App* command = table.Add(name, description, [options, run] { return run(*options); });
  command->add_option("FILE", options->file, kFileHelp)->required();
  command
      ->add_option("--at", options->at,
                   "number of the " + recordNoun + " in the first column; clamped to " +
                       Range(layout.MaxPosition()) + " like the scroll bar")
      ->required();
}

void AddDateOptions(CLI::App* command, std::string& from, std::string& to) {
  command->add_option("--from", from, std::string(kDateHelp) + ", first day included")
      ->capture_default_str();
  command->add_option("--to", to, std::string(kDateHelp) + ", last day included")
      ->capture_default_str();
}

// The window's fields that a print or export command takes, in the order of its help: the frame
// range and the fields of both searches. `framesKind`, `overloadsKind` and `kdsKind` name the
// kinds that use them.
void AddTableFieldOptions(CLI::App* command, std::string& first, std::string& last,
                          events::OverloadFields& overloads, events::KdsFields& kds,
                          const std::string& framesKind, const std::string& overloadsKind,
                          const std::string& kdsKind) {
  command->add_option("--first", first, framesKind + ": first frame, a whole number")
      ->capture_default_str();
  command->add_option("--last", last, framesKind + ": last frame, above --first")
      ->capture_default_str();
  command->add_option("--threshold", overloads.threshold, overloadsKind + ": load in percent")
      ->capture_default_str();
  command->add_option("--parameter", kds.parameter,
                      kdsKind + ": the parameter, 1 to " + std::to_string(events::kKdsParameterCount))
      ->capture_default_str()
      ->check(CLI::Range(1, events::kKdsParameterCount));
  // --from and --to serve the overload search and the KDS search alike.
  command->add_option("--from", overloads.from, std::string(kDateHelp) + ", first day")
      ->capture_default_str();
  command->add_option("--to", overloads.to, std::string(kDateHelp) + ", last day")
      ->capture_default_str();
}

#ifdef VERTAL_CLI_REPORTS
void AddReportCommand(CommandTable& table) {
  auto report = std::make_shared<ReportOptions>();
  CLI::App* command = table.Add(
      "report",
      "The print command after opening FILE, the report written as a PDF instead of shown in "
      "its preview. Prints {\"messages\", \"pages\"}; a report that the window would not "
      "build writes nothing and counts 0 pages.",
      [report] { return RunReport(*report); });
  command->add_option("FILE", report->file, kFileHelp)->required();
  command->add_option("--kind", report->kind, "card, oper, per, kds, graph-param or graph-relay")
      ->required()
      ->check(CLI::IsMember({"card", "oper", "per", "kds", "graph-param", "graph-relay"}));
  command->add_option("--pdf", report->pdf, "the PDF file to write")->required();
  AddTableFieldOptions(command, report->first, report->last, report->overloads, report->kds, "oper",
                       "per", "kds");
  command->add_option("--at", report->at,
                      "graph-param, graph-relay: first frame of the window; clamped to " +
                          Range(graphs::kMaxPosition));
}
#endif

// The dump files and folders of a command over many files, and the threads that read them.
void AddFileRunOptions(CLI::App* command, std::vector<std::string>& paths, unsigned& jobs) {
  command->add_option("PATH", paths, kPathsHelp)->required();
  command->add_option("--jobs", jobs, kJobsHelp)->check(CLI::PositiveNumber);
}

void AddFleetCommand(CommandTable& table) {
  auto fleet = std::make_shared<FleetOptions>();
#ifdef VERTAL_CLI_REPORTS
  constexpr const char* kCards =
      " Each read dump's information card is written beside them as STEM-SHA8.pdf unless "
      "--no-pdf. With --report, fleet.pdf too: the cranes by design life used, then each "
      "crane's history chart and readings.";
#else
  constexpr const char* kCards = " This build has no window: it writes no PDF cards.";
#endif
  CLI::App* command = table.Add(
      "fleet",
      std::string("Reads many dump files into two tables in DIR: cranes.csv (one row per file, "
                  "its identification, counters, classification, period and counts, and an "
                  "error column) and events.csv (one row per episode of the period scan, per "
                  "overload record and per KDS record, joined to cranes.csv by sha256).") +
          kCards +
          " Prints {\"files\", \"failed\", \"events\", \"pdfs\", \"out\", \"report\"}; "
          "exit status 1 when a file could not be read.",
      [fleet] { return RunFleet(*fleet); });
  AddFileRunOptions(command, fleet->paths, fleet->jobs);
  command->add_option("--out", fleet->out, "the folder to write into (made when missing)")
      ->required();
  command->add_flag("--no-pdf", fleet->noPdf, "write no information cards");
#ifdef VERTAL_CLI_REPORTS
  command->add_flag("--report", fleet->report,
                    "also write the fleet report fleet.pdf from the cranes' histories");
#endif
}

void AddHistoryCommand(CommandTable& table) {
  auto history = std::make_shared<HistoryOptions>();
  CLI::App* command = table.Add(
      "history",
      "Each crane's history over all its readings under the paths (one limiter on one crane: "
      "the same limiter serial, crane serial and model), in the order of the readout dates: "
      "every counter and its change per period, the design life used per period, the "
      "overloads above 125 % recorded per period, findings (counters lower than before, "
      "readings of one day, clock faults, a changed group) and the day the normative "
      "characteristic number is reached by a least-squares line over the readings since the "
      "last reset. Prints {\"messages\", \"files\", \"cranes\": [...], \"failed\": "
      "[{\"file\", \"error\"}...]}; exit status 1 when a file could not be read.",
      [history] { return RunHistory(*history); });
  AddFileRunOptions(command, history->paths, history->jobs);
}

void AddExportCommand(CommandTable& table) {
  auto exported = std::make_shared<ExportOptions>();
  CLI::App* command = table.Add(
      "export",
      "A table of the window after opening FILE, written as CSV: RFC 4180 with ISO dates and "
      "ASCII column names, or with --excel the spreadsheet dialect of the locale (Russian "
      "headings, the locale's decimal separator, \";\" between fields under a decimal comma). "
      "Prints {\"messages\", \"rows\"}.",
      [exported] { return RunExport(*exported); });
  command->add_option("FILE", exported->file, kFileHelp)->required();
  std::vector<std::string> kinds(exporting::kTableKindNames.begin(),
                                 exporting::kTableKindNames.end());
  command->add_option("--what", exported->what, "frames, overloads, kds, episodes, spectrum or service")
      ->required()
      ->check(CLI::IsMember(kinds));
  command->add_option("--csv", exported->csv, "the CSV file to write")->required();
  command->add_flag("--excel", exported->excel, "the spreadsheet dialect of the current locale");
  AddTableFieldOptions(command, exported->first, exported->last, exported->overloads,
                       exported->kds, "frames", "overloads", "kds");
}

void AddCommands(CommandTable& table) {
  AddFileCommand(table, "check",
                 "Checksum pass over the long-term records. Prints {\"RecorderVersion\": n, "
                 "\"messages\": [...]}.",
                 RunCheck);
  AddFileCommand(table, "info",
                 "The service page and the load spectrum page as opening FILE fills them. Prints "
                 "{\"RecorderVersion\", \"messages\", \"controls\", \"hidden\"}.",
                 RunInfo);

  AddTableCommand(table, "frames",
                  "The frame table page at a scroll position after opening FILE. Prints "
                  "{\"position\", \"StringGrid_O_Otb\": [5 columns of 21 texts]}.",
                  frames::FrameTableLayout(), RunFrames, "frame");

  auto decode = std::make_shared<DecodeOptions>();
  CLI::App* decodeCommand = table.Add(
      "decode",
      "What the code decoder shows for a cell of the frame table. Prints {\"message\"} (\"\" "
      "when it shows nothing).",
      [decode] { return RunDecode(*decode); });
  decodeCommand
      ->add_option("ROW", decode->row,
                   "row of the cell, " + Range(frames::FrameTableLayout().rows - 1))
      ->required();
  decodeCommand->add_option("TEXT", decode->text, "text of the cell")->required();

  AddFileCommand(table, "scan",
                 "The recording period and the four episode lists as opening FILE fills them. "
                 "Prints {\"messages\", \"controls\"}.",
                 RunScan);

  AddFileCommand(table, "audit",
                 "Integrity audit of the whole recording: size, SHA-256, the ring of frames, the "
                 "frames' clock, the two banks and the counters. Prints {\"messages\", "
                 "\"findings\": [{\"severity\", \"check\", \"text\", \"frame\"}...], "
                 "\"sha256\", \"size\"}.",
                 RunAudit);
  AddFileCommand(table, "days",
                 "Journal of the recording by calendar day, as the page shows it. Prints "
                 "{\"messages\", \"controls\": {\"Grid_Days\": the cells column by column}}.",
                 RunDays);

  auto diff = std::make_shared<DiffOptions>();
  CLI::App* diffCommand = table.Add(
      "diff",
      "Two readings of one crane compared. Prints {\"messages\", \"old\", \"new\": "
      "{\"file\", \"reading_date\"}, \"refused\", \"warning\", \"counters\": [{\"name\", "
      "\"old\", \"new\", \"change\"}...], \"life_used\", \"normative_date\": {\"value\", "
      "\"text\"}, \"new_episodes\": {\"overloads\", \"tuning\", \"mzon\", \"switch_ons\"}, "
      "\"new_overloads\", \"new_kds\": [{\"text\", \"n\", \"fields\"}...]}; files of "
      "different cranes are refused in \"refused\" with status 0.",
      [diff] { return RunDiff(*diff); });
  diffCommand->add_option("OLD", diff->oldFile, "the earlier reading (.bin)")->required();
  diffCommand->add_option("NEW", diff->newFile, "the later reading (.bin)")->required();

  auto search = std::make_shared<FrameSearchOptions>();
  CLI::App* searchCommand =
      table.Add("search-frames",
                "The frame search after opening FILE. Prints {\"messages\", \"controls\": "
                "{\"ComboBox_Cikl\", \"Label_O_OtbZap\"}}.",
                [search] { return RunFrameSearch(*search); });
  searchCommand->add_option("FILE", search->file, kFileHelp)->required();
  searchCommand->add_option("--threshold", search->typed.threshold,
                            "load moment in percent, a whole number (default 0)");
  searchCommand->add_flag("--limits", search->typed.limits, "also frames with a triggered limit");
  searchCommand->add_flag("--faults", search->typed.faults, "also frames with a fault code");

  AddTableCommand(table, "overloads",
                  "The overload table page at a scroll position after opening FILE. Prints "
                  "{\"position\", \"StringGrid_Per_Otb\": [9 columns of 7 texts]}.",
                  events::OverloadTableLayout(), RunOverloads);
  AddTableCommand(table, "kds",
                  "The KDS table page at a scroll position after opening FILE. Prints "
                  "{\"position\", \"StringGrid_KDS_Otbor\": [6 columns of 6 texts], "
                  "\"messages\"}; the grid is empty and a message says why for a file whose "
                  "recorder version is not 31.",
                  events::KdsTableLayout(), RunKds);

  auto overloadSearch = std::make_shared<OverloadSearchOptions>();
  CLI::App* overloadSearchCommand =
      table.Add("search-overloads",
                "The overload search after opening FILE. Prints {\"messages\", \"controls\": "
                "{\"ComboBox_Per\", \"Label_Per_OtbZap\", \"Label_MaxM1\"}}.",
                [overloadSearch] { return RunOverloadSearch(*overloadSearch); });
  overloadSearchCommand->add_option("FILE", overloadSearch->file, kFileHelp)->required();
  overloadSearchCommand
      ->add_option("--threshold", overloadSearch->typed.threshold,
                   "load in percent, a whole number; records at or above it are selected")
      ->capture_default_str();
  AddDateOptions(overloadSearchCommand, overloadSearch->typed.from, overloadSearch->typed.to);

  auto kdsSearch = std::make_shared<KdsSearchOptions>();
  CLI::App* kdsSearchCommand = table.Add(
      "search-kds",
      "The KDS search after opening FILE. Prints {\"messages\", \"controls\": "
      "{\"ComboBox_KDS\", \"Label_KDS_OtbZap\", \"Label_MaxM2\"}}; nothing is searched in a "
      "file whose recorder version is not 31.",
      [kdsSearch] { return RunKdsSearch(*kdsSearch); });
  kdsSearchCommand->add_option("FILE", kdsSearch->file, kFileHelp)->required();
  kdsSearchCommand
      ->add_option("--parameter", kdsSearch->typed.parameter,
                   "the parameter, 1 to " + std::to_string(events::kKdsParameterCount) +
                       ", its position in the window's list")
      ->required()
      ->check(CLI::Range(1, events::kKdsParameterCount));
  AddDateOptions(kdsSearchCommand, kdsSearch->typed.from, kdsSearch->typed.to);

  auto graph = std::make_shared<GraphOptions>();
  CLI::App* graphCommand =
      table.Add("graph",
                "The points of one window of 2,048 frames of a graph after opening FILE. Prints "
                "{\"position\", \"axis\", \"title\", \"series\", \"messages\"}.",
                [graph] { return RunGraph(*graph); });
  graphCommand->add_option("FILE", graph->file, kFileHelp)->required();
  graphCommand
      ->add_option("--kind", graph->kind, "param (parameters) or relay (coordinate protection)")
      ->required()
      ->check(CLI::IsMember({"param", "relay"}));
  graphCommand
      ->add_option("--at", graph->at,
                   "first frame of the window; clamped to " + Range(graphs::kMaxPosition) +
                       " like the scroll bar")
      ->required();

#ifdef VERTAL_CLI_REPORTS
  AddReportCommand(table);
#endif
  AddExportCommand(table);
  AddFleetCommand(table);
  AddHistoryCommand(table);

  auto read = std::make_shared<ReadOptions>();
  CLI::App* readCommand = table.Add(
      "read",
      "The Read command against a simulated processing unit that answers from the dump "
      "SRC.bin, then the opening of the new file as Open does; the save dialog answers OUT.bin "
      "and the operator dialog is closed with \"Запись\" unless --operator-cancel. Prints "
      "{\"status\", \"colours\", \"messages\", \"panel0\", \"unit_ident\", \"size\", "
      "\"partial\", \"notice\"}.",
      [read] { return RunRead(*read); });
  readCommand->add_option("OUT", read->out, "the dump file to write (.bin)")->required();
  readCommand->add_option("--simulate", read->simulate, "the dump the simulated unit answers from")
      ->required();
  readCommand->add_option("--fault", read->fault,
                          "no-unit, silent-ident, silent-from-page:K, corrupt-page:K or "
                          "error-page:K:C");
  readCommand->add_option("--date", read->date, std::string(kDateHelp) + "; default today");
  readCommand->add_option(
      "--name", read->name,
      std::string("who read the information; default ") + link::kDefaultOperatorName);
  readCommand->add_option(
      "--org", read->org,
      std::string("the reader's organisation; default ") + link::kDefaultOperatorOrg);
  readCommand->add_option("--cert", read->cert,
                          std::string("the certificate number, 10 characters stored; default ") +
                              link::kDefaultCertificate);
  readCommand->add_option(
      "--commissioning", read->commissioning,
      "the commissioning organisation, written into the unit's crane record; default the "
      "unit's own text, sent back unchanged");
  readCommand->add_option("--owner", read->owner, "the crane's owner; default empty");
  readCommand->add_flag("--operator-cancel", read->operatorCancel,
                        "close the operator dialog without \"Запись\"");
  readCommand->add_flag("--overwrite", read->overwrite, "OUT may be replaced");
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
        std::string_view version) {
  CLI::App app{
      "Analysis of VERTAL recorder dump files. Prints one JSON document with the texts "
      "that the window shows.",
      kProgram};
  app.require_subcommand(1);
  if (!version.empty())
    app.set_version_flag("--version", std::string(kProgram) + " " + std::string(version),
                         "print the version and exit");
  CommandTable table(app);
  AddCommands(table);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) {  // --help, --version
      app.exit(e, out, err);
      return static_cast<int>(ExitStatus::Ok);
    }
    err << kProgram << ": " << OneLine(e.what()) << " (see " << kProgram << " --help)\n";
    return static_cast<int>(ExitStatus::BadUsage);
  }

  const Action* action = table.Chosen();
  if (action == nullptr) {
    err << kProgram << ": no command given (see " << kProgram << " --help)\n";
    return static_cast<int>(ExitStatus::BadUsage);
  }
  const CommandResult result = (*action)();
  if (result.status == ExitStatus::BadUsage) {
    err << kProgram << ": " << OneLine(result.error) << '\n';
  } else {
    WriteDocument(out, result);
    if (!result.error.empty()) err << result.error << '\n';
  }
  out.flush();
  return static_cast<int>(result.status);
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::string_view version) {
  RememberCommandLine(argc, argv);
  try {
    return Run(argc, argv, out, err, version);
  } catch (const std::exception& e) {
    // Not expected from any input: a fault of the tool, told apart from the statuses of
    // files and usage.
    err << kProgram << ": internal error: " << OneLine(e.what()) << '\n';
  } catch (...) {
    err << kProgram << ": internal error\n";
  }
  return static_cast<int>(ExitStatus::InternalError);
}

}  // namespace vertal::cli
