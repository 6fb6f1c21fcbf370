#include "reports/core/CardReport.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/core/ReportParts.h"

namespace vertal::reports {
namespace {

constexpr std::string_view kCardTitle = "Информационная карта";
constexpr std::string_view kLimiterTitle = "по данным регистратора параметров VERTAL № ";
constexpr std::string_view kCraneTitle = "на кран ";

constexpr double kHeaderHeight = 22.2;
constexpr double kFooterHeight = 12.7;
constexpr double kSectionsHeight = 251.6;
constexpr double kLoadTableBandHeight = 145.0;

constexpr double kTitleLineHeight = kHeaderHeight / 3;
constexpr Font kTitleFont{19, true, true};
constexpr Font kSubtitleFont{16, true, true};
constexpr Font kHeadingFont{13, true, true};
constexpr Font kCaptionFont{13, false, false};
constexpr Font kValueFont{13, true, false};

// Places within a body band, from its left edge.
constexpr double kRow = 5.3;
constexpr double kHeadingX = 10.6;
constexpr double kSubheadingX = 11.9;
constexpr double kCaptionX = 14.6;
constexpr double kValueX = 67.5;
constexpr double kSection5ValueX = 137.6;
// The sections band is taller than the room between the page's header and footer, where the
// page cuts it: its rows start a little below its top and keep a small gap before each heading,
// so that the last row ends above the cut (checked by the tests).
constexpr double kSectionsTop = 1.0;
constexpr double kGapBeforeHeading = 2.0;

// The load table.
constexpr double kTableX = 38.1;
constexpr double kTableHeaderHeight = 9.3;
constexpr double kGapBeforeTable = 2.0;
constexpr double kGapAfterTable = 3.0;
constexpr std::array<HeadedColumn, kLoadTableHeadings.size()> kTableColumns = {{
    {39.4, kLoadTableHeadings[0]},
    {32.8, kLoadTableHeadings[1]},
    {33.1, kLoadTableHeadings[2]},
}};
// Each heading on one line, so that it reads back whole from the PDF: at the size of the rows
// the two counts' headings are wider than their cells.
constexpr Font kTableHeadingFont{10, false, false};

// The captions that follow the recorder version.
constexpr std::int8_t kVersion30 = 30;
constexpr std::int8_t kVersion31 = 31;
constexpr std::size_t kRow13 = 12;
constexpr std::size_t kRow14 = 13;
constexpr std::array<std::string_view, dump::kLoadBinCount> kRangeCaptions = {
    "0% < M < 10%",    "10% < M < 20%",   "20% < M < 30%",   "30% < M < 40%",   "40% < M < 50%",
    "50% < M < 60%",   "60% < M < 70%",   "70% < M < 80%",   "80% < M < 90%",   "90% < M < 100%",
    "100% < M < 110%", "110% < M < 120%", "120% < M < 125%", "125% < M < 140%", "140% < M"};
constexpr std::string_view kRow13Version30 = "120% < M < 130%";
constexpr std::string_view kRow14Version30 = "130% < M < 140%";
constexpr std::string_view kChangeNumberCaption = "Номер изменения:";
constexpr std::string_view kProgramVersionCaption = "Версия программы:";

// Writes headings and rows of caption and value down a band.
class SectionWriter {
 public:
  SectionWriter(Band& band, double width, double y) : band_(band), width_(width), y_(y) {}

  void Heading(double x, std::string_view text) {
    if (!band_.texts.empty()) y_ += kGapBeforeHeading;
    HeadingLine(x, text);
  }
  // A further line of a heading that needs two.
  void HeadingLine(double x, std::string_view text) {
    band_.texts.push_back({x, y_, width_ - x, kRow, std::string(text), kHeadingFont, Align::Left});
    y_ += kRow;
  }
  void Rows(double valueX, const std::vector<CaptionedValue>& rows) {
    for (const CaptionedValue& row : rows) {
      band_.texts.push_back({kCaptionX, y_, valueX - kCaptionX, kRow, std::string(row.caption),
                             kCaptionFont, Align::Left});
      band_.texts.push_back(
          {valueX, y_, width_ - valueX, kRow, row.value, kValueFont, Align::Left});
      y_ += kRow;
    }
  }
  void Skip(double height) { y_ += height; }
  double Y() const { return y_; }

