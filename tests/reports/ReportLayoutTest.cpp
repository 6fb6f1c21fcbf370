// Laying a report out on pages: what every page carries, where bands go when the page is
// full, and text columns that run over many pages while their rows are read as pages fill.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reports/core/PageStore.h"
#include "reports/core/ReportLayout.h"

namespace vertal::reports {
namespace {

// Portrait A4 with a margin of 10: the body runs from 30 to 277 mm, 247 mm.
constexpr double kHeader = 20;
constexpr double kFooter = 10;
constexpr double kBodyTop = 30;
constexpr double kBodyBottom = 277;
constexpr double kFontPx = 12;
const double kLine = kFontPx * kLineSpacing * kMmPerPx;

TextItem Text(double x, double y, double height, std::string text) {
  TextItem item;
  item.x = x;
  item.y = y;
  item.width = 50;
  item.height = height;
  item.text = std::move(text);
  return item;
}

Report Frame() {
  Report report;
  report.header.height = kHeader;
  report.header.texts = {Text(5, 2, 6, "Шапка")};
  report.footer.height = kFooter;
  TextItem number = Text(100, 0, kFooter, "Страница ");
  number.pageNumber = true;
  report.footer.texts = {number};
  report.footer.rules = {{0, 0, 190, 0, 2}};
  return report;
}

Band Fixed(double height, const std::string& text) {
  Band band;
  band.height = height;
  band.texts = {Text(0, 0, 5, text)};
  return band;
}

// Rows "r0", "r1", ... in one column; counts what was pulled.
ColumnsBand Lines(int rows, int* pulled, double top = 0, double minHeight = 0) {
  ColumnsBand band;
  band.top = top;
  band.minHeight = minHeight;
  band.font.sizePx = kFontPx;
  band.columns = {{20, 30, Align::Right}, {50, 30}};
  band.rows = [rows, pulled](std::vector<std::string>& cells) {
    if (*pulled == rows) return false;
    cells[0] = "r" + std::to_string((*pulled)++);
    cells[1] = "x";
    return true;
  };
  return band;
}

std::vector<Page> Layout(Report& report) {
  std::vector<Page> pages;
  const int count = Paginate(report, [&](const Page& page) {
    pages.push_back(page);
    return true;
  });
  EXPECT_EQ(count, static_cast<int>(pages.size()));
  return pages;
}

const TextItem* Find(const Page& page, const std::string& text) {
  for (const TextItem& item : page.texts)
    if (item.text == text) return &item;
  return nullptr;
}

int CountLines(const Page& page) {
  int lines = 0;
  for (const TextItem& item : page.texts) lines += item.text == "x";
  return lines;
}

TEST(Paginate, EveryPageHasTheHeaderAndTheFooterWithItsNumber) {
  Report report = Frame();
  int pulled = 0;
  report.body.emplace_back(Lines(200, &pulled));
  const std::vector<Page> pages = Layout(report);
  ASSERT_EQ(pages.size(), 3u);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    const TextItem* header = Find(pages[i], "Шапка");
    const TextItem* footer = Find(pages[i], "Страница " + number);
    ASSERT_TRUE(header && footer) << "page " << number;
    EXPECT_EQ(std::make_pair(header->x, header->y), std::make_pair(15.0, 12.0));
    EXPECT_EQ(std::make_pair(footer->x, footer->y), std::make_pair(110.0, kBodyBottom));
    ASSERT_EQ(pages[i].rules.size(), 1u);
    EXPECT_DOUBLE_EQ(pages[i].rules[0].y1, kBodyBottom);
  }
}

TEST(Paginate, FixedBandsGoWhereTheyFit) {
  struct Case {
    const char* name;
    std::vector<double> heights;
    std::vector<std::pair<std::size_t, double>> placed;  // each band's page and top
    std::optional<std::size_t> ownPage = {};  // the band that asks for a page of its own
  };
  const std::vector<Case> cases = {
      {"nothing in the body: one page", {}, {}},
      {"two that fit", {100, 147}, {{1, kBodyTop}, {1, 130}}},
      {"second too tall for the rest", {100, 148}, {{1, kBodyTop}, {2, kBodyTop}}},
      {"taller than a page is cut, the next starts a page",
       {300, 10},
       {{1, kBodyTop}, {2, kBodyTop}}},
      {"one of its own page after one that leaves room", {100, 10}, {{1, kBodyTop}, {2, kBodyTop}}, 1},
      {"one of its own page on an empty page stays there", {10, 10}, {{1, kBodyTop}, {1, 40}}, 0},
  };
  for (const Case& c : cases) {
    Report report = Frame();
    for (std::size_t i = 0; i < c.heights.size(); ++i) {
      Band band = Fixed(c.heights[i], "band" + std::to_string(i));
      band.newPage = c.ownPage == i;
      report.body.emplace_back(std::move(band));
    }
    const std::vector<Page> pages = Layout(report);
    ASSERT_EQ(pages.size(), c.placed.empty() ? 1 : c.placed.back().first) << c.name;
    for (std::size_t i = 0; i < c.placed.size(); ++i) {
      const TextItem* text = Find(pages[c.placed[i].first - 1], "band" + std::to_string(i));
      ASSERT_NE(text, nullptr) << c.name << ", band " << i;
      EXPECT_DOUBLE_EQ(text->y, c.placed[i].second) << c.name << ", band " << i;
    }
  }
}

TEST(Paginate, ATallBandLosesWhatReachesTheFooter) {
  Report report = Frame();
  Band tall;
  tall.height = 400;
  tall.texts = {Text(0, 0, 5, "top"), Text(0, 240, 7, "last whole"), Text(0, 245, 5, "across"),
                Text(0, 300, 5, "below")};
  tall.rules = {{0, 100, 50, 100, 1}, {0, 260, 50, 260, 1}};
  report.body.emplace_back(std::move(tall));
  const std::vector<Page> pages = Layout(report);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Find(pages[0], "top") && Find(pages[0], "last whole"));
  EXPECT_FALSE(Find(pages[0], "across") || Find(pages[0], "below"));
  EXPECT_EQ(pages[0].rules.size(), 2u);  // the band's first and the footer's
}

