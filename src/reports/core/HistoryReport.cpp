#include "reports/core/HistoryReport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string_view>
#include <utility>

#include "history/core/HistoryChart.h"
#include "history/core/HistoryTexts.h"
#include "reports/core/ChartBand.h"
#include "reports/core/ReportParts.h"

namespace vertal::reports {
namespace {

constexpr PageSetup kSheet{Orientation::Landscape, 10.0};
constexpr double kFooterHeight = 10.6;

constexpr Font kTitleFont{16, true, false};
constexpr Font kLineFont{12, false, false};
constexpr Font kHeadingFont{10, true, false};
constexpr Font kCellFont{10, false, false};
constexpr double kTitleHeight = 8.0;
constexpr double kTextLineHeight = 5.0;
constexpr double kHeadingPadding = 1.5;
constexpr double kHeadingRulePx = 1.0;
constexpr int kMostHeadingLines = 3;
// A generous width of a character of the (bold) heading font, as a part of its size.
constexpr double kCharWidthShare = 0.66;
// Keeps the rows counted for a page clear of the paginator's rounding.
constexpr double kRowSlack = 0.01;
constexpr double kChartHeight = 100.0;
constexpr double kGapAfterList = 4.0;

constexpr std::string_view kFleetTitle = "Ресурс кранов по считываниям РП VERTAL";
constexpr std::string_view kListTitle = "Краны по израсходованному ресурсу";
constexpr std::string_view kCraneCount = "Кранов: ";
constexpr std::string_view kFailedCount = ". Не прочитано файлов: ";
constexpr std::string_view kFailedTitle = "Файлы, которые не удалось прочитать";
constexpr std::array<std::string_view, 2> kFailedColumnTitles = {"Файл", "Ошибка"};
constexpr std::array<double, 2> kFailedWidths = {150, 127};
constexpr std::string_view kCraneTitle = "История крана ";
constexpr std::string_view kLimiterWords = "Ограничитель зав. № ";
constexpr std::string_view kOwnerWords = ". Владелец: ";
constexpr std::string_view kGroupWords = ". Нормативная группа: ";
constexpr std::string_view kNormativeWords = ", нормативное характеристическое число: ";
constexpr std::string_view kLifeUsedWords = "Израсходовано ресурса: ";
constexpr std::string_view kFindingsTitle = "Находки";
constexpr std::string_view kSentenceEnd = ".";
constexpr std::string_view kSentenceGap = ". ";

// 277 mm across.
constexpr std::array<double, static_cast<std::size_t>(history::CraneColumn::Count)> kCraneWidths = {
    28, 20, 18, 32, 20, 24, 34, 26, 75};
constexpr std::array<double, static_cast<std::size_t>(history::ReadingColumn::Count)> kReadingWidths = {
    22, 88, 30, 34, 26, 30, 47};

double LineHeight(const Font& font) { return font.sizePx * kLineSpacing * kMmPerPx; }

double BodyHeight() { return kSheet.InnerHeight() - kFooterHeight; }

double TextWidth(std::string_view text, const Font& font) {
  const auto points = std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  return static_cast<double>(points) * font.sizePx * kMmPerPx * kCharWidthShare;
}

// A heading broken between words into lines that fit its column; the last line takes the rest.
std::vector<std::string> HeadingLines(std::string_view heading, double width) {
  std::vector<std::string> lines(1);
  std::size_t start = 0;
  while (start < heading.size()) {
    const std::size_t blank = heading.find(' ', start);
    const std::string_view word =
        heading.substr(start, blank == std::string_view::npos ? std::string_view::npos : blank - start);
    std::string& line = lines.back();
    const std::string joined = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (!line.empty() && TextWidth(joined, kHeadingFont) > width &&
        lines.size() < static_cast<std::size_t>(kMostHeadingLines))
      lines.emplace_back(word);
    else
      line = joined;
    start = blank == std::string_view::npos ? heading.size() : blank + 1;
  }
  return lines;
}

struct Table {
  std::vector<double> widths;
  std::vector<std::vector<std::string>> headings;  // the lines of each column's heading
  std::size_t headingLines = 1;