 private:
  Band& band_;
  double width_;
  double y_;
};

Band Header(const CardInputs& in, double width) {
  const dump::ServicePageModel& s = in.shown.service;
  const std::array<std::pair<std::string, Font>, 3> lines = {{
      {std::string(kCardTitle), kTitleFont},
      {std::string(kLimiterTitle) + s.limiterSerial, kSubtitleFont},
      {std::string(kCraneTitle) + s.crane + std::string(kNumberSign) + s.craneSerial,
       kSubtitleFont},
  }};
  Band header{kHeaderHeight, {}, {}};
  double y = 0;
  for (const auto& [text, font] : lines) {
    header.texts.push_back({0, y, width, kTitleLineHeight, text, font, Align::Center});
    y += kTitleLineHeight;
  }
  return header;
}

Band Footer(double width) {
  const double half = width / 2;
  return Band{kFooterHeight, {PageNumberText(half, half, kFooterHeight, Align::Right)}, {}};
}

// A section of the card: its heading lines (the first one set apart from what precedes it)
// and its rows.
struct HeadingLine {
  double x;
  std::string_view text;
};
struct CardGroup {
  std::vector<HeadingLine> headings;
  double valueX;
  std::vector<CaptionedValue> rows;
};

std::vector<CardGroup> CardGroups(const CardInputs& in) {
  const dump::ServicePageModel& s = in.shown.service;
  const bool v30 = in.recorderVersion == kVersion30;
  const bool v31 = in.recorderVersion == kVersion31;
  // Only version 31 keeps these counts; the card leaves them empty for every other version.
  const auto onlyV31 = [v31](const std::string& text) { return v31 ? text : std::string(); };

  std::vector<CardGroup> groups;
  groups.push_back({{{kHeadingX, "1. Информация об операторе"}},
                    kValueX,
                    {{"Информацию считал:", s.operatorName},
                     {"Организация:", s.organisation},
                     {"Удостоверение №:", s.certificate},
                     {"Дата считывания:", s.readingDate}}});
  groups.push_back({{{kHeadingX, "2. Идентификация ограничиля"}},
                    kValueX,
                    {{"Модификация:", s.modification},
                     {"VERTAL №:", s.limiterSerial},
                     {"Программа:", s.program},
                     {v30 ? kProgramVersionCaption : kChangeNumberCaption, s.changeNumber},
                     {"Версия таблиц:", s.tablesVersion},
                     {"Версия РП:", s.recorderVersion},
                     {"Изготовитель VERTAL:", s.limiterMaker}}});
  groups.push_back({{{kHeadingX, "3. Индентификация крана"}},
                    kValueX,
                    {{"Кран:", s.crane},
                     {"Кран №:", s.craneSerial},
                     {"Изготовитель крана:", s.craneMaker},
                     {"Год изготовления:", s.craneYear},
                     {"Грурппа режима работы:", s.craneGroup},
                     {"Владелец крана:", s.owner}}});
  groups.push_back({{{kHeadingX, "4. Сервисная организация"}},
                    kValueX,
                    {{"Пуско-наладочная организация:", s.commissioning},
                     {"Дата установки РП на кран:", s.installDate}}});
  groups.push_back(
      {{{kHeadingX, "5. Долговременная информация о параметрах работы крана."},
        {kSubheadingX,
         "5.1 Оценка наработки (выработки краном нормативного срока службы) и режима работы"},
        {kSubheadingX, "крана по ИСО 4301/1-85"}},
       kSection5ValueX,
       {{"Нормативная группа классификации крана в целом по ИСО 4301/1-85:", s.normativeGroup},
        {"Фактическая группа классификации крана в целом по ИСО 4301/1-85:", s.actualGroup},
        {"Класс использования по ИСО 4301/1-85:", s.classOfUse},
        {"Коэффициент распределения нагрузок:", s.spectrumFactor},
        {"Режим нагружения крана по ИСО 4301/1-85:", s.spectrumClass},
        {"Характеристическе число текущее/нормативное:", s.charNumber + "/" + s.normativeCharNumber},
        {"Наработка по признаку включения электропитания, ч:", s.poweredTime},
        {"Наработка по признаку нагружения крана, ч:", onlyV31(s.loadedTime.value_or(""))},
        {"Суммарно поднятый вес, т:", s.liftedWeight},
        {"Количество срабатываний ограничителя грузоподъемности:", s.overloadTrips},
        {"Количество перегрузок в диапозоне от 110% до 125%:", onlyV31(s.overloads110To125)},
        {"Количество перегрузок в диапозоне свыше 125%:", onlyV31(s.overloadsAbove125)}}});
  groups.push_back({{{kSubheadingX, "5.2 Время работы механизмов"}},
                    kSection5ValueX,
                    {{"Грузовая лебедка (суммарное), ч:", s.hoistTime},
                     {"Изменения угла наклона стрелы, ч:", s.angleTime},
                     {"Изменения длины стрелы, ч:", s.lengthTime},
                     {"Поворота, ч:", s.slewTime}}});
  return groups;
}

Band Sections(const CardInputs& in, double width) {
  Band band{kSectionsHeight, {}, {}};
  SectionWriter w(band, width, kSectionsTop);
  for (const CardGroup& group : CardGroups(in)) {
    bool first = true;
    for (const HeadingLine& line : group.headings) {
      if (first)
        w.Heading(line.x, line.text);
      else
        w.HeadingLine(line.x, line.text);
      first = false;
    }
    w.Rows(group.valueX, group.rows);
  }
  return band;
}

// The ranges with their work and load cycle counts: a boxed header, cells ruled left and right,
// a rule under the last row.
void AddLoadTable(Band& band, const CardInputs& in, double top) {
  const dump::LoadPageModel& load = in.shown.load;
  AddHeadings(band, kTableColumns, kTableX, top, kTableHeaderHeight, kTableHeadingFont);

  const std::array<std::string_view, dump::kLoadBinCount> captions =
      LoadRangeCaptions(in.recorderVersion);
  const double rowsTop = top + kTableHeaderHeight;
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k) {
    const double y = rowsTop + kRow * static_cast<double>(k);
    const std::array<std::pair<std::string, Font>, 3> cells = {{
        {std::string(captions[k]), kCaptionFont},
        {load.workCycles[k], kValueFont},
        {load.loadCycles[k], kValueFont},
    }};
    double x = kTableX;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      band.texts.push_back(
          {x, y, kTableColumns[c].width, kRow, cells[c].first, cells[c].second, Align::Center});
      x += kTableColumns[c].width;
    }
  }

