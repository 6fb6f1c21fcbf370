// The Open command as a whole: the order in which it shows things, and that every page it fills
// comes from the one file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/OpenDump.h"
#include "common/core/ControlSnapshot.h"
#include "dump/core/RecordAccess.h"
#include "events/core/OverloadRecords.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

namespace vertal::app {
namespace {

using testing::CraneIdent;
using testing::DumpBuilder;
using testing::FakeHost;
using testing::FrameFields;
using testing::LimiterIdent;
using testing::LongTermRecord;
using testing::TempDir;

DumpBuilder Recording(std::int8_t version) {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"0412", 5, 3, 7, 2, version, "Вертал"});
  b.Crane(0, CraneIdent{1187, 2006, 4, "КС-55713", {0x14, 0x03, 0x07}, "Завод", "Наладка"});
  b.OverloadRecord(2599, testing::EncodeOverload(125, {0x12, 0x09, 0x08}));
  b.KdsRecord(149, testing::EncodeKds(35, 3));
  FrameFields f;
  f.date = {0x12, 0x09, 0x08};
  f.loadMoment = 120;
  b.Frame(270000, f).Frame(270335, f);
  return b;
}

// What the command showed and when, as one trace: messages, hooks and the scan's start.
struct Traced {
  std::optional<OpenedDump> opened;
  std::vector<std::string> trace;
  std::vector<Message> messages;
};

class TracingHost : public FakeHost {
 public:
  explicit TracingHost(std::vector<std::string>& trace) : trace_(trace) {}
  void ShowMessage(const Message& message) override {
    FakeHost::ShowMessage(message);
    trace_.push_back(message.text);
  }
  void ShowMessages(const std::vector<Message>& shown) override {
    FakeHost::ShowMessages(shown);
    for (const Message& message : shown) trace_.push_back(message.text);
  }

 private:
  std::vector<std::string>& trace_;
};

Traced Open(const std::string& path) {
  Traced t;
  TracingHost host(t.trace);
  OpenHooks hooks;
  hooks.recordsChecked = [&] { t.trace.push_back("records checked"); };
  hooks.tablesRead = [&](const OpenedDump& soFar) {
    t.trace.push_back("tables read");
    // The pages read so far are there to be shown; the scan has not run.
    EXPECT_EQ(soFar.service.service.crane, "КС-55713");
    EXPECT_EQ(soFar.frameTable.position, 270331);
    EXPECT_FALSE(ControlSnapshot().Add(soFar.period.model).Written("Label_NR"));
  };
  hooks.scan.begins = [&] { t.trace.push_back("scan begins"); };
  t.opened = OpenDump(path, host, ",", hooks);
  t.messages = host.messages;
  return t;
}

TEST(OpenDump, ChecksumMessagesComeFirstThenThePagesInOrder) {
  TempDir dir;
  Recording(31).Damage(LongTermRecord::WorkCycles1).Damage(LongTermRecord::CharNumber0).Write(dir.File("d.bin"));
  const Traced t = Open(dir.File("d.bin"));
  ASSERT_TRUE(t.opened.has_value());
  EXPECT_EQ(t.trace, (std::vector<std::string>{
                         "Ошибка контольной суммы характеристического числа в Банке-0!",
                         "Ошибка контольной суммы рабочих циклов в Банке-1!",
                         "records checked",
                         "tables read",
                         "scan begins",
                     }));
  for (const Message& m : t.messages) EXPECT_EQ(m.kind, MessageKind::Plain);
}