  double HeadingHeight() const {
    return static_cast<double>(headingLines) * LineHeight(kHeadingFont) + 2 * kHeadingPadding;
  }
};

template <std::size_t N>
Table MakeTable(const std::array<std::string_view, N>& titles, const std::array<double, N>& widths) {
  Table table;
  for (std::size_t i = 0; i < N; ++i) {
    table.widths.push_back(widths[i]);
    table.headings.push_back(HeadingLines(titles[i], widths[i]));
    table.headingLines = std::max(table.headingLines, table.headings.back().size());
  }
  return table;
}

// The headings of `table` from `top` of `band`, lines centred in their column, with a rule
// under them.
void AddTableHeadings(const Table& table, double top, Band& band) {
  const double line = LineHeight(kHeadingFont);
  double x = 0;
  for (std::size_t i = 0; i < table.widths.size(); ++i) {
    const auto& lines = table.headings[i];
    const double first =
        top + kHeadingPadding + static_cast<double>(table.headingLines - lines.size()) * line / 2;
    for (std::size_t k = 0; k < lines.size(); ++k)
      band.texts.push_back({x, first + static_cast<double>(k) * line, table.widths[i], line, lines[k],
                            kHeadingFont, Align::Center});
    x += table.widths[i];
  }
  const double bottom = top + table.HeadingHeight();
  band.rules.push_back({0, bottom, x, bottom, kHeadingRulePx});
  band.height = std::max(band.height, bottom);
}

ColumnsBand TableRows(const Table& table, std::shared_ptr<const Rows> rows) {
  ColumnsBand band;
  band.font = kCellFont;
  double x = 0;
  for (const double width : table.widths) {
    band.columns.push_back({x, width, Align::Left});
    x += width;
  }
  band.rows = RowsFrom(std::move(rows));
  return band;
}

Band TextBand(double height, std::string text, const Font& font, bool newPage = false) {
  Band band{height, {{0, 0, kSheet.InnerWidth(), height, std::move(text), font, Align::Left}}, {}};
  band.newPage = newPage;
  return band;
}

std::size_t RowsThatFit(double height) {
  return static_cast<std::size_t>(
      std::max(1.0, std::floor((height - kRowSlack) / LineHeight(kCellFont))));
}

// The list of cranes, a page at a time, each page with its headings.
void AddCraneList(const history::FleetHistory& fleet, Report& report) {
  const Table table = MakeTable(history::kCraneColumnTitles, kCraneWidths);
  Rows rows;
  for (const history::CraneHistory* crane : history::ByLifeUsed(fleet.cranes)) rows.push_back(history::CraneCells(*crane));
  std::size_t next = 0;
  bool first = true;
  do {
    Band heading;
    double top = 0;
    if (first) {
      heading.texts.push_back({0, 0, kSheet.InnerWidth(), kTitleHeight, std::string(kListTitle), kTitleFont});
      heading.texts.push_back({0, kTitleHeight, kSheet.InnerWidth(), kTextLineHeight,
                               std::string(kCraneCount) + std::to_string(fleet.cranes.size()) +
                                   std::string(kFailedCount) + std::to_string(fleet.failed.size()) +
                                   std::string(kSentenceEnd),
                               kLineFont});
      top = kTitleHeight + kTextLineHeight;
    }
    heading.newPage = !first;
    AddTableHeadings(table, top, heading);
    const std::size_t fit = RowsThatFit(BodyHeight() - heading.height);
    const std::size_t count = std::min(fit, rows.size() - next);
    auto page = std::make_shared<Rows>(rows.begin() + static_cast<std::ptrdiff_t>(next),
                                       rows.begin() + static_cast<std::ptrdiff_t>(next + count));
    next += count;
    report.body.emplace_back(std::move(heading));
    report.body.emplace_back(TableRows(table, std::move(page)));
    first = false;
  } while (next < rows.size());
}

void AddFailedFiles(const history::FleetHistory& fleet, Report& report) {
  if (fleet.failed.empty()) return;
  const Table table = MakeTable(kFailedColumnTitles, kFailedWidths);
  Band heading{kGapAfterList, {}, {}};
  heading.texts.push_back(
      {0, kGapAfterList, kSheet.InnerWidth(), kTitleHeight, std::string(kFailedTitle), kLineFont});
  AddTableHeadings(table, kGapAfterList + kTitleHeight, heading);
  auto rows = std::make_shared<Rows>();
  for (const history::FailedFile& failed : fleet.failed) rows->push_back({failed.file, failed.error});
  report.body.emplace_back(std::move(heading));
  report.body.emplace_back(TableRows(table, std::move(rows)));
}

std::string CraneName(const history::CraneHistory& crane) {
  return crane.crane + std::string(kNumberSign) + crane.craneSerial;
}

Band CraneHead(const history::CraneHistory& crane) {
  const double width = kSheet.InnerWidth();
  Band band;
  band.newPage = true;
  band.texts.push_back({0, 0, width, kTitleHeight, std::string(kCraneTitle) + CraneName(crane), kTitleFont});
  double y = kTitleHeight;
  const auto line = [&](std::string text) {
    band.texts.push_back({0, y, width, kTextLineHeight, std::move(text), kLineFont});
    y += kTextLineHeight;
  };
  line(std::string(kLimiterWords) + crane.limiterSerial + std::string(kOwnerWords) + crane.owner +
       std::string(kGroupWords) + crane.normativeGroup + std::string(kNormativeWords) +
       std::to_string(crane.normativeNumber) + std::string(kSentenceEnd));
  line(std::string(kLifeUsedWords) + crane.lifeUsed.value.value_or(crane.lifeUsed.text) +
       std::string(kSentenceGap) + crane.forecast.date.text + std::string(kSentenceEnd));
  band.height = y + kHeadingPadding;
  return band;
}

void AddCranePages(const history::CraneHistory& crane, std::string_view separator, Report& report) {
  report.body.emplace_back(CraneHead(crane));

  Band chart{kChartHeight, {}, {}};
  DrawChart(history::DescribeHistoryChart(crane, separator), {0, 0, kSheet.InnerWidth(), kChartHeight}, chart);
  report.body.emplace_back(std::move(chart));

  const Table table = MakeTable(history::kReadingColumnTitles, kReadingWidths);
  Band heading;
  AddTableHeadings(table, 0, heading);
  auto rows = std::make_shared<Rows>();
  for (std::size_t i = 0; i < crane.readings.size(); ++i) rows->push_back(history::ReadingCells(crane, i));
  report.body.emplace_back(std::move(heading));
  report.body.emplace_back(TableRows(table, std::move(rows)));

  if (crane.findings.empty()) return;
  report.body.emplace_back(TextBand(kTextLineHeight + kHeadingPadding, std::string(kFindingsTitle), kHeadingFont));
  auto findings = std::make_shared<Rows>();
  for (const history::HistoryFinding& finding : crane.findings) findings->push_back({finding.text});
  const Table whole{{kSheet.InnerWidth()}, {{}}, 1};
  report.body.emplace_back(TableRows(whole, std::move(findings)));
}

Report EmptyReport(std::string title) {
  Report report;
  report.title = title;
  report.page = kSheet;
  report.footer = TitledFooter(kSheet, kFooterHeight, std::move(title));
  return report;
}

}  // namespace

ReportBuilder FleetHistoryReport(std::shared_ptr<const history::FleetHistory> fleet,
                                 std::string separator) {
  return [fleet = std::move(fleet), separator = std::move(separator)] {
    Report report = EmptyReport(std::string(kFleetTitle));
    AddCraneList(*fleet, report);
    AddFailedFiles(*fleet, report);
    for (const history::CraneHistory* crane : history::ByLifeUsed(fleet->cranes)) AddCranePages(*crane, separator, report);
    return report;
  };
}

ReportBuilder CraneHistoryReport(history::CraneHistory crane, std::string separator) {
  return [crane = std::move(crane), separator = std::move(separator)] {
    Report report = EmptyReport(std::string(kCraneTitle) + CraneName(crane));
    AddCranePages(crane, separator, report);
    return report;
  };
}

}  // namespace vertal::reports
