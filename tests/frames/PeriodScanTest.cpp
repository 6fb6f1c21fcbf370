#include <gtest/gtest.h>

#include "common/core/ControlSnapshot.h"
#include "dump/core/RecordAccess.h"
#include "frames/core/FrameLayout.h"
#include "frames/core/PeriodScan.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/ListItems.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

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

// The AVX2 path gives what the SSE2 path gives, bit for bit: over the demo with frames at the
// edges of every list's rule, frames invalid by their checksum or their date and time bytes
// (some of them the earliest or latest moment of the file), and over the same file cut short
// inside a frame.
TEST_F(PeriodScanFile, BothVectorPathsGiveTheSameResult) {
  if (!Runs(VectorPath::Avx2)) GTEST_SKIP() << "this processor has no AVX2";
  demo::BuildDemo(builder);
  const std::uint8_t edges[] = {0x00, 0x01, 0x02, 0x08, 0x64, 0x65, 0x69, 0x6A, 0x6D, 0x6E, 0xF7, 0xFF};
  std::int64_t n = 1000;
  for (const std::uint8_t e : edges) {
    FrameFields f = At(0x15, 0x10);
    f.faultCode = f.loadMoment = f.kos = e;
    builder.Frame(n++, f);
  }
  FrameFields earliest = At(0x01, 0x00);
  earliest.date = {0x01, 0x01, 0x00};
  FrameFields latest = At(0x31, 0x23, 0x59);
  latest.date = {0x31, 0x12, 0x99};
  builder.Frame(2001, earliest).Frame(3002, latest).Frame(3003, latest).DamageFrame(3003);
  FrameFields badDay = earliest;  // checksum closed, date out of bounds
  badDay.date[0] = 0x00;
  FrameFields badHour = latest;
  badHour.time[2] = 0x24;
  builder.Frame(4001, badDay).Frame(4002, badHour);
  for (std::int64_t d = 5000; d < 5010; ++d) builder.DamageFrame(d);  // whole groups of four
  const std::string cut = dir.File("cut.bin");
  builder.Write(path);
  builder.WriteTruncated(cut, dump::kFrames.Offset(6003) + 17);

  for (const std::string& file : {path, cut}) {
    const auto scan = [&file](VectorPath vectors, std::vector<std::int64_t>& offered) {
      return ScanRecordingPeriod(
          file, {}, [&offered](std::int64_t k, FrameBytes) { offered.push_back(k); }, vectors);
    };
    std::vector<std::int64_t> offeredSse2, offeredAvx2;
    const auto sse2 = scan(VectorPath::Sse2, offeredSse2);
    const auto avx2 = scan(VectorPath::Avx2, offeredAvx2);
    ASSERT_TRUE(sse2 && avx2);
    EXPECT_EQ(offeredAvx2, offeredSse2) << file;
    EXPECT_EQ(avx2->earliest.date, sse2->earliest.date) << file;
    EXPECT_EQ(avx2->earliest.time, sse2->earliest.time) << file;
    EXPECT_EQ(avx2->latest.date, sse2->latest.date) << file;
    EXPECT_EQ(avx2->latest.time, sse2->latest.time) << file;
    EXPECT_EQ(avx2->mzon, sse2->mzon) << file;
    EXPECT_EQ(avx2->tuning, sse2->tuning) << file;
    EXPECT_EQ(avx2->overloads, sse2->overloads) << file;
    EXPECT_EQ(avx2->switchOns, sse2->switchOns) << file;
  }
}

}  // namespace
}  // namespace vertal::frames
