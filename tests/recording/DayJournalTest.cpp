#include <gtest/gtest.h>

#include "frames/core/FrameLayout.h"
#include "frames/core/PeriodScan.h"
#include "recording/core/DayJournal.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::recording {
namespace {

using testing::DumpBuilder;
using testing::FrameFields;

struct Step {
  std::uint8_t moment = 0;
  std::uint8_t fault = 0;
  std::uint8_t limits = 0;
  bool tuning = false;
};

// Frames two seconds apart from `hour`:00:00 of `day` (September 2008), from slot `first`.
void Day(DumpBuilder& b, std::int64_t first, std::uint8_t day, std::uint8_t hour,
         const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    FrameFields f;
    f.date = {day, 0x09, 0x08};
    const auto second = static_cast<std::uint8_t>(2 * i);
    f.time = {static_cast<std::uint8_t>((second / 10) << 4 | second % 10), 0x00, hour};
    f.kos = steps[i].tuning ? 0 : frames::kKosWorkMode;
    f.loadMoment = steps[i].moment;
    f.faultCode = steps[i].fault;
    f.limits = steps[i].limits;
    b.Frame(first + static_cast<std::int64_t>(i), f);
  }
}

constexpr std::uint8_t kOn = frames::kFaultSwitchOn;
constexpr std::uint8_t kCeiling = frames::kLimitCeilingEntered | frames::kLimitCeilingTriggered;
constexpr std::uint8_t kWall = frames::kLimitWallEntered | frames::kLimitWallTriggered;

// Three days; the ring has wrapped, so the last day lies in the first slots.
TEST(DayJournal, ThreeDaysInDateOrderWithTheirCounts) {
  DumpBuilder b;
  Day(b, 10, 0x10, 0x08,
      {{0, kOn}, {5, 0, 0, true}, {20}, {30, 0, kCeiling}, {5, 0, kCeiling}});
  Day(b, 15, 0x10, 0x09, {{50, 0, kCeiling | kWall}, {5, 97}});  // an hour later, no switch-on
  Day(b, 20, 0x11, 0x08,
      {{0, kOn}, {0}, {115}, {115}, {90}, {120}, {0}, {0, 102}, {0, 103}, {0}});
  Day(b, 0, 0x12, 0x07, {{0, kOn}, {0, kOn}, {0}, {0}});
  testing::TempDir dir;
  const std::string path = dir.File("d.bin");
  b.Write(path);
  const auto rows = DayJournal(path);
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 3u);

  const DayRow& first = (*rows)[0];
  EXPECT_EQ(first.date, (frames::BcdBytes{0x10, 0x09, 0x08}));
  EXPECT_EQ(first.firstTime, (frames::BcdBytes{0x00, 0x00, 0x08}));
  EXPECT_EQ(first.lastTime, (frames::BcdBytes{0x02, 0x00, 0x09}));
  EXPECT_EQ(first.firstFrame, 10);
  EXPECT_EQ(first.recordedSeconds, 5 * 2);  // the hour's gap is not work
  EXPECT_EQ(first.lifts, 2);
  EXPECT_EQ(first.maxMoment, 50);
  EXPECT_EQ(first.maxMomentFrame, 15);
  EXPECT_EQ(first.maxMomentTime, (frames::BcdBytes{0x00, 0x00, 0x09}));
  EXPECT_EQ(first.tuning, 1);
  EXPECT_EQ(first.switchOns, 1);
  EXPECT_EQ(first.limitTriggers, 2);  // the ceiling, then the wall
  EXPECT_EQ(first.faultCodes, (std::vector<std::uint8_t>{1, 97}));

  const DayRow& second = (*rows)[1];
  EXPECT_EQ(second.firstFrame, 20);
  EXPECT_EQ(second.recordedSeconds, 9 * 2);
  EXPECT_EQ(second.lifts, 1);
  EXPECT_EQ(second.overloads, 2);
  EXPECT_EQ(second.mzon, 1);
  EXPECT_EQ(second.maxMoment, 120);
  EXPECT_EQ(second.maxMomentFrame, 25);
  EXPECT_EQ(second.faultCodes, (std::vector<std::uint8_t>{1, 102, 103}));

  const DayRow& third = (*rows)[2];
  EXPECT_EQ(third.firstFrame, 0);
  EXPECT_EQ(third.switchOns, 2);
  EXPECT_EQ(third.recordedSeconds, 2 * 2);  // the second switch-on's gap is not work
  EXPECT_EQ(third.lifts + third.overloads + third.tuning + third.mzon + third.limitTriggers, 0);
}

// The days share out the items of the recording-period scan's lists exactly.
TEST(DayJournal, DaysAddUpToThePeriodScanOnTheDemoRecording) {
  DumpBuilder b;
  demo::BuildDemo(b);
  testing::TempDir dir;
  const std::string path = dir.File("demo.bin");
  b.Write(path);
  const auto rows = DayJournal(path);
  const auto scan = frames::ScanRecordingPeriod(path);
  ASSERT_TRUE(rows && scan);
  std::size_t overloads = 0, tuning = 0, mzon = 0, switchOns = 0;
  for (const DayRow& row : *rows) {
    overloads += static_cast<std::size_t>(row.overloads);
    tuning += static_cast<std::size_t>(row.tuning);
    mzon += static_cast<std::size_t>(row.mzon);
    switchOns += static_cast<std::size_t>(row.switchOns);
  }
  EXPECT_EQ(overloads, scan->overloads.Count());
  EXPECT_EQ(tuning, scan->tuning.Count());
  EXPECT_EQ(mzon, scan->mzon.Count());
  EXPECT_EQ(switchOns, scan->switchOns.Count());
}

}  // namespace
}  // namespace vertal::recording