TEST(Paginate, ColumnsContinueOnTheNextPages) {
  // After a band of 50 mm the lines start 10 mm into theirs; later pages start at the top.
  const int firstPage = static_cast<int>(std::floor((kBodyBottom - kBodyTop - 50 - 10) / kLine));
  const int fullPage = static_cast<int>(std::floor((kBodyBottom - kBodyTop) / kLine));
  const int rows = firstPage + fullPage + 3;
  Report report = Frame();
  int pulled = 0;
  report.body.emplace_back(Fixed(50, "above"));
  ColumnsBand lines = Lines(rows, &pulled, 10);
  lines.extra = Fixed(5, "message");
  report.body.emplace_back(std::move(lines));
  report.body.emplace_back(Fixed(20, "below"));
  const std::vector<Page> pages = Layout(report);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(CountLines(pages[0]), firstPage);
  EXPECT_EQ(CountLines(pages[1]), fullPage);
  EXPECT_EQ(CountLines(pages[2]), 3);

  const TextItem* first = Find(pages[0], "r0");
  ASSERT_TRUE(first && Find(pages[0], "message"));
  EXPECT_EQ(std::make_pair(first->x, first->y), std::make_pair(30.0, kBodyTop + 60));
  EXPECT_EQ(first->align, Align::Right);
  EXPECT_DOUBLE_EQ(Find(pages[0], "message")->y, kBodyTop + 50);
  EXPECT_EQ(Find(pages[1], "message"), nullptr);

  const TextItem* top = Find(pages[1], "r" + std::to_string(firstPage));
  ASSERT_NE(top, nullptr);
  EXPECT_DOUBLE_EQ(top->y, kBodyTop);
  const TextItem* below = Find(pages[2], "below");
  ASSERT_NE(below, nullptr);
  EXPECT_NEAR(below->y, kBodyTop + 3 * kLine, 1e-9);
}

