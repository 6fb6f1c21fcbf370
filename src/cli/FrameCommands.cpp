// The frame commands: the frame table at a position, the code decoder, the recording-period
// scan and the frame search, each after opening FILE as the window does.

#include <cstdint>
#include <memory>
#include <string>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "frames/core/PeriodScan.h"

namespace vertal::cli {
namespace {

constexpr const char* kFileHelp = "dump file (.bin)";
// The caption of the threshold field, as its refusal names it.
constexpr const char* kThresholdCaption = "Загрузка M%";

struct FramesOptions {
  std::string file;
  std::int64_t at = 0;
};

struct DecodeOptions {
  int row = 0;
  std::string text;
};

struct SearchOptions {
  std::string file;
  std::string threshold = "0";  // the field's design text
  bool limits = false;
  bool faults = false;
};

CommandResult RunFrames(const FramesOptions& options) {
  DumpSession session(options.file);
  session.Run();
  const frames::TablePage page = frames::ReadTablePage(
      options.file, frames::FrameTableLayout(), options.at, session.Context().decimalSeparator);
  Json document = Json::object();
  document["position"] = page.position;
  document["StringGrid_O_Otb"] = page.columns;
  return session.Finish(std::move(document));
}

CommandResult RunDecode(const DecodeOptions& options) {
  CommandResult result;
  result.document["message"] = frames::DecodeCell(options.row, options.text).value_or("");
  return result;
}

CommandResult RunScan(const std::string& file) {
  DumpSession session(file);
  frames::AddPeriodScanStage(session.Sequence());
  session.Run();
  return session.FinishWithControls(session.Controls());
}

CommandResult RunSearch(const SearchOptions& options) {
  // The window refuses a threshold that is no whole number before it searches.
  const std::optional<int> threshold = frames::ParseWholeNumber(options.threshold);
  if (!threshold)
    return BadUsage(frames::NotWholeNumberMessage(kThresholdCaption, options.threshold));

  DumpSession session(options.file);
  RecordedControls controls;
  if (session.Run()) {
    frames::ClearFrameSearchList(controls);
    const frames::FrameConditions conditions{*threshold, options.limits, options.faults};
    if (const auto found = frames::SearchFrames(options.file, conditions))
      frames::ShowFrameSearch(*found, controls);
    else
      session.Collector().ShowMessage({MessageKind::Error, std::string(dump::kOpenFailedText)});
  }
  return session.FinishWithControls(controls);
}

}  // namespace

void AddFrameCommands(CommandTable& table) {
  auto page = std::make_shared<FramesOptions>();
  CLI::App* framesCommand = table.Add(
      "frames",
      "The frame table page at a scroll position after opening FILE. Prints {\"position\", "
      "\"StringGrid_O_Otb\": [5 columns of 21 texts]}.",
      [page] { return RunFrames(*page); });
  framesCommand->add_option("FILE", page->file, kFileHelp)->required();
  framesCommand
      ->add_option("--at", page->at,
                   "number of the frame in the first column; clamped to "
                   "0 .. 270331 like the scroll bar")
      ->required();

  auto decode = std::make_shared<DecodeOptions>();
  CLI::App* decodeCommand = table.Add(
      "decode",
      "What the code decoder shows for a cell of the frame table. Prints {\"message\"} (\"\" "
      "when it shows nothing).",
      [decode] { return RunDecode(*decode); });
  decodeCommand->add_option("ROW", decode->row, "row of the cell, 0 to 20")->required();
  decodeCommand->add_option("TEXT", decode->text, "text of the cell")->required();

  auto scanFile = std::make_shared<std::string>();
  CLI::App* scanCommand = table.Add(
      "scan",
      "The recording period and the four episode lists as opening FILE fills them. Prints "
      "{\"messages\", \"controls\"}.",
      [scanFile] { return RunScan(*scanFile); });
  scanCommand->add_option("FILE", *scanFile, kFileHelp)->required();

  auto search = std::make_shared<SearchOptions>();
  CLI::App* searchCommand =
      table.Add("search-frames",
                "The frame search after opening FILE. Prints {\"messages\", \"controls\": "
                "{\"ComboBox_Cikl\", \"Label_O_OtbZap\"}}.",
                [search] { return RunSearch(*search); });
  searchCommand->add_option("FILE", search->file, kFileHelp)->required();
  searchCommand->add_option("--threshold", search->threshold,
                            "load moment in percent, a whole number (default 0)");
  searchCommand->add_flag("--limits", search->limits, "also frames with a triggered limit");
  searchCommand->add_flag("--faults", search->faults, "also frames with a fault code");
}

}  // namespace vertal::cli
