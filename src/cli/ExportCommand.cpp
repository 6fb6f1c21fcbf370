// export FILE --what KIND --csv OUT.csv: a table of the window after opening FILE, written as
// CSV; the searches run first with the given fields, as "Найти" runs them.

#include <nlohmann/json.hpp>

#include "app/core/TableInputs.h"
#include "cli/Commands.h"
#include "cli/DecimalSeparator.h"
#include "export/core/ExportCommand.h"
#include "reports/core/FrameRangeInput.h"

namespace vertal::cli {
namespace {

using exporting::ExportEnd;
using exporting::TableKind;

Json RowsDocument(const Opening& opening, std::int64_t rows) {
  Json document = Json::object();
  document["messages"] = opening.MessagesJson();
  document["rows"] = rows;
  return document;
}

}  // namespace

CommandResult RunExport(const ExportOptions& given) {
  ExportOptions options = given;
  options.kds.from = options.overloads.from;  // one pair of dates serves both searches
  options.kds.to = options.overloads.to;
  const std::optional<TableKind> kind = exporting::TableKindNamed(options.what);
  if (!kind) return BadUsage("unknown table: " + options.what);

  reports::FrameRange range;
  // Typed fields that the window would refuse are bad usage and open nothing.
  if (*kind == TableKind::Frames) {
    const auto read = reports::ReadFrameRange(options.first, options.last);
    if (const auto* refusal = std::get_if<Message>(&read)) return BadUsage(refusal->text);
    range = std::get<reports::FrameRange>(read);
  }
  const app::TableFields fields{options.overloads, options.kds, range};
  if (auto refusal = app::FieldsRefusal(app::NeedsOf(*kind), fields)) return BadUsage(*refusal);

  const CsvDialect dialect = options.excel ? SpreadsheetDialect(DecimalSeparator()) : MachineDialect();
  Opening opening(options.file, dialect.decimalSeparator);
  if (!opening.Opened()) return opening.Finish(RowsDocument(opening, 0));
  std::optional<app::TableInputs> inputs =
      app::GatherTableInputs(app::NeedsOf(*kind), opening.Document(), fields, opening.Host());
  if (!inputs) return opening.Finish(RowsDocument(opening, 0));
  const exporting::TableSources sources = app::ExportSourcesOf(std::move(*inputs));

  const exporting::ExportResult result =
      exporting::ExportTable(*kind, sources, dialect, options.csv, opening.Host());
  if (result.end == ExportEnd::Unwritable) return BadUsage(exporting::CannotWriteMessage(options.csv));
  CommandResult finished = opening.Finish(RowsDocument(opening, result.rows));
  if (result.end == ExportEnd::Unreadable) {
    finished.status = ExitStatus::CannotOpen;
    finished.error = opening.Host().Messages().back().text;
  }
  return finished;
}

}  // namespace vertal::cli
