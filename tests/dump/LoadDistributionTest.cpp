#include <gtest/gtest.h>

#include "dump/core/LoadDistribution.h"

namespace vertal::dump {
namespace {

Counters With(std::initializer_list<std::pair<int, std::int64_t>> values) {
  Counters c{};
  for (const auto& [row, v] : values) c[static_cast<std::size_t>(row - 1)] = v;
  return c;
}

TEST(DiagramBars, EachBarIsItsShareOfTheLargestRange) {
  EXPECT_EQ(DiagramBars(With({{1, 10}, {2, 20}, {3, 30}})),
            (Bars{33, 66, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(DiagramBars(With({{13, 250}, {14, 500}})),
            (Bars{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50, 100, 0}));
  EXPECT_EQ(DiagramBars(Counters{}), Bars{});
  EXPECT_EQ(DiagramBars(With({{15, 16777215}, {1, 16777214}}))[0], 99);
}

TEST(ToggleDiagram, TwoClicksReturnToTheFirstMode) {
  std::array<std::string, kLoadBinCount> work, load;
  work.fill("0");
  load.fill("0");
  // Whole strings moved in: GCC 12 at -O3 takes assigning a literal for an overlapping copy.
  work[0] = std::string("10");
  work[1] = std::string("40");
  load[2] = std::string("7");
  const DiagramState first = ToggleDiagram(kWorkCycleDiagramTitle, work, load);
  EXPECT_EQ(first.title, kLoadCycleDiagramTitle);
  EXPECT_EQ(first.bars[2], 100);
  EXPECT_EQ(first.bars[0], 0);
  const DiagramState second = ToggleDiagram(first.title, work, load);
  EXPECT_EQ(second.title, kWorkCycleDiagramTitle);
  EXPECT_EQ(second.bars[0], 25);
  EXPECT_EQ(second.bars[1], 100);
}

TEST(ToggleDiagram, EmptyFieldsCountAsZero) {
  const std::array<std::string, kLoadBinCount> empty{};
  const DiagramState s = ToggleDiagram(kWorkCycleDiagramTitle, empty, empty);
  EXPECT_EQ(s.title, kLoadCycleDiagramTitle);
  EXPECT_EQ(s.bars, Bars{});
  EXPECT_EQ(ToggleDiagram("", empty, empty).title, kWorkCycleDiagramTitle);
  EXPECT_EQ(CountFromText("12x"), 0);
  EXPECT_EQ(CountFromText("99999999999"), 0);
  EXPECT_EQ(CountFromText("1234"), 1234);
}

}  // namespace
}  // namespace vertal::dump
