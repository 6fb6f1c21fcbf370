#pragma once
// The commands of vertal-cli, one function each, with their options as plain values. The
// command line (CommandLine.cpp) binds the options and runs the chosen command.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliSupport.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameSearch.h"

namespace vertal::cli {

struct TableOptions {
  std::string file;
  std::int64_t at = 0;
};

struct DecodeOptions {
  int row = 0;
  std::string text;
};

struct FrameSearchOptions {
  std::string file;
  frames::FrameSearchFields typed;
};

struct OverloadSearchOptions {
  std::string file;
  events::OverloadFields typed;
};

struct KdsSearchOptions {
  std::string file;
  events::KdsFields typed;
};

struct GraphOptions {
  std::string file;
  std::string kind;  // "param" or "relay"
  std::int64_t at = 0;
};

struct ReportOptions {
  std::string file;
  std::string kind;  // card, oper, per, kds, graph-param or graph-relay
  std::string pdf;   // where the report is written
  std::string first = "0", last = "200";  // the frame-range dialog's texts
  events::OverloadFields overloads;
  events::KdsFields kds;
  std::int64_t at = 0;  // the graph's window
};

struct ExportOptions {
  std::string file;
  std::string what;  // frames, overloads, kds, episodes, spectrum or service
  std::string csv;   // where the table is written
  bool excel = false;  // the spreadsheet dialect of the locale instead of RFC 4180
  std::string first = "0", last = "200";  // frames: the frame-range dialog's texts
  events::OverloadFields overloads;
  events::KdsFields kds;
};

struct ReadOptions {
  std::string out;       // the file the save dialog answers with
  std::string simulate;  // the dump the simulated unit answers from
  std::string fault;     // empty for a unit that behaves
  std::string date;      // dd.mm.yy; empty for today
  std::optional<std::string> name;
  std::optional<std::string> org;
  std::optional<std::string> cert;
  std::optional<std::string> commissioning;
  std::optional<std::string> owner;
  bool operatorCancel = false;
  bool overwrite = false;
};

struct DiffOptions {
  std::string oldFile;  // the earlier reading
  std::string newFile;  // the later reading
};

struct FleetOptions {
  std::vector<std::string> paths;  // dump files and folders
  std::string out;                 // the folder of the tables and cards
  unsigned jobs = 0;               // 0: one per processor core
  bool noPdf = false;
  bool report = false;  // fleet.pdf; only in a build with the window
};

struct HistoryOptions {
  std::vector<std::string> paths;  // dump files and folders
  unsigned jobs = 0;               // 0: one per processor core
};

CommandResult RunCheck(const std::string& file);
CommandResult RunInfo(const std::string& file);
CommandResult RunFrames(const TableOptions& options);
CommandResult RunDecode(const DecodeOptions& options);
CommandResult RunScan(const std::string& file);
CommandResult RunFrameSearch(const FrameSearchOptions& options);
CommandResult RunOverloads(const TableOptions& options);
CommandResult RunKds(const TableOptions& options);
CommandResult RunOverloadSearch(const OverloadSearchOptions& options);
CommandResult RunKdsSearch(const KdsSearchOptions& options);
CommandResult RunGraph(const GraphOptions& options);
CommandResult RunRead(const ReadOptions& options);
CommandResult RunExport(const ExportOptions& options);
CommandResult RunAudit(const std::string& file);
CommandResult RunDays(const std::string& file);
CommandResult RunDiff(const DiffOptions& options);
CommandResult RunFleet(const FleetOptions& options);
CommandResult RunHistory(const HistoryOptions& options);
// Only in a build with the window: the report is drawn with its painter.
CommandResult RunReport(const ReportOptions& options);

// Parses the command line, runs the chosen command and writes its document and errors.
// Returns the exit status. With a `version`, --version prints it.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           std::string_view version = {});

}  // namespace vertal::cli
