// export FILE --what KIND --csv OUT.csv: a table of the window after opening FILE, written as
// CSV; the searches run first with the given fields, as "Найти" runs them.

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

  exporting::TableSources sources;
  sources.path = options.file;
  // Typed fields that the window would refuse are bad usage and open nothing.
  if (*kind == TableKind::Frames) {
    const auto read = reports::ReadFrameRange(options.first, options.last);
    if (const auto* refusal = std::get_if<Message>(&read)) return BadUsage(refusal->text);
    sources.range = std::get<reports::FrameRange>(read);
  }
  if (*kind == TableKind::Overloads) {
    const auto read = events::ReadOverloadConditions(options.overloads);
    if (const auto* refusal = std::get_if<std::string>(&read)) return BadUsage(*refusal);
  }
  if (*kind == TableKind::Kds) {
    const auto read = events::ReadKdsConditions(options.kds);
    if (const auto* refusal = std::get_if<std::string>(&read)) return BadUsage(*refusal);
  }

  const CsvDialect dialect = options.excel ? SpreadsheetDialect(DecimalSeparator()) : MachineDialect();
  Opening opening(options.file, dialect.decimalSeparator);
  if (!opening.Opened()) return opening.Finish(RowsDocument(opening, 0));
  const app::OpenedDump& opened = *opening.Opened();
  // Just opened: no search has filled the two summaries yet.
  sources.shown = {opened.service, opened.recorderVersion, std::string(), std::string()};
  sources.episodes = opened.period.model;
  if (*kind == TableKind::Overloads) {
    const auto found = events::RunOverloadSearch(options.file, options.overloads, opening.Host());
    if (found.end != PassEnd::Done) return opening.Finish(RowsDocument(opening, 0));
    sources.overloadRecords = found.model.found.Numbers();
  }
  if (*kind == TableKind::Kds && events::KdsRecordsKept(opened.recorderVersion)) {
    const auto found =
        events::RunKdsSearch(options.file, opened.recorderVersion, options.kds, opening.Host());
    if (found.end != PassEnd::Done) return opening.Finish(RowsDocument(opening, 0));
    sources.kdsRecords = found.model.found.Numbers();
  }

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
