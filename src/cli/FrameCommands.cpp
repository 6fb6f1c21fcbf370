// The frame commands: the frame table at a position, the code decoder, the recording-period
// scan and the frame search, each after opening FILE as the window does.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameTable.h"

namespace vertal::cli {

CommandResult RunFrames(const TableOptions& options) {
  Opening opening(options.file);
  const records::TableLayout& layout = frames::FrameTableLayout();
  return opening.Finish(TablePageJson(layout.grid, TurnTablePage(opening, layout, options.at)));
}

CommandResult RunDecode(const DecodeOptions& options) {
  CommandResult result;
  result.document["message"] = frames::DecodeCell(options.row, options.text).value_or("");
  return result;
}

CommandResult RunScan(const std::string& file) {
  const Opening opening(file);
  ControlSnapshot controls;
  if (const auto& opened = opening.Opened()) controls.Add(opened->period.model);
  return opening.FinishWithControls(controls);
}

CommandResult RunFrameSearch(const FrameSearchOptions& options) {
  return SearchDocument(frames::ReadFrameConditions(options.typed), options.file,
                        [&](Opening& opening, ControlSnapshot& controls) {
                          controls.Add(frames::RunFrameSearch(options.file, options.typed,
                                                              opening.Host())
                                           .model);
                        });
}

}  // namespace vertal::cli
