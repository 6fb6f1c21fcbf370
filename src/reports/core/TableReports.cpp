#include "reports/core/TableReports.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

#include "common/core/Bcd.h"
#include "common/core/Bytes.h"
#include "common/core/NumberFormat.h"
#include "common/core/DumpSource.h"
#include "dump/core/RecordAccess.h"
#include "events/core/KdsRecords.h"
#include "frames/core/FrameRecord.h"
#include "reports/core/ReportParts.h"

namespace vertal::reports {
namespace {

constexpr std::string_view kByRecorder = " по данным РП VERTAL № ";

// The operative report.
constexpr double kOperativeHeaderHeight = 11.9;
constexpr double kOperativeBodyHeight = 166.7;
// Column 13 holds two numbers with a blank between them.
constexpr double kWideBlank = 0.2;
constexpr Font kOperativeLineFont{11, false, false, kWideBlank};
constexpr std::string_view kOperativeTitle = "Оперативная информация о работе крана ";
constexpr std::string_view kOperativeTitleRecorder = ", записанная в РП VERTAL № ";
// Frames are read this many at a time as the pages pull their lines.
constexpr std::int64_t kFramesPerRead = 4096;
// Pressure here counts hundredths; the frame table shows the same field in tenths.
constexpr int kReportPressureDecimals = 2;
constexpr std::string_view kTwoDecimals = "#0.00";
// 277 mm across: dates, times and bit strings get the widest columns.
constexpr auto kOperativeColumns = std::to_array<HeadedColumn, kOperativeColumnCount>({
    {14, "№", "кадра"},
    {17, "Дата"},
    {17, "Время"},
    {12, "AL", "гр"},
    {12, "L", "м"},
    {12, "R", "м"},
    {13, "P", "атм"},
    {13, "Q", "т"},
    {13, "Ga", "гр"},
    {12, "V", "м/с"},
    {17, "КОС"},
    {8, "t", "гр"},
    {12, "Реж./", "зап."},
    {9, "M", "%"},
    {17, "Вых.", "реле"},
    {17, "Коорд.", "защ."},
    {17, "Дискр.", "вх. 1"},
    {17, "Дискр.", "вх. 2"},
    {17, "Дискр.", "вх. 3"},
    {11, "Error"},
});

// The overload and KDS reports.
constexpr double kEventHeaderHeight = 11.6;
constexpr double kEventBodyHeight = 254.5;
constexpr double kTableFooterHeight = 10.6;
constexpr Font kEventLineFont{13, false, false};
constexpr Font kMessageFont{13, true, false};
constexpr double kLinesTop = 1.0;
constexpr double kMessageHeight = 6.0;
constexpr std::size_t kEventColumnCount = 5;
constexpr std::array<HeadedColumn, kEventColumnCount> kOverloadColumns = {{
    {28, "№ кадра"},
    {38, "Дата перегрузки"},
    {33, "Процент", "загрузки"},
    {55, "Паспотная грузоподъемность"},
    {36, "Вылет"},
}};
constexpr std::array<HeadedColumn, kEventColumnCount> kKdsColumns = {{
    {30, "№ кадра"},
    {35, "Дата"},
    {35, "Время"},
    {45, "Параметр"},
    {45, "Значение параметра"},
}};
constexpr std::string_view kOverloadTitle = "Таблица перегрузок крана ";
constexpr std::string_view kKdsTitle = "Превышения параметров КДС крана ";
constexpr std::string_view kNoKdsRecords = "Превышений параметров КДС не было!";
// The second cell of a record that could not be read.
constexpr std::string_view kUnreadMark = records::kRecordBad;

std::string CraneTitle(std::string_view opening, const dump::ServicePageModel& shown,
                       std::string_view recorderWords) {
  return std::string(opening) + shown.crane + std::string(kNumberSign) + shown.craneSerial +
         std::string(recorderWords) + shown.limiterSerial;
}

Band Headings(std::span<const HeadedColumn> columns, double height) {
  Band header{height, {}, {}};
  AddHeadings(header, columns, 0, 0, height, Font{});
  return header;
}

// The twenty lines of a frame.
Row FrameLine(std::int64_t n, frames::FrameBytes bytes, std::string_view sep) {
  Row cells{std::to_string(n)};
  cells.reserve(kOperativeColumnCount);
  ForEachFrameCell(bytes, sep,
                   [&cells](frames::FrameField, std::string&& text) { cells.push_back(std::move(text)); });
  return cells;
}

// The valid frames first .. last, read a block at a time as the lines are pulled. A file that
// can no longer be read ends the lines.
class FrameLines {
 public:
  FrameLines(DumpSource file, std::string separator, std::int64_t first, std::int64_t last)
      : file_(std::move(file)), separator_(std::move(separator)), next_(first), last_(last) {}