  const double bottom = rowsTop + kRow * static_cast<double>(dump::kLoadBinCount);
  double x = kTableX;
  band.rules.push_back({x, top, x, bottom});
  for (const HeadedColumn& column : kTableColumns) {
    x += column.width;
    band.rules.push_back({x, top, x, bottom});
  }
  for (const double y : {top, rowsTop, bottom}) band.rules.push_back({kTableX, y, x, y});
}

Band LoadTable(const CardInputs& in, double width) {
  const dump::LoadPageModel& load = in.shown.load;
  Band band{kLoadTableBandHeight, {}, {}};
  SectionWriter w(band, width, 0);
  w.Heading(kSubheadingX, "5.3 Таблица нарабоки крана по степени загрузки");
  const double top = w.Y() + kGapBeforeTable;
  AddLoadTable(band, in, top);
  w.Skip(kGapBeforeTable + kTableHeaderHeight + kRow * static_cast<double>(dump::kLoadBinCount) +
         kGapAfterTable);
  w.Rows(kValueX, {{"Количество циклов нагружения:", load.loadCycleTotal},
                   {"Количество рабочих циклов:", load.workCycleTotal}});
  // Each summary keeps its place, printed only while the window shows it.
  for (const std::optional<std::string>& summary : {in.overloadSummary, in.kdsSummary}) {
    if (summary)
      band.texts.push_back(
          {kHeadingX, w.Y(), width - kHeadingX, kRow, *summary, kValueFont, Align::Left});
    w.Skip(kRow);
  }
  return band;
}

}  // namespace

std::vector<CaptionedValue> CardRows(const CardInputs& inputs) {
  std::vector<CaptionedValue> rows;
  for (CardGroup& group : CardGroups(inputs))
    std::move(group.rows.begin(), group.rows.end(), std::back_inserter(rows));
  return rows;
}

std::array<std::string_view, dump::kLoadBinCount> LoadRangeCaptions(std::int8_t recorderVersion) {
  std::array<std::string_view, dump::kLoadBinCount> captions = kRangeCaptions;
  if (recorderVersion == kVersion30) {
    captions[kRow13] = kRow13Version30;
    captions[kRow14] = kRow14Version30;
  }
  return captions;
}

Report BuildCard(const CardInputs& inputs) {
  Report report;
  report.title = std::string(kCardTitle);
  report.page = PageSetup{Orientation::Portrait};
  const double width = report.page.InnerWidth();
  report.header = Header(inputs, width);
  report.footer = Footer(width);
  report.body.emplace_back(Sections(inputs, width));
  report.body.emplace_back(LoadTable(inputs, width));
  return report;
}

}  // namespace vertal::reports
