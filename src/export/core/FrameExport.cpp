// The frames of a range with the columns of the operative report, read a block at a time.

#include <algorithm>
#include <array>

#include "dump/core/RecordAccess.h"
#include "export/core/ExportRows.h"
#include "export/core/TableExport.h"

namespace vertal::exporting {
namespace {

// Frames are read this many at a time.
constexpr std::int64_t kFramesPerRead = 4096;
// A frame that cannot be read shows the mark after its number, as in the report.
constexpr std::size_t kFrameMarkColumn = 1;

constexpr std::array<CsvColumn, reports::kOperativeColumnCount> kFrameColumns = {{
    {"frame", "№ кадра"},
    {"date", "Дата"},
    {"time", "Время"},
    {"angle_deg", "AL, гр"},
    {"length_m", "L, м"},
    {"radius_m", "R, м"},
    {"pressure_atm", "P, атм"},
    {"load_t", "Q, т"},
    {"azimuth_deg", "Ga, гр"},
    {"wind_m_s", "V, м/с"},
    {"kos", "КОС"},
    {"temperature_deg", "t, гр"},
    {"reeving_mode", "Реж./зап."},
    {"load_moment_percent", "M, %"},
    {"relays", "Вых. реле"},
    {"limits", "Коорд. защ."},
    {"inputs_1", "Дискр. вх. 1"},
    {"inputs_2", "Дискр. вх. 2"},
    {"inputs_3", "Дискр. вх. 3"},
    {"error", "Error"},
}};

}  // namespace

bool WriteFrames(CsvWriter& csv, const DumpSource& source, reports::FrameRange range, Host& host) {
  const reports::FrameRange clamped = reports::ClampToRecording(range);
  csv.Header(kFrameColumns);
  const std::string_view separator = csv.Dialect().decimalSeparator;
  const auto cell = [&csv](frames::FrameField field, std::string&& text) {
    if (field == frames::FrameField::Date)
      csv.Date(text);
    else
      csv.Field(text);
  };
  for (std::int64_t first = clamped.first; first <= clamped.last; first += kFramesPerRead) {
    const std::int64_t count = std::min(kFramesPerRead, clamped.last - first + 1);
    const auto block = dump::ReadRecords(source, dump::kFrames, first, count);
    if (!block) {
      dump::ReportUnreadable(host);
      return false;
    }
    for (std::int64_t i = 0; i < count; ++i) {
      const frames::FrameBytes frame = block->Record(i).first<frames::kFrameSize>();
      if (!block->Complete(i) || !frames::FrameValid(frame)) {
        UnreadRow(csv, first + i, kFrameMarkColumn, kFrameColumns.size());
        continue;
      }
      csv.Integer(first + i);
      reports::ForEachFrameCell(frame, separator, cell);
      csv.EndRow();
    }
  }
  return true;
}

}  // namespace vertal::exporting
