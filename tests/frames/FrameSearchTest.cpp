#include <gtest/gtest.h>

#include "frames/core/FrameSearch.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::frames {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;
using testing::TempDir;

class FrameSearchFile : public ::testing::Test {
 protected:
  void Put(std::int64_t n, std::uint8_t moment, std::uint8_t limits = 0, std::uint8_t fault = 0) {
    FrameFields f;
    f.loadMoment = moment;
    f.limits = limits;
    f.faultCode = fault;
    builder.Frame(n, f);
  }
  JumpList Search(FrameConditions conditions) {
    builder.Write(path);
    auto result = SearchFrames(path, conditions);
    EXPECT_TRUE(result.has_value());
    return result ? *result : JumpList{};
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
};

TEST_F(FrameSearchFile, RunsAtOrAboveTheThresholdGiveOneItem) {
  for (int n = 0; n < 20; ++n) Put(n, n >= 5 && n <= 9 ? 100 : 60);
  EXPECT_EQ(Search({100, false, false}), (JumpList{{"5-й кадр, дата 01.01.08"}, {5}}));
  EXPECT_EQ(Search({255, false, false}).Count(), 0u);
  // Threshold 0 selects every valid frame: one run from frame 0.
  EXPECT_EQ(Search({0, false, false}).numbers, (std::vector<std::int64_t>{0}));
}

TEST_F(FrameSearchFile, ALimitMustBeBothEnteredAndTriggered) {
  Put(3, 0, 0x80);  // ceiling entered only
  Put(5, 0, 0x88);  // ceiling entered and triggered
  Put(7, 0, 0x18);  // left entered, ceiling triggered: not the same limit
  Put(9, 0, 0x11);  // left entered and triggered
  EXPECT_EQ(Search({1, true, false}).numbers, (std::vector<std::int64_t>{5, 9}));
  EXPECT_EQ(Search({1, false, false}).Count(), 0u);
}

TEST_F(FrameSearchFile, FaultCodesIncludeTheSwitchOn) {
  Put(1, 0, 0, 1);
  Put(2, 0, 0, 0);
  Put(3, 0, 0, 46);
  EXPECT_EQ(Search({1, false, true}).numbers, (std::vector<std::int64_t>{1, 3}));
}

TEST_F(FrameSearchFile, InvalidFramesEndARunAndSearchingTwiceGivesTheSameList) {
  for (int n = 10; n < 16; ++n) Put(n, 120);
  builder.DamageFrame(12);
  const JumpList first = Search({110, false, false});
  EXPECT_EQ(first.numbers, (std::vector<std::int64_t>{10, 13}));
  EXPECT_EQ(Search({110, false, false}), first);
  EXPECT_FALSE(SearchFrames(dir.File("gone.bin"), {}).has_value());
}

TEST(ParseWholeNumber, AcceptsOnlyWholeNumbers) {
  EXPECT_EQ(ParseWholeNumber("110"), 110);
  EXPECT_EQ(ParseWholeNumber(" 7 "), 7);
  EXPECT_EQ(ParseWholeNumber("-5"), -5);
  EXPECT_EQ(ParseWholeNumber("+5"), 5);
  for (const char* bad : {"", " ", "1.5", "12a", "abc", "99999999999", "--1"})
    EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace vertal::frames
