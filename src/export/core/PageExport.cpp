// The tables of the pages: the episode lists of the period scan, the load spectrum and the
// service page.

#include <array>

#include "dump/core/RecordAccess.h"
#include "export/core/ExportRows.h"
#include "export/core/TableExport.h"
#include "frames/core/FrameRecord.h"

namespace vertal::exporting {
namespace {

constexpr std::array<CsvColumn, 4> kEpisodeColumns = {{
    {"list", "Список"},
    {"frame", "№ кадра"},
    {"date", "Дата"},
    {"time", "Время"},
}};
// A frame that cannot be read shows the mark in place of its date.
constexpr std::size_t kEpisodeMarkColumn = 2;

constexpr std::array<std::string_view, reports::kLoadTableHeadings.size()> kSpectrumNames = {
    "range", "work_cycles", "load_cycles"};

constexpr std::array<CsvColumn, 2> kServiceColumns = {{
    {"caption", "Параметр"},
    {"value", "Значение"},
}};

struct NamedList {
  std::string_view name;   // for machines
  std::string_view title;  // the title on the page, its colon left off
  const JumpList& list;
};

std::string_view WithoutColon(std::string_view title) {
  if (title.ends_with(':')) title.remove_suffix(1);
  return title;
}

}  // namespace

bool WriteEpisodes(CsvWriter& csv, const DumpSource& source, const frames::PeriodPanelModel& lists,
                   Host& host) {
  // The lists in the order of the page.
  const std::array<NamedList, 4> named = {{
      {"overloads", frames::kOverloadEpisodesTitle, lists.overloads},
      {"tuning", frames::kTuningEpisodesTitle, lists.tuning},
      {"mzon", frames::kMzonEpisodesTitle, lists.mzon},
      {"switch_ons", frames::kSwitchOnEpisodesTitle, lists.switchOns},
  }};
  csv.Header(kEpisodeColumns);
  std::size_t items = 0;
  for (const NamedList& n : named) items += n.list.Count();
  if (items == 0) return true;
  // The lists keep only dates: the times are read from the frames, all in one piece.
  const auto run = dump::ReadRecords(source, dump::kFrames, 0, dump::kFrameCount);
  if (!run) {
    dump::ReportUnreadable(host);
    return false;
  }
  for (const NamedList& n : named) {
    const std::string_view list = csv.Dialect().machineForms ? n.name : WithoutColon(n.title);
    for (const std::int64_t frame : n.list.Numbers()) {
      csv.Field(list);
      csv.Integer(frame);
      const bool valid = frame >= 0 && frame < run->Count() && run->Complete(frame) &&
                         frames::FrameValid(run->Record(frame).first<frames::kFrameSize>());
      if (!valid) {
        for (std::size_t c = kEpisodeMarkColumn; c < kEpisodeColumns.size(); ++c)
          csv.Field(c == kEpisodeMarkColumn ? records::kRecordBad : std::string_view());
        csv.EndRow();
        continue;
      }
      const frames::FrameRecord record(run->Record(frame).first<frames::kFrameSize>());
      csv.Date(BcdDateText(record.Date()));
      csv.Field(BcdTimeText(record.Time()));
      csv.EndRow();
    }
  }
  return true;
}

void WriteSpectrum(CsvWriter& csv, const dump::LoadPageModel& load, std::int8_t recorderVersion) {
  std::array<CsvColumn, kSpectrumNames.size()> columns{};
  for (std::size_t c = 0; c < columns.size(); ++c)
    columns[c] = {kSpectrumNames[c], reports::kLoadTableHeadings[c]};
  csv.Header(columns);
  const auto ranges = reports::LoadRangeCaptions(recorderVersion);
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k) {
    csv.Field(ranges[k]);
    csv.Field(load.workCycles[k]);
    csv.Field(load.loadCycles[k]);
    csv.EndRow();
  }
}

void WriteService(CsvWriter& csv, const reports::CardInputs& shown) {
  csv.Header(kServiceColumns);
  for (const reports::CaptionedValue& row : reports::CardRows(shown)) {
    csv.Field(row.caption);
    csv.Field(row.value);
    csv.EndRow();
  }
}

}  // namespace vertal::exporting
