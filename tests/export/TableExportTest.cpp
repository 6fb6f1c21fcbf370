// Each table of the export read back with a CSV parser and held against what the window shows
// of the same dump; the export command's temporary file and its failures.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "app/core/OpenDump.h"
#include "dump/core/RecordAccess.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "export/core/ExportCommand.h"
#include "frames/core/FrameTable.h"
#include "support/CsvTable.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::exporting {
namespace {

using testing::CsvTable;
using testing::DumpBuilder;
using testing::EncodeKds;
using testing::EncodeOverload;
using testing::FakeHost;
using testing::FrameFields;
using Strings = std::vector<std::string>;

constexpr std::size_t kFrameColumns = 20;

// A short recording: two frames of work (an overload, then a switch-on), a damaged one and
// erased slots after them; two overload records, one KDS record, a crane and its spectrum.
DumpBuilder Recording() {
  DumpBuilder b;
  FrameFields f;
  f.date = {0x19, 0x09, 0x08};
  f.time = {0x12, 0x11, 0x15};
  f.angle = 780;
  f.pressure = 659;
  f.load = 519;
  f.azimuth = 1873;
  f.kos = 0x08;
  f.loadMoment = 120;
  f.relays = 0x81;
  b.Frame(0, f);
  f.time = {0x14, 0x11, 0x15};
  f.loadMoment = 33;
  f.faultCode = 1;
  b.Frame(1, f);
  b.Frame(2, f).DamageFrame(2);
  b.OverloadRecord(4, EncodeOverload(130, {0x15, 0x09, 0x08}));
  b.OverloadRecord(7, EncodeOverload(115, {0x16, 0x09, 0x08}));
  b.KdsRecord(3, EncodeKds(35, 3));
  testing::CraneIdent crane;
  crane.model = "КС-45717";
  crane.serial = 77;
  for (int bank : {0, 1}) {
    b.Crane(bank, crane);
    b.LoadCycles(bank, 1, 5210);
    b.WorkCycles(bank, 1, 8120);
  }
  return b;
}

class TableExport : public ::testing::Test {
 protected:
  void SetUp() override { Recording().Write(path); }

  // The table that `write` makes in `dialect`, parsed back.
  CsvTable Written(const CsvDialect& dialect, const std::function<bool(CsvWriter&)>& write) {
    std::ostringstream out;
    {
      CsvWriter csv(out, dialect);
      EXPECT_TRUE(write(csv));
    }
    auto table = testing::ParseCsv(out.str(), dialect.separator);
    EXPECT_TRUE(table) << out.str();
    return table.value_or(CsvTable{});
  }
  const app::OpenedDump& Opened() {
    if (!opened_) opened_ = app::OpenDump(path, host, ".");
    return *opened_;
  }

  testing::TempDir dir;
  std::string path = dir.File("d.bin");
  FakeHost host;

