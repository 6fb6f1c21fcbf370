#include <gtest/gtest.h>

#include "dump/core/RecordAccess.h"
#include "graphs/core/GraphModel.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/ListItems.h"
#include "support/TempDir.h"

namespace vertal::graphs {
namespace {

using testing::DumpBuilder;
using testing::NumbersOnly;
using testing::FakeHost;
using testing::FrameFields;
using testing::TempDir;

const CraneLabels kLabels{"КС-1", "7", "0412"};

class GraphModelFile : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
  FakeHost host;
};

const Message kOpenFailed{MessageKind::Error, std::string(dump::kOpenFailedText)};

TEST_F(GraphModelFile, OpeningShowsTheLastWindowWithItsTitle) {
  builder.Frame(5, FrameFields{}).Frame(270000, FrameFields{}).Frame(270335, FrameFields{});
  builder.Write(path);
  GraphModel model(GraphKind::Param);
  EXPECT_EQ(model.View().title, kParamDesignTitle);
  EXPECT_EQ(model.View().axisTitle, "");
  // Every overload episode is marked at its first frame.
  const JumpList overloads = NumbersOnly({100, 200, 269000});
  model.Open(path, kLabels, overloads, host);
  EXPECT_TRUE(host.messages.empty());
  // The last window reaches the last frame slot.
  EXPECT_EQ(model.View().position, 268288);
  EXPECT_EQ(model.View().axis, (AxisRange{268288, 270336}));
  EXPECT_EQ(model.View().title, ParamTitle("КС-1", "7", "0412", false));
  EXPECT_EQ(model.View().axisTitle, "Кадры");
  EXPECT_EQ(model.View().series[0].x, (std::vector<double>{270000, 270335}));
  EXPECT_EQ(model.View().limit, (SeriesPoints{{100, 200, 269000}, {110, 110, 110}}));
  // The marks stay where they are when the window moves.
  model.MoveTo(path, 0, host);
  EXPECT_EQ(model.View().limit, (SeriesPoints{{100, 200, 269000}, {110, 110, 110}}));
  EXPECT_EQ(model.SeriesNames().front(), "Series2");
}

TEST_F(GraphModelFile, AWindowWithoutValidFramesKeepsThePreviousTitles) {
  builder.Frame(5, FrameFields{});
  builder.Write(path);
  GraphModel model(GraphKind::Relay);
  model.Open(path, kLabels, {}, host);
  EXPECT_EQ(model.View().title, RelayTitle("КС-1", "7", "0412", true));  // from the first window
  EXPECT_TRUE(model.View().limit.x.empty());
  // Moving names the crane of the opening.
  model.MoveTo(path, 0, host);
  EXPECT_EQ(model.View().title, RelayTitle("КС-1", "7", "0412", false));
  EXPECT_EQ(model.View().axis, (AxisRange{0, 2048}));
  // The next opening names its own crane.
  model.Open(path, {"other", "1", "2"}, {}, host);
  model.MoveTo(path, 0, host);
  EXPECT_EQ(model.View().title, RelayTitle("other", "1", "2", false));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(GraphModelFile, ResetAndUnreadableFiles) {
  builder.Write(path);
  GraphModel model(GraphKind::Param);
  model.Open(path, kLabels, {}, host);
  EXPECT_EQ(model.View().title, kParamDesignTitle);  // no valid frame anywhere
  model.Reset();
  EXPECT_EQ(model.View().axis, (AxisRange{0, 1}));
  EXPECT_EQ(model.View().position, 0);
  EXPECT_TRUE(host.messages.empty());

  // Each command reports an unreadable file once; a move still goes to its position, empty.
  model.Open(dir.File("gone.bin"), kLabels, {}, host);
  EXPECT_EQ(host.messages, std::vector<Message>{kOpenFailed});
  builder.Frame(100005, FrameFields{}).Write(path);
  model.MoveTo(path, 100000, host);
  EXPECT_EQ(model.View().series[0].x, (std::vector<double>{100005}));
  model.MoveTo(dir.File("gone.bin"), 100000, host);
  EXPECT_EQ(host.messages, (std::vector<Message>{kOpenFailed, kOpenFailed}));
  EXPECT_EQ(model.View().axis, (AxisRange{100000, 102048}));
  for (const SeriesPoints& s : model.View().series) EXPECT_TRUE(s.x.empty());
}

}  // namespace
}  // namespace vertal::graphs
