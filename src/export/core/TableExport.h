#pragma once
// The tables that the window shows, written as CSV: the frames of a range with the columns of
// the operative report, the records found by the overload and KDS searches with the columns of
// their grids, the four episode lists of the period scan, the load spectrum and the service
// page. Each table is a heading row and one row per record; a record that cannot be read gives
// a row of its number and the mark "БРАК", never another record's values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/CsvWriter.h"
#include "common/core/Host.h"
#include "dump/core/ServicePages.h"
#include "frames/core/PeriodScan.h"
#include "reports/core/CardReport.h"
#include "reports/core/TableReports.h"

namespace vertal::exporting {

enum class TableKind { Frames, Overloads, Kds, Episodes, Spectrum, Service };

// The names of the kinds, in the order of TableKind, as the command line gives them.
inline constexpr std::array<std::string_view, 6> kTableKindNames = {
    "frames", "overloads", "kds", "episodes", "spectrum", "service"};

std::optional<TableKind> TableKindNamed(std::string_view name);

// Each kind reads its part: the file and what the window shows of it.
struct TableSources {
  DumpSource file;
  reports::FrameRange range;                  // frames: the range as typed, not yet clamped
  std::vector<std::int64_t> overloadRecords;  // the records found by the overload search
  std::vector<std::int64_t> kdsRecords;       // the records found by the KDS search
  frames::PeriodPanelModel episodes;          // the lists of the period scan
  reports::CardInputs shown;                  // the service pages and the recorder version
};

// The tables one by one. Those that read the file return false when it cannot be read, which
// is reported once through `host`; the rows written so far are then not to be kept.
bool WriteFrames(CsvWriter& csv, const DumpSource& source, reports::FrameRange range, Host& host);
bool WriteOverloads(CsvWriter& csv, const DumpSource& source,
                    const std::vector<std::int64_t>& records, Host& host);
bool WriteKds(CsvWriter& csv, const DumpSource& source, const std::vector<std::int64_t>& records,
              Host& host);
bool WriteEpisodes(CsvWriter& csv, const DumpSource& source, const frames::PeriodPanelModel& lists,
                   Host& host);
void WriteSpectrum(CsvWriter& csv, const dump::LoadPageModel& load, std::int8_t recorderVersion);
void WriteService(CsvWriter& csv, const reports::CardInputs& shown);

bool WriteTable(TableKind kind, const TableSources& sources, CsvWriter& csv, Host& host);

}  // namespace vertal::exporting
