#include <gtest/gtest.h>

#include <cmath>

#include "graphs/core/AzimuthAxis.h"
#include "graphs/core/Overview.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::graphs {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;
using testing::TempDir;

FrameFields LoadFrame(std::uint8_t moment, std::uint8_t seconds, std::uint8_t limits = 0) {
  FrameFields f;
  f.loadMoment = moment;
  f.limits = limits;
  f.time = {seconds, 0x00, 0x12};
  return f;
}

TEST(Overview, EachColumnKeepsTheRangeAndLimitsOfItsValidFrames) {
  TempDir dir;
  DumpBuilder b;
  const std::int64_t spiky = 5 * kFramesPerColumn;
  for (std::int64_t n = spiky; n < spiky + kFramesPerColumn; ++n) b.Frame(n, LoadFrame(20, 0x01));
  b.Frame(spiky + 40, LoadFrame(255, 0x02, 0x84));  // one frame of the column overloaded to the top
  const std::int64_t damaged = 7 * kFramesPerColumn;
  for (std::int64_t n = damaged; n < damaged + kFramesPerColumn; ++n)
    b.Frame(n, LoadFrame(90, 0x03)).DamageFrame(n);
  b.Frame(dump::kFrameCount - 1, LoadFrame(30, 0x04, 0x10));  // the newest frame, in the last column
  b.Write(dir.File("d.bin"));

  const std::optional<Overview> overview = ReadOverview(dir.File("d.bin"));
  ASSERT_TRUE(overview);
  ASSERT_EQ(overview->columns.size(), static_cast<std::size_t>(kOverviewColumns));
  EXPECT_EQ(overview->columns[5], (OverviewColumn{true, 20, 255, 0x84}));
  EXPECT_FALSE(overview->columns[7].recorded);  // invalid frames only: a gap
  EXPECT_FALSE(overview->columns[0].recorded);  // erased slots: a gap
  EXPECT_EQ(overview->columns.back(), (OverviewColumn{true, 30, 30, 0x10}));
  EXPECT_EQ(overview->newest, dump::kFrameCount - 1);

  EXPECT_FALSE(ReadOverview(dir.File("gone.bin")));
}

TEST(Overview, NewestFrameIsTheEndOfTheLatestRunInRingOrder) {
  struct Row {
    const char* what;
    std::vector<std::pair<std::int64_t, std::uint8_t>> frames;  // slot, seconds
    std::int64_t newest;
  };
  const std::int64_t last = dump::kFrameCount - 1;
  const Row rows[] = {
      {"latest in the middle", {{0, 0x01}, {500, 0x09}, {501, 0x09}, {502, 0x02}}, 501},
      {"latest run wraps past the last slot",
       {{last - 1, 0x09}, {last, 0x09}, {0, 0x09}, {1, 0x09}, {2, 0x01}},
       1},
  };
  for (const Row& row : rows) {
    TempDir dir;
    DumpBuilder b;
    for (const auto& [n, seconds] : row.frames) b.Frame(n, LoadFrame(10, seconds));
    b.Write(dir.File("d.bin"));
    EXPECT_EQ(ReadOverview(dir.File("d.bin"))->newest, row.newest) << row.what;
  }
}

TEST(AzimuthWrap, LineBreaksWhereTheAzimuthPassesNorth) {
  const SeriesPoints azimuth{{10, 11, 12, 13, 14}, {358, 359.5, 0.5, 2, 350}};
  const SeriesPoints broken = BreakAtWrap(azimuth);
  ASSERT_EQ(broken.x, (std::vector<double>{10, 11, 11.5, 12, 13, 13.5, 14}));
  for (std::size_t i : {2u, 5u}) EXPECT_TRUE(std::isnan(broken.y[i])) << i;
  EXPECT_EQ(broken.y[3], 0.5);
  // A slow slew without passing north keeps every point joined.
  const SeriesPoints slow{{1, 2, 3}, {10, 150, 300}};
  EXPECT_EQ(BreakAtWrap(slow), slow);
}

}  // namespace
}  // namespace vertal::graphs
