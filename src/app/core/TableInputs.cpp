#include "app/core/TableInputs.h"

#include <utility>
#include <variant>

#include "dump/core/RecordAccess.h"

namespace vertal::app {

namespace {

// The records of the last search of a kind over the current file, run now when the last one
// belongs to another file or none ran.
template <typename Run, typename Keep, typename Kept>
std::optional<std::vector<std::int64_t>> Searched(SearchKind kind, SearchShow* show, Run&& run,
                                                  Keep&& keep, Kept&& kept) {
  if (const auto& records = kept(); records) return records;
  const PassHooks hooks = show ? show->Began(kind) : PassHooks{};
  const auto result = run(hooks);
  keep(result);
  if (show) show->Ended(result);
  return kept();
}

}  // namespace

TableNeeds NeedsOf(const reports::ReportRequests& requests) {
  return {requests.overloads, requests.kds};
}

TableNeeds NeedsOf(exporting::TableKind kind) {
  return {kind == exporting::TableKind::Overloads, kind == exporting::TableKind::Kds};
}

std::optional<std::string> FieldsRefusal(const TableNeeds& needs, const TableFields& fields) {
  if (needs.overloadRecords) {
    const auto read = events::ReadOverloadConditions(fields.overloads);
    if (const auto* refusal = std::get_if<std::string>(&read)) return *refusal;
  }
  if (needs.kdsRecords) {
    const auto read = events::ReadKdsConditions(fields.kds);
    if (const auto* refusal = std::get_if<std::string>(&read)) return *refusal;
  }
  return std::nullopt;
}

std::optional<TableInputs> GatherTableInputs(const TableNeeds& needs, DumpDocument& document,
                                             const TableFields& fields, Host& host,
                                             SearchShow* show) {
  if (!document.HasFile()) return std::nullopt;
  if (!document.Opened()) {
    dump::ReportUnreadable(host);
    return std::nullopt;
  }
  const DumpSource file = document.Source();
  const std::string& path = document.Path();
  const std::int8_t version = document.Opened()->recorderVersion;

  TableInputs inputs;
  inputs.file = file;
  inputs.range = fields.range;
  inputs.overloadFields = fields.overloads;
  if (needs.overloadRecords) {
    auto records = Searched(
        SearchKind::Overloads, show,
        [&](const PassHooks& hooks) {
          return events::RunOverloadSearch(file, fields.overloads, host, hooks);
        },
        [&](const auto& result) { document.OverloadSearchRan(path, result); },
        [&]() -> const auto& { return document.OverloadRecords(); });
    if (!records) return std::nullopt;
    inputs.overloadRecords = std::move(*records);
  }
  if (needs.kdsRecords && events::KdsRecordsKept(version)) {
    auto records = Searched(
        SearchKind::Kds, show,
        [&](const PassHooks& hooks) {
          return events::RunKdsSearch(file, version, fields.kds, host, hooks);
        },
        [&](const auto& result) { document.KdsSearchRan(path, result); },
        [&]() -> const auto& { return document.KdsRecords(); });
    if (!records) return std::nullopt;
    inputs.kdsRecords = std::move(*records);
  }

  const OpenedDump& opened = *document.Opened();
  inputs.card = {opened.service, version, document.LastOverloadSearch().summary,
                 document.LastKdsSearch().summary};
  inputs.episodes = opened.period.model;
  return inputs;
}

reports::ReportInputs ReportInputsOf(TableInputs inputs, std::string separator) {
  reports::ReportInputs report;
  report.table = {std::move(inputs.file), std::move(separator), inputs.card.shown.service};
  report.card = std::move(inputs.card);
  report.range = inputs.range;
  report.overloadRecords = std::move(inputs.overloadRecords);
  report.overloadFields = std::move(inputs.overloadFields);
  report.kdsRecords = std::move(inputs.kdsRecords);
  return report;
}

exporting::TableSources ExportSourcesOf(TableInputs inputs) {
  exporting::TableSources sources;
  sources.file = std::move(inputs.file);
  sources.range = inputs.range;
  sources.overloadRecords = std::move(inputs.overloadRecords);
  sources.kdsRecords = std::move(inputs.kdsRecords);
  sources.episodes = std::move(inputs.episodes);
  sources.shown = std::move(inputs.card);
  return sources;
}

}  // namespace vertal::app
