#include <gtest/gtest.h>

#include "graphs/core/GraphDescription.h"

namespace vertal::graphs {
namespace {

TEST(GraphDescription, TitleFramesAndEachShownSeries) {
  SeriesPoints moment;
  moment.Add(266240, 12.5);
  moment.Add(266241, 95);
  moment.Add(266242, 40.25);
  const SeriesPoints empty;
  EXPECT_EQ(DescribeGraph("Графики", 266240, {{"M", &moment}, {"Q", &empty}}, ","),
            "Графики. Кадры с 266240 по 268287. M: от 12,5 до 95, точек: 3. Q: точек нет.");
  EXPECT_EQ(DescribeGraph("Графики", 0, {}, "."), "Графики. Кадры с 0 по 2047.");
}

}  // namespace
}  // namespace vertal::graphs
