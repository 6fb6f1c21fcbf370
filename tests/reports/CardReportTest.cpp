#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "reports/ReportInspect.h"
#include "reports/core/CardReport.h"

namespace vertal::reports {
namespace {

using testing::FixedBand;
using testing::Texts;

// The texts printed right of `caption` on its row, left to right; nothing when the caption is
// missing.
std::vector<std::string> RowAfter(const Band& band, const std::string& caption) {
  const auto it = std::find_if(band.texts.begin(), band.texts.end(),
                               [&](const TextItem& t) { return t.text == caption; });
  if (it == band.texts.end()) return {"<no caption>"};
  std::vector<const TextItem*> right;
  for (const TextItem& t : band.texts)
    if (t.y == it->y && t.x > it->x) right.push_back(&t);
  std::sort(right.begin(), right.end(), [](auto* a, auto* b) { return a->x < b->x; });
  std::vector<std::string> texts;
  for (const TextItem* t : right) texts.push_back(t->text);
  return texts;
}

CardInputs Shown(std::int8_t version) {
  CardInputs in;
  in.recorderVersion = version;
  dump::ServicePageModel& s = in.shown.service;
  s.crane = "КС-55713";
  s.craneSerial = "77";
  s.limiterSerial = "1234";
  s.changeNumber = "5";
  s.charNumber = "12.34";
  s.normativeCharNumber = "16000";
  s.loadedTime = "12:00:00";
  s.overloads110To125 = "7";
  s.overloadsAbove125 = "3";
  for (std::size_t k = 0; k < dump::kLoadBinCount; ++k) {
    // Built anew and moved in: GCC 12 at -O3 takes `"L" + text`, and a literal assigned to
    // a string, for an overlapping copy.
    std::string load("L"), work("W");
    load += std::to_string(k);
    work += std::to_string(k);
    in.shown.load.loadCycles[k] = std::move(load);
    in.shown.load.workCycles[k] = std::move(work);
  }
  return in;
}

TEST(ReportCard, VersionCaptionsAndValues) {
  struct Case {
    std::int8_t version;
    std::string changeCaption, row13, row14;
    bool v31Values;
  };
  const std::vector<Case> cases = {
      {30, "Версия программы:", "120% < M < 130%", "130% < M < 140%", false},
      {31, "Номер изменения:", "120% < M < 125%", "125% < M < 140%", true},
      {29, "Номер изменения:", "120% < M < 125%", "125% < M < 140%", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.version));
    const Report card = BuildCard(Shown(c.version));
    const Band& sections = FixedBand(card, 0);
    const Band& table = FixedBand(card, 1);
    EXPECT_EQ(RowAfter(sections, c.changeCaption), std::vector<std::string>{"5"});
    EXPECT_EQ(RowAfter(table, c.row13), (std::vector<std::string>{"W12", "L12"}));
    // Row 14 takes the counts of the range 125-140 %, not those of row 13.
    EXPECT_EQ(RowAfter(table, c.row14), (std::vector<std::string>{"W13", "L13"}));
    const auto value = [&](const std::string& caption) {
      return RowAfter(sections, caption).at(0);
    };
    EXPECT_EQ(value("Наработка по признаку нагружения крана, ч:"), c.v31Values ? "12:00:00" : "");
    EXPECT_EQ(value("Количество перегрузок в диапозоне от 110% до 125%:"), c.v31Values ? "7" : "");
    EXPECT_EQ(value("Количество перегрузок в диапозоне свыше 125%:"), c.v31Values ? "3" : "");
    EXPECT_EQ(value("Характеристическе число текущее/нормативное:"), "12.34/16000");
  }
}

TEST(ReportCard, TitlesKeepTheirBlanks) {
  CardInputs in = Shown(31);
  EXPECT_EQ(Texts(BuildCard(in).header),
            (std::vector<std::string>{"Информационная карта",
                                      "по данным регистратора параметров VERTAL № 1234",
                                      "на кран КС-55713 № 77"}));
  in.shown.service.crane.clear();
  EXPECT_EQ(Texts(BuildCard(in).header).at(2), "на кран  № 77");
}

TEST(ReportCard, SummariesOnlyWhileShown) {
  const auto bottomTexts = [](const CardInputs& in) {
    auto texts = Texts(FixedBand(BuildCard(in), 1));
    return std::vector<std::string>(texts.end() - 2, texts.end());
  };
  CardInputs in = Shown(31);
  const auto totalsOnly = bottomTexts(in);
  EXPECT_EQ(totalsOnly.at(0), "Количество рабочих циклов:");
  in.overloadSummary = "Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 2";
  in.kdsSummary = "КДС: 1";
  EXPECT_EQ(bottomTexts(in), (std::vector<std::string>{*in.overloadSummary, *in.kdsSummary}));
}

TEST(ReportCard, EveryRowLiesAboveTheCutOfItsPage) {
  const Report card = BuildCard(Shown(31));
  const double room = card.page.InnerHeight() - card.header.height - card.footer.height;
  for (std::size_t b = 0; b < card.body.size(); ++b)
    for (const TextItem& t : FixedBand(card, b).texts) {
      EXPECT_LE(t.y + t.height, room) << t.text;
      EXPECT_LE(t.x + t.width, card.page.InnerWidth() + 1e-9) << t.text;
    }
}

}  // namespace
}  // namespace vertal::reports
