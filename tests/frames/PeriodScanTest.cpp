#include <gtest/gtest.h>

#include "common/core/ControlSnapshot.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameLayout.h"
#include "frames/core/PeriodScan.h"
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

FrameFields At(std::uint8_t day, std::uint8_t hour, std::uint8_t second = 0) {
  FrameFields f;
  f.date = {day, 0x09, 0x08};
  f.time = {second, 0x00, hour};
  f.kos = kKosWorkMode;
  return f;
}

class PeriodScanFile : public ::testing::Test {
 protected:
  PeriodScanResult Scan() {
    builder.Write(path);
    auto result = ScanRecordingPeriod(path);
    EXPECT_TRUE(result.has_value());
    return result ? *result : PeriodScanResult{};
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
  DumpBuilder builder;
};

TEST_F(PeriodScanFile, OverloadRunsGiveOneEpisodeAndAnInvalidFrameSplitsThem) {
  for (int n = 10; n <= 21; ++n) {
    FrameFields f = At(0x15, 0x10);
    f.loadMoment = n <= 20 ? 115 : 90;
    builder.Frame(n, f);
  }
  EXPECT_EQ(Items(Scan().overloads), (ListItems{{"10-й кадр, дата: 15.09.08", 10}}));
  builder.DamageFrame(15);
  EXPECT_EQ(Scan().overloads.Numbers(), (std::vector<std::int64_t>{10, 16}));
}

TEST_F(PeriodScanFile, EachListHasItsRuleAndItemText) {
  FrameFields mzon = At(0x15, 0x10);
  mzon.faultCode = 101;
  builder.Frame(0, mzon);  // frame 0 takes part like any other
  mzon.faultCode = 104;
  builder.Frame(1, mzon);
  FrameFields other = At(0x15, 0x10);
  other.faultCode = 100;  // no list
  builder.Frame(2, other);
  FrameFields five = At(0x15, 0x10);
  five.faultCode = 105;  // the most dangerous power line starts an episode of its own
  builder.Frame(3, five);
  FrameFields tuning = At(0x16, 0x11);
  tuning.kos = 0xF7;  // every flag but the work mode
  builder.Frame(7, tuning);
  for (int n = 20; n < 23; ++n) {
    FrameFields on = At(0x17, 0x08);
    on.faultCode = 1;
    builder.Frame(n, on);
  }
  FrameFields exact = At(0x17, 0x09);
  exact.loadMoment = 110;
  builder.Frame(30, exact);

  const PeriodScanResult r = Scan();
  EXPECT_EQ(Items(r.mzon), (ListItems{{"0-й кадр, дата сраба-ия: 15.09.08", 0},
                                      {"3-й кадр, дата сраба-ия: 15.09.08", 3}}));
  EXPECT_EQ(Items(r.tuning), (ListItems{{"7-й кадр, дата работы: 16.09.08", 7}}));
  EXPECT_EQ(Items(r.switchOns), (ListItems{{"20-й кадр, дата 17.09.08", 20},
                                           {"21-й кадр, дата 17.09.08", 21},
                                           {"22-й кадр, дата 17.09.08", 22}}));
  EXPECT_EQ(r.overloads.Numbers(), (std::vector<std::int64_t>{30}));
}

TEST_F(PeriodScanFile, PeriodSpansTheValidFramesWhateverTheirSlots) {
  builder.Frame(5, At(0x15, 0x10));
  builder.Frame(6, At(0x14, 0x23, 0x59));  // earliest, in a later slot than frame 5
  builder.Frame(200000, At(0x20, 0x07));   // latest
  builder.Frame(200001, At(0x20, 0x07));   // a tie changes nothing
  const PeriodScanResult r = Scan();
  const ControlSnapshot c = ControlSnapshot().Add(PresentPeriodScan(r));
  EXPECT_EQ(c.Text("Label_NR"), "Начало работы РП: 14.09.08 в 23:00:59");
  EXPECT_EQ(c.Text("Label_KR"), "Конец   работы РП: 20.09.08 в 07:00:00");
  EXPECT_EQ(c.Text("Label_Cikl_M"), "Количество эпизодов: 0");
  EXPECT_EQ(c.Text("Label_ON"), "Количество включений: 0");
  EXPECT_EQ(c.List("ComboBox_ON").Count(), 0u);
}

TEST_F(PeriodScanFile, AnErasedFrameZeroDoesNotBecomeThePeriod) {
  builder.Frame(100, At(0x15, 0x10));
  const PeriodScanResult r = Scan();
  EXPECT_EQ(r.earliest.date, (BcdBytes{0x15, 0x09, 0x08}));
  EXPECT_EQ(r.latest.date, (BcdBytes{0x15, 0x09, 0x08}));
}

TEST_F(PeriodScanFile, WithoutValidFramesFrameZeroShowsAsItStands) {
  const PeriodScanResult r = Scan();  // every slot erased
  EXPECT_EQ(r.earliest.date, (BcdBytes{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(r.latest.time, (BcdBytes{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(r.overloads.Count() + r.mzon.Count() + r.tuning.Count() + r.switchOns.Count(), 0u);
}

TEST_F(PeriodScanFile, ProgressIsReportedInStepsAndUnreadableFilesGiveNothing) {
  int reports = 0;
  std::int64_t lastDone = 0;
  builder.Write(path);
  ASSERT_TRUE(ScanRecordingPeriod(path, [&](std::int64_t done, std::int64_t total) {
    ++reports;
    lastDone = done;
    EXPECT_EQ(total, 270336);
  }));
  EXPECT_EQ(lastDone, 270336);
  EXPECT_LE(reports, 100);
  EXPECT_FALSE(ScanRecordingPeriod(dir.File("gone.bin")).has_value());
}

TEST_F(PeriodScanFile, TheScanAsOpeningRunsIt) {
  FrameFields f = At(0x15, 0x10);
  f.loadMoment = 120;
  builder.Frame(3, f);
  f.faultCode = 1;
  builder.Frame(4, f).Frame(5, f);
  builder.Write(path);
  FakeHost host;
  int begins = 0;
  std::int64_t done = 0;
  const auto scanned = RunPeriodScan(path, host, {[&] { ++begins; }, [&](std::int64_t d, std::int64_t) { done = d; }});
  EXPECT_EQ(scanned.end, PassEnd::Done);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(begins, 1);
  EXPECT_EQ(done, dump::kFrameCount);
  const ControlSnapshot c = ControlSnapshot().Add(scanned.model);
  EXPECT_EQ(c.Text("Label_Cikl_M"), "Количество эпизодов: 1");
  EXPECT_EQ(c.Text("Label_ON"), "Количество включений: 2");
  EXPECT_EQ(c.Text("Label_Cikl_MZON"), "Количество эпизодов: 0");
  EXPECT_EQ(c.List("ComboBox_ON").Numbers(), (std::vector<std::int64_t>{4, 5}));

  // A file that cannot be opened: one message, empty lists, the labels as they were.
  const auto gone = RunPeriodScan(dir.File("gone.bin"), host);
  EXPECT_EQ(gone.end, PassEnd::Unreadable);
  EXPECT_EQ(host.messages, (std::vector<Message>{{MessageKind::Error, std::string(dump::kOpenFailedText)}}));
  const ControlSnapshot g = ControlSnapshot().Add(gone.model);
  for (const char* label : {"Label_NR", "Label_KR", "Label_Cikl_M", "Label_Cikl_NASTROYKA", "Label_Cikl_MZON", "Label_ON"})
    EXPECT_FALSE(g.Written(label)) << label;
  for (const char* list : {"ComboBox_Cikl_M", "ComboBox_Cikl_NASTROYKA", "ComboBox_Cikl_MZON", "ComboBox_ON"}) {
    EXPECT_TRUE(g.Written(list)) << list;
    EXPECT_EQ(g.List(list).Count(), 0u) << list;
  }
}

}  // namespace
}  // namespace vertal::frames