TEST(OpenDump, EveryPageIsFilledFromTheFile) {
  TempDir dir;
  Recording(31).Write(dir.File("d.bin"));
  const Traced t = Open(dir.File("d.bin"));
  ASSERT_TRUE(t.opened.has_value());
  EXPECT_TRUE(t.messages.empty());
  const OpenedDump& o = *t.opened;
  EXPECT_EQ(o.recorderVersion, 31);
  EXPECT_EQ(o.fileSize, dump::kDumpFileSize);
  EXPECT_EQ(o.service.service.limiterSerial, "0412");
  EXPECT_EQ(o.service.load.diagramTitle, "Диаграмма нагрузки в рабочих циклах");

  // Each table on its last page, numbers with the separator given.
  EXPECT_EQ(o.overloadTable.position, 2591);
  EXPECT_EQ(o.overloadTable.columns[8],
            (std::vector<std::string>{"2599", "15,05", "8,25", "125", "12.09.08", "3", "НОРМА"}));
  EXPECT_EQ(o.kds.table.position, 144);
  EXPECT_EQ(o.kds.table.columns[5][1], "3,50Атм");
  EXPECT_FALSE(o.kds.search.has_value());
  EXPECT_EQ(o.kds.note, "");
  EXPECT_EQ(o.frameTable.position, 270331);
  EXPECT_EQ(o.frameTable.columns[4][0], "270335");
  EXPECT_EQ(o.frameTable.columns[4][20], "НОРМА");

  EXPECT_EQ(o.period.end, PassEnd::Done);
  const ControlSnapshot period = ControlSnapshot().Add(o.period.model);
  EXPECT_EQ(period.Text("Label_NR"), "Начало работы РП: 12.09.08 в 12:00:00");
  EXPECT_EQ(period.List("ComboBox_Cikl_M").Numbers(), (std::vector<std::int64_t>{270000, 270335}));

  // Both graphs on their last window, titled with the crane of the service page.
  EXPECT_EQ(o.param.View().position, 268288);
  EXPECT_EQ(o.relay.View().position, 268288);
  EXPECT_EQ(o.param.View().title, graphs::ParamTitle("КС-55713", "1187", "0412", false));
  EXPECT_EQ(o.relay.View().title, graphs::RelayTitle("КС-55713", "1187", "0412", false));
  EXPECT_EQ(o.param.View().series[0].x, (std::vector<double>{270000, 270335}));
  EXPECT_EQ(o.param.View().limit.x, (std::vector<double>{270000, 270335}));
}

TEST(OpenDump, AFileThatCannotBeOpenedGivesOneMessageAndNothing) {
  TempDir dir;
  for (const std::string& path : {dir.File("missing.bin"), dir.Path().string()}) {
    const Traced t = Open(path);
    EXPECT_FALSE(t.opened.has_value()) << path;
    EXPECT_EQ(t.trace, std::vector<std::string>{std::string(dump::kOpenFailedText)}) << path;
    EXPECT_EQ(t.messages[0].kind, MessageKind::Error);
  }
}

TEST(OpenDump, AVersion30FileGetsTheKdsNoteAndAnEmptiedSearch) {
  TempDir dir;
  Recording(30).Write(dir.File("d.bin"));
  const Traced t = Open(dir.File("d.bin"));
  ASSERT_TRUE(t.opened.has_value());
  EXPECT_TRUE(t.messages.empty());
  const events::KdsPageModel& kds = t.opened->kds;
  EXPECT_EQ(kds.note, "Записи КДС есть только в файлах версии 31; версия этого файла: 30");
  ASSERT_TRUE(kds.search.has_value());
  const ControlSnapshot search = ControlSnapshot().Add(*kds.search);
  EXPECT_EQ(search.List("ComboBox_KDS").Count(), 0u);
  EXPECT_EQ(search.Text("Label_KDS_OtbZap"), "0000");
  EXPECT_EQ(search.Text("Label_MaxM2"), "");
  // The record in the file is not shown.
  EXPECT_EQ(kds.table.position, 144);
  EXPECT_EQ(kds.table.columns, GridColumns(6, std::vector<std::string>(6)));
  // The other pages are filled as for any file.
  EXPECT_EQ(t.opened->overloadTable.columns[8][0], "2599");
}

}  // namespace
}  // namespace vertal::app
