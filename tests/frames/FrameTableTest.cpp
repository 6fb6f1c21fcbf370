#include <gtest/gtest.h>

#include "dump/core/RecordAccess.h"
#include "frames/core/FrameTable.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::frames {
namespace {

using testing::DumpBuilder;
using testing::FakeHost;
using testing::FrameFields;
using testing::TempDir;

class FrameTablePage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::int64_t n : {0, 1, 4, 270331, 270335}) {
      FrameFields f;
      f.loadMoment = static_cast<std::uint8_t>(n % 200);
      f.reeving = 4;
      f.mode = 2;
      builder.Frame(n, f);
    }
    builder.DamageFrame(4);
    builder.Write(path);
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
};

TEST_F(FrameTablePage, FirstAndLastPages) {
  const records::TablePage first = records::ReadTablePage(path, FrameTableLayout(), 0, ".");
  ASSERT_EQ(first.columns.size(), 5u);
  for (const auto& column : first.columns) EXPECT_EQ(column.size(), static_cast<std::size_t>(kFrameTableRows));
  EXPECT_EQ(first.columns[0][0], "0");
  EXPECT_EQ(first.columns[0][12], "4 2");
  EXPECT_EQ(first.columns[0][20], "НОРМА");
  EXPECT_EQ(first.columns[1][13], "1");
  EXPECT_EQ(first.columns[2][1], "FF.FF.FF");  // erased slot
  EXPECT_EQ(first.columns[2][10], "11111111");
  EXPECT_EQ(first.columns[2][20], "БРАК");
  EXPECT_EQ(first.columns[4][20], "БРАК");  // damaged checksum, fields still shown
  EXPECT_EQ(first.columns[4][12], "4 2");

  const records::TablePage last = records::ReadTablePage(path, FrameTableLayout(), 270331, ".");
  EXPECT_EQ(last.columns[0][0], "270331");
  EXPECT_EQ(last.columns[4][0], "270335");
  EXPECT_EQ(last.columns[4][20], "НОРМА");
}

TEST_F(FrameTablePage, PositionsAreClampedLikeTheScrollBar) {
  EXPECT_EQ(records::ReadTablePage(path, FrameTableLayout(), 270334, ".").position, 270331);
  EXPECT_EQ(records::ReadTablePage(path, FrameTableLayout(), -3, ".").position, 0);
  EXPECT_EQ(FrameTableLayout().MaxPosition(), 270331);
}

TEST_F(FrameTablePage, AnUnreadableFileShowsNumbersAndMarksOnly) {
  const records::TablePage page = records::ReadTablePage(dir.File("gone.bin"), FrameTableLayout(), 10, ".");
  EXPECT_TRUE(page.unreadable);
  EXPECT_EQ(page.columns[3][0], "13");
  EXPECT_EQ(page.columns[3][20], "БРАК");
  for (int row = 1; row < 20; ++row) EXPECT_EQ(page.columns[3][static_cast<std::size_t>(row)], "");
}

TEST_F(FrameTablePage, AShortFileShowsItsMissingFramesAsBad) {
  DumpBuilder b;
  b.Frame(2, FrameFields{});
  b.WriteTruncated(path, dump::kFrames.Offset(2) + 20);
  const records::TablePage page = records::ReadTablePage(path, FrameTableLayout(), 0, ".");
  EXPECT_EQ(page.columns[2][20], "БРАК");
  EXPECT_EQ(page.columns[3][1], "00.00.00");
}

TEST_F(FrameTablePage, ThePageTurnReportsAnUnreadableFileOnce) {
  FakeHost host;
  const records::TablePage page = records::TurnPage(path, FrameTableLayout(), 1, ",", host);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(page.columns, records::ReadTablePage(path, FrameTableLayout(), 1, ",").columns);
  const records::TablePage gone = records::TurnPage(dir.File("gone.bin"), FrameTableLayout(), 1, ",", host);
  EXPECT_TRUE(gone.unreadable);
  EXPECT_EQ(host.messages, (std::vector<Message>{{MessageKind::Error, std::string(dump::kOpenFailedText)}}));
}

// After a reset the grid keeps its shape, every cell empty, at the clamped position.
TEST(EmptyTablePage, EveryCellOfTheGridIsEmpty) {
  const records::TableLayout& layout = FrameTableLayout();
  for (const auto& [asked, shown] : {std::pair<std::int64_t, std::int64_t>{0, 0}, {-5, 0}, {270000, 270000}, {999999, 270331}}) {
    const records::TablePage page = records::EmptyTablePage(layout, asked);
    EXPECT_EQ(page.position, shown);
    EXPECT_FALSE(page.unreadable);
    EXPECT_EQ(page.columns, GridColumns(5, std::vector<std::string>(21)));
  }
}

}  // namespace
}  // namespace vertal::frames
