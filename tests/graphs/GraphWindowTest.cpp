#include <gtest/gtest.h>

#include "dump/core/DumpLayout.h"
#include "graphs/core/GraphWindow.h"
#include "support/DumpBuilder.h"
#include "support/ListItems.h"
#include "support/TempDir.h"

namespace vertal::graphs {
namespace {

using testing::DumpBuilder;
using testing::NumbersOnly;
using testing::FrameFields;
using testing::TempDir;

TEST(GraphAxis, WindowsAndClamping) {
  // The last window ends with the last frame slot.
  EXPECT_EQ(WindowAxis(ClampGraphPosition(kOpeningPosition)), (AxisRange{268288, 270336}));
  EXPECT_EQ(ClampGraphPosition(999'999), 268288);
  EXPECT_EQ(WindowAxis(0), (AxisRange{0, 2048}));
  EXPECT_EQ(WindowAxis(100000), (AxisRange{100000, 102048}));
  EXPECT_EQ(ClampGraphPosition(-1), 0);
}

TEST(ParamWindow, ValidFramesGiveOnePointPerSeries) {
  TempDir dir;
  DumpBuilder b;
  FrameFields f;
  f.load = -100;
  f.azimuth = 3600;
  f.radius = 1234;
  f.length = 2150;
  f.loadMoment = 87;
  b.Frame(100001, f).Frame(100003, f).Frame(102047, f).Frame(102048, f);
  b.DamageFrame(100003);
  b.Write(dir.File("d.bin"));
  const GraphWindow w = ReadParamWindow(dir.File("d.bin"), 100000);
  EXPECT_TRUE(w.anyValid);
  ASSERT_EQ(w.series.size(), kParamSeriesCount);
  const auto& moment = w.series[static_cast<std::size_t>(ParamSeries::Moment)];
  EXPECT_EQ(moment.x, (std::vector<double>{100001, 102047}));  // 100003 damaged, 102048 outside
  EXPECT_EQ(moment.y, (std::vector<double>{87, 87}));
  EXPECT_DOUBLE_EQ(w.series[static_cast<std::size_t>(ParamSeries::Load)].y[0], -1.0);
  EXPECT_DOUBLE_EQ(w.series[static_cast<std::size_t>(ParamSeries::Azimuth)].y[0], 360.0);
  EXPECT_DOUBLE_EQ(w.series[static_cast<std::size_t>(ParamSeries::Radius)].y[0], 12.34);
  EXPECT_DOUBLE_EQ(w.series[static_cast<std::size_t>(ParamSeries::Length)].y[0], 21.5);
  EXPECT_EQ(w.series[static_cast<std::size_t>(ParamSeries::Zero)].y, (std::vector<double>{0, 0}));

  const GraphWindow empty = ReadParamWindow(dir.File("d.bin"), 0);
  EXPECT_FALSE(empty.anyValid);
  EXPECT_EQ(empty.series[0].Size(), 0u);
  EXPECT_TRUE(ReadParamWindow(dir.File("gone.bin"), 0).unreadable);
}

TEST(RelayWindow, BarsForLimitsSetAndTriggered) {
  TempDir dir;
  DumpBuilder b;
  FrameFields f;
  f.limits = 0x88;
  b.Frame(10, f);
  f.limits = 0x0F;
  b.Frame(11, f);
  f.limits = 0x00;
  b.Frame(12, f);
  b.Write(dir.File("d.bin"));
  const GraphWindow w = ReadRelayWindow(dir.File("d.bin"), 0);
  ASSERT_EQ(w.series.size(), kRelaySeriesCount);
  EXPECT_EQ(w.series[0], (SeriesPoints{{10}, {1}}));      // ceiling set
  EXPECT_EQ(w.series[4], (SeriesPoints{{10, 11}, {1, 1}}));  // ceiling triggered
  EXPECT_EQ(w.series[5], (SeriesPoints{{11}, {2}}));
  EXPECT_EQ(w.series[6], (SeriesPoints{{11}, {3}}));
  EXPECT_EQ(w.series[7], (SeriesPoints{{11}, {4}}));
  for (std::size_t s : {1u, 2u, 3u}) EXPECT_EQ(w.series[s].Size(), 0u);
}

TEST(LimitSeries, OnePointAtTheFirstFrameOfEachOverloadEpisode) {
  const JumpList episodes = NumbersOnly({1000, 5000, 269000});
  EXPECT_EQ(LimitSeries(episodes), (SeriesPoints{{1000, 5000, 269000}, {110, 110, 110}}));
  // A file without an overload has no mark at all, not one at frame 0.
  EXPECT_EQ(LimitSeries(JumpList{}).Size(), 0u);
}

TEST(GraphTitles, OpeningAndWindowVariants) {
  EXPECT_EQ(ParamTitle("КС-1", "7", "0412", false),
            "График параметров работы стрелового крана КС-1 № 7 по данным РП VERTAL № 0412 (по кадрам)");
  EXPECT_EQ(ParamTitle("КС-1", "7", "0412", true),
            "График параметров работы стрелового крана КС-1 №7 по данным РП VERTAL №0412 (по кадрам)");
  EXPECT_EQ(RelayTitle("К", "1", "2", false),
            "График работы дискр. входов и выходных реле стрелового крана К № 1 по данным РП VERTAL № 2 (по кадрам)");
}

}  // namespace
}  // namespace vertal::graphs