TEST(Paginate, ColumnsTakeAtLeastTheirHeightAndStartAPageWhenNoLineFits) {
  struct Case {
    const char* name;
    double above;  // a fixed band before the lines
    double minHeight;
    int rows;
    int linesPage;  // the page of the first line
    int belowPage;  // the page of the band after
    double belowTop;
  };
  const std::vector<Case> cases = {
      {"short table, tall band", 0, 100, 2, 1, 1, kBodyTop + 100},
      {"no line fits under a full page", 245, 0, 2, 2, 2, kBodyTop + 2 * kLine},
      {"no rows at all", 0, 40, 0, 1, 1, kBodyTop + 40},
      {"band higher than the rest of the page", 0, 300, 1, 1, 2, kBodyTop},
  };
  for (const Case& c : cases) {
    Report report = Frame();
    int pulled = 0;
    if (c.above > 0) report.body.emplace_back(Fixed(c.above, "above"));
    report.body.emplace_back(Lines(c.rows, &pulled, 0, c.minHeight));
    report.body.emplace_back(Fixed(5, "below"));
    const std::vector<Page> pages = Layout(report);
    ASSERT_GE(static_cast<int>(pages.size()), c.belowPage) << c.name;
    if (c.rows > 0) {
      EXPECT_NE(Find(pages[static_cast<std::size_t>(c.linesPage - 1)], "r0"), nullptr) << c.name;
    }
    const TextItem* below = Find(pages[static_cast<std::size_t>(c.belowPage - 1)], "below");
    ASSERT_NE(below, nullptr) << c.name;
    EXPECT_NEAR(below->y, c.belowTop, 1e-9) << c.name;
  }
}

TEST(Paginate, PagesLeaveAsTheyFillAndTheSinkCanStop) {
  const int fullPage = static_cast<int>(std::floor((kBodyBottom - kBodyTop) / kLine));
  Report report = Frame();
  int pulled = 0;
  report.body.emplace_back(Lines(1'000'000, &pulled));
  std::vector<int> pulledAtPage;
  const int count = Paginate(report, [&](const Page&) {
    pulledAtPage.push_back(pulled);
    return pulledAtPage.size() < 3;
  });
  EXPECT_EQ(count, 3);
  // One row more than a page holds tells that the page is full.
  EXPECT_EQ(pulledAtPage, (std::vector<int>{fullPage + 1, 2 * fullPage + 1, 3 * fullPage + 1}));
  EXPECT_EQ(pulled, 3 * fullPage + 1);
}

// Every text with its box, font and alignment, and every rule, as one line each.
std::vector<std::string> Described(const Page& page) {
  std::vector<std::string> lines{"page " + std::to_string(page.number)};
  for (const TextItem& item : page.texts) {
    lines.push_back(item.text + " @" + std::to_string(item.x) + "," + std::to_string(item.y) +
                    " " + std::to_string(item.width) + "x" + std::to_string(item.height) + " " +
                    std::to_string(item.font.sizePx) + (item.font.bold ? "b" : "") +
                    (item.font.italic ? "i" : "") + " " +
                    std::to_string(static_cast<int>(item.align)) + (item.pageNumber ? "#" : ""));
  }
  for (const RuleItem& rule : page.rules) {
    lines.push_back("rule " + std::to_string(rule.x1) + "," + std::to_string(rule.y1) + " " +
                    std::to_string(rule.x2) + "," + std::to_string(rule.y2) + " " +
                    std::to_string(rule.widthPx) + " " + std::to_string(rule.colour) +
                    (rule.dashed ? " dashed" : ""));
  }
  for (const FillItem& fill : page.fills) {
    lines.push_back("fill " + std::to_string(fill.x) + "," + std::to_string(fill.y) + " " +
                    std::to_string(fill.width) + "x" + std::to_string(fill.height) + " " +
                    std::to_string(fill.colour));
  }
  return lines;
}

// The preview keeps the pages as it laid them out and gives back any of them: long texts,
// an empty one, the page number, a chart's coloured lines and bars, and the lines that
// continue on later pages.
TEST(PageStore, GivesBackEveryPageAsLaidOut) {
  Report report = Frame();
  Band chart = Fixed(20, std::string(300, 'w'));
  chart.rules.push_back({1, 2, 30, 4, 1.5, 0x1f5fbf, true});
  chart.fills = {{5, 6, 2.5, 9, 0xe0782a}, {9, 6, 2.5, 3, 0x8fb3e0}};
  report.body.emplace_back(std::move(chart));
  report.body.emplace_back(Fixed(20, ""));
  int pulled = 0;
  report.body.emplace_back(Lines(200, &pulled, 3));
  std::vector<Page> laidOut;
  PageStore store;
  Paginate(report, [&](const Page& page) {
    laidOut.push_back(page);
    store.Add(page);
    return true;
  });
  ASSERT_EQ(store.Count(), static_cast<int>(laidOut.size()));
  ASSERT_GE(store.Count(), 3);
  for (int index : {store.Count() - 1, 0, 1}) {
    EXPECT_EQ(Described(store.At(index)), Described(laidOut[static_cast<std::size_t>(index)]));
  }
}

}  // namespace
}  // namespace vertal::reports
