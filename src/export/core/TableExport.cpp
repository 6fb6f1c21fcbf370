#include "export/core/TableExport.h"

namespace vertal::exporting {

std::optional<TableKind> TableKindNamed(std::string_view name) {
  for (std::size_t k = 0; k < kTableKindNames.size(); ++k)
    if (kTableKindNames[k] == name) return static_cast<TableKind>(k);
  return std::nullopt;
}

bool WriteTable(TableKind kind, const TableSources& sources, CsvWriter& csv, Host& host) {
  switch (kind) {
    case TableKind::Frames: return WriteFrames(csv, sources.file, sources.range, host);
    case TableKind::Overloads: return WriteOverloads(csv, sources.file, sources.overloadRecords, host);
    case TableKind::Kds: return WriteKds(csv, sources.file, sources.kdsRecords, host);
    case TableKind::Episodes: return WriteEpisodes(csv, sources.file, sources.episodes, host);
    case TableKind::Spectrum:
      WriteSpectrum(csv, sources.shown.shown.load, sources.shown.recorderVersion);
      return true;
    case TableKind::Service:
      WriteService(csv, sources.shown);
      return true;
  }
  return false;
}

}  // namespace vertal::exporting
