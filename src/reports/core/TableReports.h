#pragma once
// The three table reports: the frames of a range ("Оперативная информация"), the overload
// records and the KDS records found by the last search of their kind. Each reads its records
// from the current file when it is built; a file that cannot be read is reported once per
// report.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"
#include "dump/core/ServicePages.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameRecord.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {

// The frames of the operative report, both included.
struct FrameRange {
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// The columns of the operative report: the frame number, then one per frame field.
inline constexpr std::size_t kOperativeColumnCount = frames::kFrameFieldCount + 1;

// The range within the recording: frame numbers outside it name no frame.
FrameRange ClampToRecording(FrameRange range);

// The cells of a frame's line after its number, in column order, as the report prints them.
void ForEachFrameCell(frames::FrameBytes frame, std::string_view separator,
                      const std::function<void(frames::FrameField, std::string&&)>& cell);

// What every table report shares: the file, the number format and the crane's labels for
// the titles.
struct TableSource {
  DumpSource file;
  std::string separator;
  dump::ServicePageModel shown;  // Label_MKran, Label_NKran, Label_NVERTAL as the window shows them
};

// The valid frames of the range, one line each, read as the pages fill. Frame numbers outside
// the recording are left out.
ReportBuilder OperativeReport(const TableSource& source, FrameRange range, Host& host);

// The overload records of `records`, in that order; "не было!" with the typed search fields
// when there are none.
ReportBuilder OverloadReport(const TableSource& source, const std::vector<std::int64_t>& records,
                             const events::OverloadFields& typed, Host& host);

// The KDS records of `records`, in that order.
ReportBuilder KdsReport(const TableSource& source, const std::vector<std::int64_t>& records,
                        Host& host);

}  // namespace vertal::reports
