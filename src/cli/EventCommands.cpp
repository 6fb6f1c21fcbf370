// The commands of the overload and KDS records: each table at a position and each search,
// after opening FILE as the window does. The KDS records are read only from files of the
// recorder version that keeps them; for any other the window's page stays as it was, and the
// tool says why.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/KdsRecords.h"
#include "frames/core/OverloadRecords.h"
#include "frames/core/PagedTable.h"

namespace vertal::cli {
namespace {

constexpr const char* kFileHelp = "dump file (.bin)";
constexpr const char* kDateHelp = "a date typed as dd.mm.yy";

// What the KDS page shows before any search: an empty list and the count's design text.
constexpr std::string_view kKdsList = "ComboBox_KDS";
constexpr std::string_view kKdsCount = "Label_KDS_OtbZap";
constexpr std::string_view kKdsSummary = "Label_MaxM2";
constexpr std::string_view kCountDesignText = "0000";

struct TableOptions {
  std::string file;
  std::int64_t at = 0;
};

struct OverloadSearchOptions {
  std::string file;
  frames::OverloadFields typed;
};

struct KdsSearchOptions {
  std::string file;
  frames::KdsFields typed;
};

std::string KdsNotKeptNote(std::int8_t version) {
  return "Записи КДС есть только в файлах версии " +
         std::to_string(static_cast<int>(frames::kKdsRecorderVersion)) +
         "; версия этого файла: " + std::to_string(static_cast<int>(version));
}

bool KdsKept(const DumpSession& session) {
  return session.Context().recorderVersion == frames::kKdsRecorderVersion;
}

void ReportUnreadable(DumpSession& session) {
  session.Collector().ShowMessage({MessageKind::Error, std::string(dump::kOpenFailedText)});
}

CommandResult RunOverloads(const TableOptions& options) {
  DumpSession session(options.file);
  session.Run();
  const frames::TablePage page = frames::ReadTablePage(
      options.file, frames::OverloadTableLayout(), options.at, session.Context().decimalSeparator);
  Json document = Json::object();
  document["position"] = page.position;
  document["StringGrid_Per_Otb"] = page.columns;
  return session.Finish(std::move(document));
}

CommandResult RunKds(const TableOptions& options) {
  DumpSession session(options.file);
  const frames::TableLayout& layout = frames::KdsTableLayout();
  frames::TablePage page;
  if (session.Run() && !KdsKept(session)) {
    // The scroll bar moves, but nothing is read.
    page = frames::EmptyTablePage(layout, frames::kKdsTableRows);
    page.position = frames::ClampPosition(layout, options.at);
    session.Collector().ShowMessage(
        {MessageKind::Plain, KdsNotKeptNote(session.Context().recorderVersion)});
  } else {
    page =
        frames::ReadTablePage(options.file, layout, options.at, session.Context().decimalSeparator);
  }
  Json document = Json::object();
  document["position"] = page.position;
  document["StringGrid_KDS_Otbor"] = page.columns;
  document["messages"] = session.Collector().MessagesJson();
  return session.Finish(std::move(document));
}

CommandResult RunOverloadSearch(const OverloadSearchOptions& options) {
  // The window refuses fields it cannot read before it searches.
  const auto read = frames::ReadOverloadConditions(options.typed);
  if (const auto* refusal = std::get_if<std::string>(&read)) return BadUsage(*refusal);

  DumpSession session(options.file);
  RecordedControls controls;
  if (session.Run()) {
    frames::ClearOverloadSearchList(controls);
    const auto found =
        frames::SearchOverloads(options.file, std::get<frames::OverloadConditions>(read));
    if (found)
      frames::ShowOverloadSearch(*found, options.typed, controls);
    else
      ReportUnreadable(session);
  }
  return session.FinishWithControls(controls);
}

CommandResult RunKdsSearch(const KdsSearchOptions& options) {
  const auto read = frames::ReadKdsConditions(options.typed);
  if (const auto* refusal = std::get_if<std::string>(&read)) return BadUsage(*refusal);

  DumpSession session(options.file);
  RecordedControls controls;
  if (session.Run()) {
    if (!KdsKept(session)) {
      // The search button does nothing: the page keeps what it showed at start-up.
      controls.SetList(kKdsList, JumpList{});
      controls.SetText(kKdsCount, kCountDesignText);
      controls.SetText(kKdsSummary, "");
      session.Collector().ShowMessage(
          {MessageKind::Plain, KdsNotKeptNote(session.Context().recorderVersion)});
    } else {
      frames::ClearKdsSearchList(controls);
      const auto found = frames::SearchKds(options.file, std::get<frames::KdsConditions>(read));
      if (found)
        frames::ShowKdsSearch(*found, options.typed, controls);
      else
        ReportUnreadable(session);
    }
  }
  return session.FinishWithControls(controls);
}

void AddTableOptions(CLI::App* command, TableOptions& options, const std::string& range) {
  command->add_option("FILE", options.file, kFileHelp)->required();
  command
      ->add_option(
          "--at", options.at,
          "number of the record in the first column; clamped to " + range + " like the scroll bar")
      ->required();
}

void AddDateOptions(CLI::App* command, std::string& from, std::string& to) {
  command->add_option("--from", from, std::string(kDateHelp) + ", first day included")
      ->capture_default_str();
  command->add_option("--to", to, std::string(kDateHelp) + ", last day included")
      ->capture_default_str();
}

}  // namespace

void AddEventCommands(CommandTable& table) {
  auto overloads = std::make_shared<TableOptions>();
  CLI::App* overloadsCommand = table.Add(
      "overloads",
      "The overload table page at a scroll position after opening FILE. Prints {\"position\", "
      "\"StringGrid_Per_Otb\": [9 columns of 7 texts]}.",
      [overloads] { return RunOverloads(*overloads); });
  AddTableOptions(overloadsCommand, *overloads, "0 .. 2591");

  auto kds = std::make_shared<TableOptions>();
  CLI::App* kdsCommand = table.Add(
      "kds",
      "The KDS table page at a scroll position after opening FILE. Prints {\"position\", "
      "\"StringGrid_KDS_Otbor\": [6 columns of 6 texts], \"messages\"}; the grid is empty and "
      "a message says why for a file whose recorder version is not 31.",
      [kds] { return RunKds(*kds); });
  AddTableOptions(kdsCommand, *kds, "0 .. 144");

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
                   "the parameter, 1 to 7, its position in the window's list")
      ->required()
      ->check(CLI::Range(1, frames::kKdsParameterCount));
  AddDateOptions(kdsSearchCommand, kdsSearch->typed.from, kdsSearch->typed.to);
}

}  // namespace vertal::cli