  bool operator()(std::vector<std::string>& cells) {
    while (next_ <= last_) {
      if (!block_ || next_ >= block_->First() + block_->Count()) {
        block_ = dump::ReadRecords(file_, dump::kFrames, next_,
                                   std::min(kFramesPerRead, last_ - next_ + 1));
        if (!block_) return false;
      }
      const std::int64_t i = next_ - block_->First();
      const std::int64_t n = next_++;
      const frames::FrameBytes frame = block_->Record(i).first<frames::kFrameSize>();
      if (!block_->Complete(i) || !frames::FrameValid(frame)) continue;
      cells = FrameLine(n, frame, separator_);
      return true;
    }
    return false;
  }

 private:
  DumpSource file_;
  std::string separator_;
  std::int64_t next_;
  std::int64_t last_;
  std::optional<dump::RecordRun> block_;
};

// The line of an overload record.
Row OverloadLine(std::int64_t k, ByteSpan r, std::string_view sep) {
  using namespace events;
  return {
      std::to_string(k),
      BcdDateText(r.subspan<kOverloadDate, 3>()),
      std::to_string(r[kOverloadPercent]),
      FormatScaled(le16(&r[kOverloadCapacity]), kOverloadCapacityDecimals, kTwoDecimals, sep),
      FormatScaled(le16(&r[kOverloadRadius]), kOverloadRadiusDecimals, kTwoDecimals, sep),
  };
}

// The line of a KDS record.
Row KdsLine(std::int64_t k, ByteSpan r, std::string_view sep) {
  using namespace events;
  const int code = r[kKdsCode];
  return {
      std::to_string(k),
      BcdDateText(r.subspan<kKdsDate, 3>()),
      BcdTimeText(r.subspan<kKdsTime, 3>()),
      FormatKdsParameter(code),
      FormatKdsValue(code, lei16(&r[kKdsValue]), sep),
  };
}

// Lines for the listed records of a family, read in one piece. A file that cannot be read is
// reported once and gives lines of the record number and the mark; a number outside the
// family names no record and gets the same line.
std::shared_ptr<const Rows> EventLines(const TableSource& source, const dump::RecordFamily& family,
                                       const std::vector<std::int64_t>& records, Host& host,
                                       Row (*line)(std::int64_t, ByteSpan, std::string_view)) {
  auto rows = std::make_shared<Rows>();
  if (records.empty()) return rows;
  const auto run = dump::ReadRecords(source.file, family, 0, family.count);
  if (!run) dump::ReportUnreadable(host);
  for (const std::int64_t k : records) {
    if (run && k >= 0 && k < family.count) {
      rows->push_back(line(k, run->Record(k), source.separator));
    } else {
      Row cells(kEventColumnCount);
      cells[0] = std::to_string(k);
      cells[1] = std::string(kUnreadMark);
      rows->push_back(std::move(cells));
    }
  }
  return rows;
}

// The shared shape of the overload and KDS reports: headings, the lines (or the message when
// there are none) and the titled footer.
ReportBuilder EventReport(std::string title, std::span<const HeadedColumn> columns,
                          std::shared_ptr<const Rows> rows, std::string message) {
  std::vector<HeadedColumn> headed(columns.begin(), columns.end());
  return [title = std::move(title), headed = std::move(headed), rows = std::move(rows),
          message = std::move(message)] {
    Report report;
    report.title = title;
    report.page = PageSetup{Orientation::Portrait};
    report.header = Headings(headed, kEventHeaderHeight);
    report.footer = TitledFooter(report.page, kTableFooterHeight, title);
    ColumnsBand body;
    body.minHeight = kEventBodyHeight;
    body.top = kLinesTop;
    body.font = kEventLineFont;
    body.columns = LayOutColumns(headed, Align::Right);
    body.rows = RowsFrom(rows);
    if (!message.empty())
      body.extra.texts.push_back({0, kLinesTop, report.page.InnerWidth(), kMessageHeight, message,
                                  kMessageFont, Align::Center});
    report.body.emplace_back(std::move(body));
    return report;
  };
}

}  // namespace

FrameRange ClampToRecording(FrameRange range) {
  return {std::max<std::int64_t>(range.first, 0),
          std::min<std::int64_t>(range.last, dump::kFrameCount - 1)};
}

void ForEachFrameCell(frames::FrameBytes bytes, std::string_view sep,
                      const std::function<void(frames::FrameField, std::string&&)>& cell) {
  using frames::FrameField;
  const frames::FrameRecord frame(bytes);
  for (std::size_t i = 0; i < frames::kFrameFieldCount; ++i) {
    const auto field = static_cast<FrameField>(i);
    if (field == FrameField::Pressure)
      cell(field, FormatScaled(frame.Pressure(), kReportPressureDecimals, kTwoDecimals, sep));
    else if (field == FrameField::Azimuth)
      cell(field, FormatScaled(frame.Azimuth(), frames::kAzimuthDecimals, kTwoDecimals, sep));
    else
      cell(field, frames::FrameFieldText(frame, field, sep));
  }
}

ReportBuilder OperativeReport(const TableSource& source, FrameRange range, Host& host) {
  std::string title = CraneTitle(kOperativeTitle, source.shown, kOperativeTitleRecorder);
  const FrameRange clamped = ClampToRecording(range);
  const std::int64_t first = clamped.first;
  const std::int64_t last = clamped.last;
  const bool readable = source.file.Open().has_value();
  if (!readable) dump::ReportUnreadable(host);

  return [title = std::move(title), file = source.file, separator = source.separator, first, last,
          readable] {
    Report report;
    report.title = title;
    report.page = PageSetup{Orientation::Landscape};
    report.header = Headings(kOperativeColumns, kOperativeHeaderHeight);
    report.footer = TitledFooter(report.page, kTableFooterHeight, title);
    ColumnsBand body;
    body.minHeight = kOperativeBodyHeight;
    body.font = kOperativeLineFont;
    body.columns = LayOutColumns(kOperativeColumns, Align::Center);
    if (readable)
      body.rows = FrameLines(file, separator, first, last);
    else
      body.rows = [](std::vector<std::string>&) { return false; };
    report.body.emplace_back(std::move(body));
    return report;
  };
}

ReportBuilder OverloadReport(const TableSource& source, const std::vector<std::int64_t>& records,
                             const events::OverloadFields& typed, Host& host) {
  auto rows = EventLines(source, dump::kOverloadRecords, records, host, OverloadLine);
  std::string message;
  if (records.empty())
    message = "Перегрузок более " + typed.threshold + "% с " + typed.from + " по " + typed.to +
              " не было!";
  return EventReport(CraneTitle(kOverloadTitle, source.shown, kByRecorder), kOverloadColumns,
                     std::move(rows), std::move(message));
}

ReportBuilder KdsReport(const TableSource& source, const std::vector<std::int64_t>& records,
                        Host& host) {
  auto rows = EventLines(source, dump::kKdsRecords, records, host, KdsLine);
  std::string message = records.empty() ? std::string(kNoKdsRecords) : std::string();
  return EventReport(CraneTitle(kKdsTitle, source.shown, kByRecorder), kKdsColumns, std::move(rows),
                     std::move(message));
}

}  // namespace vertal::reports
