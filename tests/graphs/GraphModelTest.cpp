#include <gtest/gtest.h>

#include "graphs/core/GraphModel.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::graphs {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;
using testing::TempDir;

const CraneLabels kLabels{"КС-1", "7", "0412"};

class GraphModelFile : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
};

TEST_F(GraphModelFile, OpeningShowsTheLastWindowWithItsTitle) {
  builder.Frame(5, FrameFields{}).Frame(270000, FrameFields{});
  builder.Write(path);
  GraphModel model(GraphKind::Param);
  EXPECT_EQ(model.View().title, kParamDesignTitle);
  EXPECT_EQ(model.View().axisTitle, "");
  // Valid frame 5 of the first window marks entry 5 of the overload list.
  const JumpList overloads{{"a", "b", "c", "d", "e", "f"}, {100, 200, 300, 400, 500, 600}};
  ASSERT_TRUE(model.Open(path, kLabels, overloads));
  EXPECT_EQ(model.View().position, 268228);
  EXPECT_EQ(model.View().axis, (AxisRange{268228, 270276}));
  EXPECT_EQ(model.View().title, ParamTitle("КС-1", "7", "0412", false));
  EXPECT_EQ(model.View().axisTitle, "Кадры");
  EXPECT_EQ(model.View().series[0].x, (std::vector<double>{270000}));
  EXPECT_EQ(model.View().limit, (SeriesPoints{{600}, {110}}));
  EXPECT_EQ(model.SeriesNames().front(), "Series2");
}

TEST_F(GraphModelFile, AWindowWithoutValidFramesKeepsThePreviousTitles) {
  builder.Frame(5, FrameFields{});
  builder.Write(path);
  GraphModel model(GraphKind::Relay);
  ASSERT_TRUE(model.Open(path, kLabels, {}));
  EXPECT_EQ(model.View().title, RelayTitle("КС-1", "7", "0412", true));  // from the first window
  EXPECT_TRUE(model.View().limit.x.empty());
  ASSERT_TRUE(model.MoveTo(path, 0, {"other", "1", "2"}));
  EXPECT_EQ(model.View().title, RelayTitle("other", "1", "2", false));
  EXPECT_EQ(model.View().axis, (AxisRange{0, 2048}));
}

TEST_F(GraphModelFile, ResetAndUnreadableFiles) {
  builder.Write(path);
  GraphModel model(GraphKind::Param);
  ASSERT_TRUE(model.Open(path, kLabels, {}));
  EXPECT_EQ(model.View().title, kParamDesignTitle);  // no valid frame anywhere
  model.Reset();
  EXPECT_EQ(model.View().axis, (AxisRange{0, 1}));
  EXPECT_EQ(model.View().position, 0);
  EXPECT_FALSE(model.Open(dir.File("gone.bin"), kLabels, {}));
  EXPECT_FALSE(model.MoveTo(dir.File("gone.bin"), 100000, kLabels));
  EXPECT_EQ(model.View().axis, (AxisRange{100000, 102048}));
}

}  // namespace
}  // namespace vertal::graphs
