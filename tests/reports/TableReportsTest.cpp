#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dump/core/RecordAccess.h"
#include "reports/ReportInspect.h"
#include "reports/core/TableReports.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::reports {
namespace {

using testing::FirstCells;
using testing::PullRows;
using testing::Texts;
using vertal::testing::DumpBuilder;
using vertal::testing::FakeHost;
using vertal::testing::FrameFields;
using vertal::testing::TempDir;

using Row = std::vector<std::string>;
using Strings = std::vector<std::string>;

const std::string kOpenFailed(dump::kOpenFailedText);

class ReportTables : public ::testing::Test {
 protected:
  TableSource Source(const std::string& file = "d.bin") {
    TableSource s;
    s.file = dir_.File(file);
    s.separator = ",";
    s.shown.crane = "КС-55713";
    s.shown.craneSerial = "77";
    s.shown.limiterSerial = "1234";
    return s;
  }
  void Write(const DumpBuilder& b) { b.Write(dir_.File("d.bin")); }

  TempDir dir_;
  FakeHost host_;
};

TEST_F(ReportTables, OperativeLinesOfValidFrames) {
  DumpBuilder b;
  FrameFields f;
  f.pressure = 1000;    // printed in hundredths here
  f.azimuth = 1234;     // tenths, with two decimals
  f.temperature = -10;  // byte 0xF6
  f.reeving = 2;
  f.mode = 5;
  b.Frame(0, {}).Frame(5, f).Frame(7, {}).DamageFrame(7).Frame(200, {}).Frame(201, {});
  b.Frame(4095, {}).Frame(4096, {}).Frame(dump::kFrameCount - 1, {});
  Write(b);

  const ReportBuilder build = OperativeReport(Source(), {0, 200}, host_);
  const auto rows = PullRows(build());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1],
            (Row{"5",        "01.01.08", "12:00:00", "0,00",     "0,00",     "0,00", "10,00",
                 "0,00",     "123,40",   "0,00",     "00000000", "-10",      "2 5",  "0",
                 "00000000", "00000000", "00000000", "00000000", "00000000", "0"}));
  // A preview that lays the report out again gets every line again.
  EXPECT_EQ(FirstCells(build()), (Strings{"0", "5", "200"}));
  EXPECT_TRUE(host_.messages.empty());

  // Ends outside the recording are clamped; a range wholly outside prints nothing.
  const std::vector<std::pair<FrameRange, Strings>> cases = {
      {{4000, 5000}, {"4095", "4096"}},  // across two reads
      {{-50, 3}, {"0"}},
      {{270'000, 999'999}, {"270335"}},
      {{-10, -5}, {}},
      {{300'000, 400'000}, {}},
  };
  for (const auto& [range, frames] : cases)
    EXPECT_EQ(FirstCells(OperativeReport(Source(), range, host_)()), frames) << range.first;
}

TEST_F(ReportTables, TitlesAndNoResultMessages) {
  Write(DumpBuilder());
  Report frames = OperativeReport(Source(), {0, 200}, host_)();
  EXPECT_EQ(Texts(frames.footer).at(0),
            "Оперативная информация о работе крана КС-55713 № 77, записанная в РП VERTAL № 1234");

  Report overloads = OverloadReport(Source(), {}, events::OverloadFields{}, host_)();
  EXPECT_EQ(Texts(overloads.footer).at(0),
            "Таблица перегрузок крана КС-55713 № 77 по данным РП VERTAL № 1234");
  EXPECT_EQ(Texts(testing::Columns(overloads).extra),
            Strings{"Перегрузок более 110% с 10.09.08 по 20.09.08 не было!"});
  EXPECT_TRUE(PullRows(overloads).empty());

  Report kds = KdsReport(Source(), {}, host_)();
  EXPECT_EQ(Texts(testing::Columns(kds).extra), Strings{"Превышений параметров КДС не было!"});
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ReportTables, EventLinesInListOrderWhateverTheirChecks) {
  DumpBuilder b;
  b.OverloadRecord(3, vertal::testing::EncodeOverload(125, {0x12, 0x09, 0x08}, 1505, 825));
  b.OverloadRecord(0, vertal::testing::EncodeOverload(130, {0x32, 0x09, 0x08}, 100, 2000))
      .Poke(dump::kOverloadRecords.Offset(0) + 9, 0);  // bad checksum, impossible day
  b.KdsRecord(149, vertal::testing::EncodeKds(45, 3, {0x20, 0x09, 0x08}, {0x05, 0x30, 0x12}));
  Write(b);

  Report overloads = OverloadReport(Source(), {3, 0}, events::OverloadFields{}, host_)();
  EXPECT_EQ(PullRows(overloads), (std::vector<Row>{{"3", "12.09.08", "125", "8,25", "15,05"},
                                                   {"0", "32.09.08", "130", "20,00", "1,00"}}));
  EXPECT_TRUE(Texts(testing::Columns(overloads).extra).empty());

  Report kds = KdsReport(Source(), {149}, host_)();
  EXPECT_EQ(PullRows(kds),
            (std::vector<Row>{{"149", "20.09.08", "12:30:05", "Дав. м. в ДВ атм.", "4,50Атм"}}));
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(ReportTables, UnreadableFileReportedOncePerReport) {
  const ReportBuilder frames = OperativeReport(Source("gone.bin"), {0, 200}, host_);
  EXPECT_TRUE(PullRows(frames()).empty());
  EXPECT_TRUE(FirstCells(frames()).empty());
  EXPECT_EQ(host_.Texts(), Strings{kOpenFailed});

  const ReportBuilder overloads =
      OverloadReport(Source("gone.bin"), {4, 9}, events::OverloadFields{}, host_);
  const std::vector<Row> marked = {{"4", "БРАК", "", "", ""}, {"9", "БРАК", "", "", ""}};
  EXPECT_EQ(PullRows(overloads()), marked);
  EXPECT_EQ(PullRows(overloads()), marked);
  EXPECT_EQ(host_.Texts(), (Strings{kOpenFailed, kOpenFailed}));
}

}  // namespace
}  // namespace vertal::reports
