// The commands of the overload and KDS records: each table at a position and each search,
// after opening FILE as the window does. A file that keeps no KDS records shows an empty KDS
// page, and the note the page shows is printed among the messages.

#include <nlohmann/json.hpp>

#include "cli/Commands.h"

namespace vertal::cli {

namespace {

void AddKdsNote(Opening& opening) {
  if (!opening.Opened() || opening.Opened()->kds.note.empty()) return;
  ShowPlain(opening.Host(), opening.Opened()->kds.note);
}

}  // namespace

CommandResult RunOverloads(const TableOptions& options) {
  Opening opening(options.file);
  const records::TableLayout& layout = events::OverloadTableLayout();
  return opening.Finish(TablePageJson(layout.grid, TurnTablePage(opening, layout, options.at)));
}

CommandResult RunKds(const TableOptions& options) {
  Opening opening(options.file);
  const records::TableLayout& layout = events::KdsTableLayout();
  const records::TablePage page =
      opening.Opened() ? events::TurnKdsPage(options.file, opening.Opened()->recorderVersion,
                                             options.at, opening.Separator(), opening.Host())
                       : TurnTablePage(opening, layout, options.at);
  AddKdsNote(opening);
  Json document = TablePageJson(layout.grid, page);
  document["messages"] = opening.MessagesJson();
  return opening.Finish(std::move(document));
}

CommandResult RunOverloadSearch(const OverloadSearchOptions& options) {
  return SearchDocument(events::ReadOverloadConditions(options.typed), options.file,
                        [&](Opening& opening, ControlSnapshot& controls) {
                          controls.Add(events::RunOverloadSearch(options.file, options.typed,
                                                                 opening.Host())
                                           .model);
                        });
}

CommandResult RunKdsSearch(const KdsSearchOptions& options) {
  return SearchDocument(events::ReadKdsConditions(options.typed), options.file,
                        [&](Opening& opening, ControlSnapshot& controls) {
                          controls.Add(events::RunKdsSearch(options.file,
                                                            opening.Opened()->recorderVersion,
                                                            options.typed, opening.Host())
                                           .model);
                          AddKdsNote(opening);
                        });
}

}  // namespace vertal::cli
