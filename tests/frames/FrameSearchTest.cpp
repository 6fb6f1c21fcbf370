#include <gtest/gtest.h>

#include "common/core/ControlSnapshot.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameLayout.h"
#include "frames/core/FrameSearch.h"
#include "records/core/TypedInput.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/ListItems.h"
#include "support/TempDir.h"

namespace vertal::frames {
namespace {

using testing::DumpBuilder;
using testing::Items;
using testing::ListItems;
using testing::FakeHost;
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
  EXPECT_EQ(Items(Search({100, false, false})), (ListItems{{"5-й кадр, дата 01.01.08", 5}}));
  EXPECT_EQ(Search({255, false, false}).Count(), 0u);
  // Threshold 0 selects every valid frame: one run from frame 0.
  EXPECT_EQ(Search({0, false, false}).Numbers(), (std::vector<std::int64_t>{0}));
}

TEST_F(FrameSearchFile, ALimitMustBeBothEnteredAndTriggered) {
  Put(3, 0, 0x80);  // ceiling entered only
  Put(5, 0, 0x88);  // ceiling entered and triggered
  Put(7, 0, 0x18);  // left entered, ceiling triggered: not the same limit
  Put(9, 0, 0x11);  // left entered and triggered
  EXPECT_EQ(Search({1, true, false}).Numbers(), (std::vector<std::int64_t>{5, 9}));
  EXPECT_EQ(Search({1, false, false}).Count(), 0u);
}

// The bytes missing from a cut file read as zeros; a frame cut before its zero checksum byte
// would pass its checksum, but it is not in the file.
TEST_F(FrameSearchFile, AFrameCutByTheEndOfTheFileIsNotSearched) {
  Put(2, 120);
  FrameFields f;
  f.loadMoment = 120;
  auto cut = testing::EncodeFrame(f);
  cut[kFrameFaultCode] = static_cast<std::uint8_t>(cut[kFrameFaultCode] + cut[kFrameChecksum]);
  cut[kFrameChecksum] = 0;
  builder.FrameBytes(5, cut);
  builder.WriteTruncated(path, dump::kFrames.Offset(5) + static_cast<std::int64_t>(kFrameChecksum));
  const auto found = SearchFrames(path, {110, false, false});
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->Numbers(), (std::vector<std::int64_t>{2}));
}

TEST_F(FrameSearchFile, FaultCodesIncludeTheSwitchOn) {
  Put(1, 0, 0, 1);
  Put(2, 0, 0, 0);
  Put(3, 0, 0, 46);
  EXPECT_EQ(Search({1, false, true}).Numbers(), (std::vector<std::int64_t>{1, 3}));
}

TEST_F(FrameSearchFile, InvalidFramesEndARunAndSearchingTwiceGivesTheSameList) {
  for (int n = 10; n < 16; ++n) Put(n, 120);
  builder.DamageFrame(12);
  const JumpList first = Search({110, false, false});
  EXPECT_EQ(first.Numbers(), (std::vector<std::int64_t>{10, 13}));
  EXPECT_EQ(Search({110, false, false}), first);
  EXPECT_FALSE(SearchFrames(dir.File("gone.bin"), {}).has_value());
}

// The search command: what the user sees for each way it can end.
TEST_F(FrameSearchFile, TheCommandShowsTheCountOrOneMessage) {
  for (int n = 0; n < 3; ++n) Put(n, 120);
  Put(9, 0, 0, 46);
  builder.Write(path);
  struct Case {
    std::string file;
    FrameSearchFields typed;
    PassEnd end;
    std::vector<Message> messages;
    std::optional<std::string> count;
    std::vector<std::int64_t> found;
    int begins;
  };
  // The fields are filled in one by one: GCC 12 at -O3 takes the strings of an aggregate
  // written inside this table for ones that may be used uninitialized.
  const auto typed = [](const char* threshold, bool faults) {
    FrameSearchFields fields;
    fields.threshold = threshold;
    fields.faults = faults;
    return fields;
  };
  const Case cases[] = {
      {path, typed("110", true), PassEnd::Done, {}, "2", {0, 9}, 1},
      {path, typed("110", false), PassEnd::Done, {}, "1", {0}, 1},
      {path, typed(" 121 ", false), PassEnd::Done, {}, "0", {}, 1},
      {path, typed("1e2", false), PassEnd::Refused,
       {{MessageKind::Error, "\n Поле \"Загрузка M%\" должно содержать целое число, а не \"1e2\"."}},
       std::nullopt, {}, 0},
      {dir.File("gone.bin"), FrameSearchFields(), PassEnd::Unreadable,
       {{MessageKind::Error, std::string(dump::kOpenFailedText)}}, std::nullopt, {}, 1},
  };
  for (const Case& c : cases) {
    FakeHost host;
    int begins = 0;
    const auto result = RunFrameSearch(c.file, c.typed, host, {[&] { ++begins; }, {}});
    EXPECT_EQ(result.end, c.end) << c.typed.threshold;
    EXPECT_EQ(host.messages, c.messages) << c.typed.threshold;
    EXPECT_EQ(begins, c.begins) << c.typed.threshold;
    const ControlSnapshot controls = ControlSnapshot().Add(result.model);
    EXPECT_EQ(result.model.count, c.count) << c.typed.threshold;
    EXPECT_EQ(controls.List("ComboBox_Cikl").Numbers(), c.found) << c.typed.threshold;
  }
}

TEST(ParseWholeNumber, AcceptsOnlyWholeNumbers) {
  EXPECT_EQ(records::ParseWholeNumber("110"), 110);
  EXPECT_EQ(records::ParseWholeNumber(" 7 "), 7);
  EXPECT_EQ(records::ParseWholeNumber("-5"), -5);
  EXPECT_EQ(records::ParseWholeNumber("+5"), 5);
  for (const char* bad : {"", " ", "1.5", "12a", "abc", "99999999999", "--1"})
    EXPECT_FALSE(records::ParseWholeNumber(bad).has_value()) << bad;
}

}  // namespace
}  // namespace vertal::frames