 private:
  std::optional<app::OpenedDump> opened_;
};

TEST_F(TableExport, FramesShowTheFrameTableTextsAndMarkDamagedFrames) {
  const CsvTable csv = Written(MachineDialect(), [&](CsvWriter& w) {
    return WriteFrames(w, path, {-5, 3}, host);
  });
  ASSERT_EQ(csv.rows.size(), 5U);  // heading and frames 0 to 3
  EXPECT_EQ(csv.rows[0].size(), kFrameColumns);
  EXPECT_EQ(csv.rows[0][3], "angle_deg");

  const auto page = records::ReadTablePage(path, frames::FrameTableLayout(), 0, ".");
  const Strings& shown = page.columns[0];  // frame 0: number, fields, mark
  const Strings& row = csv.rows[1];
  EXPECT_EQ(row[1], "2008-09-19");
  EXPECT_EQ(row[6], "6.59");     // the report's pressure in hundredths
  EXPECT_EQ(row[8], "187.30");   // and its azimuth with two decimals
  for (const std::size_t c : {0U, 2U, 3U, 7U, 13U, 14U, 19U}) EXPECT_EQ(row[c], shown[c]) << c;

  for (const std::size_t damaged : {3U, 4U}) {
    Strings expected(kFrameColumns);
    expected[0] = std::to_string(damaged - 1);
    expected[1] = "БРАК";
    EXPECT_EQ(csv.rows[damaged], expected);
  }
}

TEST_F(TableExport, SearchResultsShowTheirGridColumns) {
  // Overloads in the spreadsheet dialect of a comma locale, as the grid shows them.
  const CsvTable overloads = Written(SpreadsheetDialect(","), [&](CsvWriter& w) {
    return WriteOverloads(w, path, {7, 4}, host);
  });
  ASSERT_EQ(overloads.rows.size(), 3U);
  EXPECT_EQ(overloads.rows[0][1], "Вылет, м");
  const auto page = records::ReadTablePage(path, events::OverloadTableLayout(), 4, ",");
  EXPECT_EQ(overloads.rows[1], page.columns[3]);
  EXPECT_EQ(overloads.rows[2], page.columns[0]);
  EXPECT_EQ(overloads.rows[2][4], "15.09.08");

  // KDS for machines: the value without its unit, an ISO date; a number that names no record.
  const CsvTable kds = Written(MachineDialect(), [&](CsvWriter& w) {
    return WriteKds(w, path, {3, dump::kKdsRecords.count}, host);
  });
  ASSERT_EQ(kds.rows.size(), 3U);
  EXPECT_EQ(kds.rows[1], (Strings{"3", "3.50", "Дав. м. в ДВ атм.", "2008-09-20", "12:30:00", "НОРМА"}));
  EXPECT_EQ(kds.rows[2].back(), "БРАК");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TableExport, EpisodesListTheScanWithTheFramesDatesAndTimes) {
  const frames::PeriodPanelModel& lists = Opened().period.model;
  const CsvTable csv = Written(SpreadsheetDialect("."), [&](CsvWriter& w) {
    return WriteEpisodes(w, path, lists, host);
  });
  const std::size_t items = lists.overloads.Count() + lists.tuning.Count() + lists.mzon.Count() +
                            lists.switchOns.Count();
  ASSERT_EQ(csv.rows.size(), items + 1);
  ASSERT_EQ(lists.overloads.Numbers(), (std::vector<std::int64_t>{0}));
  EXPECT_EQ(csv.rows[1], (Strings{"Работа с перегрузками M > 110%", "0", "19.09.08", "15:11:12"}));
  EXPECT_EQ(csv.rows.back(), (Strings{"Включения прибора", "1", "19.09.08", "15:11:14"}));
}

TEST_F(TableExport, SpectrumAndServiceShowThePages) {
  const app::OpenedDump& opened = Opened();
  const CsvTable spectrum = Written(MachineDialect(), [&](CsvWriter& w) {
    WriteSpectrum(w, opened.service.load, opened.recorderVersion);
    return true;
  });
  ASSERT_EQ(spectrum.rows.size(), dump::kLoadBinCount + 1);
  EXPECT_EQ(spectrum.rows[1], (Strings{"0% < M < 10%", opened.service.load.workCycles[0],
                                       opened.service.load.loadCycles[0]}));
  EXPECT_EQ(spectrum.rows[1][1], "8120");

  const CsvTable service = Written(SpreadsheetDialect(","), [&](CsvWriter& w) {
    WriteService(w, {opened.service, opened.recorderVersion, {}, {}});
    return true;
  });
  EXPECT_EQ(service.rows[0], (Strings{"Параметр", "Значение"}));
  const auto crane = std::find_if(service.rows.begin(), service.rows.end(),
                                  [](const Strings& r) { return r[0] == "Кран:"; });
  ASSERT_NE(crane, service.rows.end());
  EXPECT_EQ((*crane)[1], "КС-45717");
}

TEST_F(TableExport, TheCommandReplacesTheTargetOnlyWithACompleteTable) {
  TableSources sources;
  sources.file = path;
  sources.range = {0, 200};
  sources.shown.recorderVersion = Opened().recorderVersion;
  const std::string target = dir.File("t.csv");
  const std::string part = target + ".part";

  const ExportResult written = ExportTable(TableKind::Frames, sources, MachineDialect(), target, host);
  EXPECT_EQ(written.end, ExportEnd::Written);
  EXPECT_EQ(written.rows, 201);
  EXPECT_FALSE(std::filesystem::exists(part));

  // A dump that cannot be read leaves the earlier table as it was.
  sources.file = dir.File("missing.bin");
  const std::string before = testing::ReadWholeFile(target);
  EXPECT_EQ(ExportTable(TableKind::Frames, sources, MachineDialect(), target, host).end,
            ExportEnd::Unreadable);
  EXPECT_EQ(testing::ReadWholeFile(target), before);
  EXPECT_FALSE(std::filesystem::exists(part));

  const std::string nowhere = dir.File("no-such-folder/t.csv");
  EXPECT_EQ(ExportTable(TableKind::Service, sources, MachineDialect(), nowhere, host).end,
            ExportEnd::Unwritable);

  sources.shown.recorderVersion = 30;
  EXPECT_EQ(ExportTable(TableKind::Kds, sources, MachineDialect(), dir.File("k.csv"), host).end,
            ExportEnd::NotKept);
  EXPECT_FALSE(std::filesystem::exists(dir.File("k.csv")));
  EXPECT_EQ(host.Texts(), (Strings{std::string(dump::kOpenFailedText), CannotWriteMessage(nowhere),
                                   events::KdsNote(30)}));
}

}  // namespace
}  // namespace vertal::exporting
