#include <gtest/gtest.h>

#include <array>

#include "common/core/ControlSnapshot.h"
#include "dump/core/RecordAccess.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "records/core/TypedInput.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/ListItems.h"
#include "support/TempDir.h"

namespace vertal::events {
namespace {

using records::NotDateMessage;
using records::NotWholeNumberMessage;
using records::ReadTablePage;
using records::TablePage;
using testing::DumpBuilder;
using testing::Items;
using testing::ListItems;
using testing::FakeHost;
using testing::TempDir;

const Message kOpenFailed{MessageKind::Error, std::string(dump::kOpenFailedText)};

const BcdBytes kFrom{0x10, 0x09, 0x08}, kTo{0x20, 0x09, 0x08};

TEST(OverloadSearch, DefaultRangeAndThreshold) {
  TempDir dir;
  DumpBuilder b;
  b.OverloadRecord(0, testing::EncodeOverload(110, {0x20, 0x09, 0x08}));   // last day, at the threshold
  b.OverloadRecord(1, testing::EncodeOverload(130, {0x21, 0x09, 0x08}));   // a day late
  b.OverloadRecord(2, testing::EncodeOverload(109, {0x15, 0x09, 0x08}));   // below the threshold
  b.OverloadRecord(3, testing::EncodeOverload(125, {0x10, 0x09, 0x08}));   // first day
  b.OverloadRecord(4, testing::EncodeOverload(125, {0x12, 0x09, 0x08})).Poke(dump::kOverloadRecords.Offset(4) + 9, 0);  // bad sum
  b.OverloadRecord(2599, testing::EncodeOverload(200, {0x11, 0x09, 0x08}));
  b.Write(dir.File("d.bin"));
  const auto found = SearchOverloads(dir.File("d.bin"), {110, kFrom, kTo});
  ASSERT_TRUE(found);
  EXPECT_EQ(Items(*found), (ListItems{{"0-й кадр, дата 20.09.08", 0},
                                      {"3-й кадр, дата 10.09.08", 3},
                                      {"2599-й кадр, дата 11.09.08", 2599}}));
  EXPECT_EQ(SearchOverloads(dir.File("d.bin"), {110, kTo, kFrom})->Count(), 0u);  // reversed range
  EXPECT_FALSE(SearchOverloads(dir.File("none.bin"), {}).has_value());
}

TEST(OverloadTable, FieldsAndPlaces) {
  TempDir dir;
  DumpBuilder b;
  b.OverloadRecord(0, testing::EncodeOverload(112, {0x05, 0x09, 0x08}, 1505, 825, 3));
  b.OverloadRecord(2595, testing::EncodeOverload(120, {0x32, 0x09, 0x08}));  // impossible day: shown, marked bad
  b.Write(dir.File("d.bin"));
  const TablePage first = ReadTablePage(dir.File("d.bin"), OverloadTableLayout(), 0, ",");
  EXPECT_EQ(first.columns[0], (std::vector<std::string>{"0", "15,05", "8,25", "112", "05.09.08", "3", "НОРМА"}));
  EXPECT_EQ(first.columns[1][6], "БРАК");  // erased
  const TablePage last = ReadTablePage(dir.File("d.bin"), OverloadTableLayout(), 2595, ".");
  EXPECT_EQ(last.position, 2591);
  EXPECT_EQ(last.columns[4][0], "2595");
  EXPECT_EQ(last.columns[4][4], "32.09.08");
  EXPECT_EQ(last.columns[4][6], "БРАК");
  EXPECT_EQ(last.columns[8][0], "2599");
}

TEST(OverloadSummary, UsesTheTypedTexts) {
  EXPECT_EQ(OverloadSummary("110", "10.09.08", "20.09.08", 3),
            "Количество перегрузок больше 110% с 10.09.08 по 20.09.08 составляет 3");
  EXPECT_EQ(OverloadSummary("95", "1", "2", 0), "Количество перегрузок больше 95% с 1 по 2 составляет 0");
}

TEST(TypedConditions, ReadOnceOrRefusedByTheFirstUnreadableField) {
  const auto read = ReadOverloadConditions({" 95", "01.09.08", "30.09.08"});
  ASSERT_TRUE(std::holds_alternative<OverloadConditions>(read));
  const auto& c = std::get<OverloadConditions>(read);
  EXPECT_EQ(c.threshold, 95);
  EXPECT_EQ(c.from, (BcdBytes{0x01, 0x09, 0x08}));
  EXPECT_EQ(c.to, (BcdBytes{0x30, 0x09, 0x08}));
  // Both the threshold and a date are unreadable: the threshold is named.
  EXPECT_EQ(std::get<std::string>(ReadOverloadConditions({"", "x", "20.09.08"})),
            NotWholeNumberMessage("Загрузка M%", ""));
  EXPECT_EQ(std::get<std::string>(ReadOverloadConditions({"110", "10.09.08", "20-09"})),
            "\n Поле \"Дата перегрузки по\" должно содержать дату в виде дд.мм.гг, а не \"20-09\".");

  const auto kds = ReadKdsConditions({5, "10.09.08", "20.09.08"});
  ASSERT_TRUE(std::holds_alternative<KdsConditions>(kds));
  EXPECT_EQ(std::get<KdsConditions>(kds).code, 5);
  EXPECT_EQ(std::get<std::string>(ReadKdsConditions({5, "1.09.08", "2.09.08"})),
            NotDateMessage("Дата с", "1.09.08"));
}

TEST(KdsFormat, ValuesWithTheirUnits) {
  EXPECT_EQ(FormatKdsValue(3, 35, "."), "3.50Атм");
  EXPECT_EQ(FormatKdsValue(7, 245, ","), "24,50В");
  EXPECT_EQ(FormatKdsValue(1, -5, "."), "-5C°");
  EXPECT_EQ(FormatKdsValue(1, -5, ".").substr(2, 1), "C");  // Latin C
  EXPECT_EQ(FormatKdsValue(6, 2650, "."), "2650об/мин");
  EXPECT_EQ(FormatKdsValue(4, 12, "."), "12%");
  EXPECT_EQ(FormatKdsValue(0, 12, "."), "##.##");
  EXPECT_EQ(FormatKdsValue(8, 12, "."), "##.##");
  EXPECT_EQ(FormatKdsParameter(3), "Дав. м. в ДВ атм.");
  EXPECT_EQ(FormatKdsParameter(5), "Ур. Т %");
  EXPECT_EQ(FormatKdsParameter(255), "XXXX");
}

TEST(KdsSearch, ParameterAndDatesIncludingTheLastSecondOfTheLastDay) {
  TempDir dir;
  DumpBuilder b;
  b.KdsRecord(0, testing::EncodeKds(6, 5, {0x20, 0x09, 0x08}, {0x59, 0x59, 0x23}));
  b.KdsRecord(1, testing::EncodeKds(98, 2, {0x15, 0x09, 0x08}, {0x00, 0x10, 0x12}));
  b.KdsRecord(2, testing::EncodeKds(7, 5, {0x09, 0x09, 0x08}, {0x00, 0x10, 0x12}));  // a day early
  b.KdsRecord(3, testing::EncodeKds(7, 5, {0x12, 0x09, 0x08}, {0x00, 0x60, 0x12}));  // bad time
  b.KdsRecord(149, testing::EncodeKds(5, 5, {0x11, 0x09, 0x08}, {0x01, 0x02, 0x03}));
  b.Write(dir.File("d.bin"));
  const auto found = SearchKds(dir.File("d.bin"), {5, kFrom, kTo});
  ASSERT_TRUE(found);
  EXPECT_EQ(Items(*found), (ListItems{{"0-й кадр, дата: 20.09.08 в 23:59:59", 0},
                                      {"149-й кадр, дата: 11.09.08 в 03:02:01", 149}}));
  EXPECT_EQ(SearchKds(dir.File("d.bin"), {3, kFrom, kTo})->Count(), 0u);
  EXPECT_EQ(KdsSummary("Уровень топлива", "10.09.08", "20.09.08", 0),
            "Количество превышенных параметров ( Уровень топлива ) с 10.09.08 по 20.09.08 составляет 0");

  const TablePage page = ReadTablePage(dir.File("d.bin"), KdsTableLayout(), 0, ".");
  EXPECT_EQ(page.columns[0], (std::vector<std::string>{"0", "6%", "Ур. Т %", "20.09.08", "23:59:59", "НОРМА"}));
  EXPECT_EQ(page.columns[3][5], "БРАК");
  EXPECT_EQ(ReadTablePage(dir.File("d.bin"), KdsTableLayout(), 200, ".").position, 144);
}

// What a search command did: how it ended, what it showed and whether its pass began.
template <typename Model>
struct Searched {
  PassResult<Model> result;
  std::vector<Message> messages;
  int begins = 0;
};

class EventSearchCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    DumpBuilder b;
    b.OverloadRecord(0, testing::EncodeOverload(120, {0x12, 0x09, 0x08}));
    b.OverloadRecord(7, testing::EncodeOverload(90, {0x12, 0x09, 0x08}));
    b.KdsRecord(2, testing::EncodeKds(40, 4, {0x12, 0x09, 0x08}));
    b.Write(path);
  }
  Searched<OverloadSearchModel> Overloads(const std::string& file, const OverloadFields& typed) {
    Searched<OverloadSearchModel> s;
    FakeHost host;
    s.result = RunOverloadSearch(file, typed, host, Hooks(s.begins));
    s.messages = host.messages;
    return s;
  }
  Searched<KdsSearchModel> Kds(const std::string& file, std::int8_t version, const KdsFields& typed) {
    Searched<KdsSearchModel> s;
    FakeHost host;
    s.result = RunKdsSearch(file, version, typed, host, Hooks(s.begins));
    s.messages = host.messages;
    return s;
  }
  static PassHooks Hooks(int& begins) {
    return {[&begins] { ++begins; }, {}};
  }
  TempDir dir;
  std::string path = dir.File("d.bin");
  std::string missing = dir.File("missing.bin");
};

TEST_F(EventSearchCommand, OverloadSearchShowsTheCountAndTheSummaryOfTheTypedTexts) {
  const auto s = Overloads(path, {" 95", "01.09.08", "30.09.08"});
  EXPECT_EQ(s.result.end, PassEnd::Done);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.begins, 1);
  const ControlSnapshot c = ControlSnapshot().Add(s.result.model);
  EXPECT_EQ(Items(c.List("ComboBox_Per")), (ListItems{{"0-й кадр, дата 12.09.08", 0}}));
  EXPECT_EQ(c.Text("Label_Per_OtbZap"), "1");
  EXPECT_EQ(c.Text("Label_MaxM1"), "Количество перегрузок больше  95% с 01.09.08 по 30.09.08 составляет 1");
}

// A refused field searches nothing and changes nothing; an unreadable file empties the list
// and leaves the count and the summary as they were.
TEST_F(EventSearchCommand, RefusedFieldsAndUnreadableFiles) {
  struct Case {
    const char* what;
    Searched<OverloadSearchModel> s;
    PassEnd end;
    std::vector<Message> messages;
    int begins;
  };
  const Case cases[] = {
      {"threshold", Overloads(path, {"1,5", "01.09.08", "30.09.08"}), PassEnd::Refused,
       {{MessageKind::Error, NotWholeNumberMessage("Загрузка M%", "1,5")}}, 0},
      {"date", Overloads(path, {"110", "01.09.08", "30.9.08"}), PassEnd::Refused,
       {{MessageKind::Error, NotDateMessage("Дата перегрузки по", "30.9.08")}}, 0},
      {"missing file", Overloads(missing, {}), PassEnd::Unreadable, {kOpenFailed}, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.s.result.end, c.end) << c.what;
    EXPECT_EQ(c.s.messages, c.messages) << c.what;
    EXPECT_EQ(c.s.begins, c.begins) << c.what;
    const ControlSnapshot controls = ControlSnapshot().Add(c.s.result.model);
    EXPECT_EQ(controls.List("ComboBox_Per").Count(), 0u) << c.what;
    EXPECT_FALSE(controls.Written("Label_Per_OtbZap")) << c.what;
    EXPECT_FALSE(controls.Written("Label_MaxM1")) << c.what;
  }
}

TEST_F(EventSearchCommand, KdsSearchNamesTheChosenParameter) {
  const auto s = Kds(path, 31, {4, "10.09.08", "20.09.08"});
  EXPECT_EQ(s.result.end, PassEnd::Done);
  EXPECT_TRUE(s.messages.empty());
  const ControlSnapshot c = ControlSnapshot().Add(s.result.model);
  EXPECT_EQ(c.List("ComboBox_KDS").Numbers(), (std::vector<std::int64_t>{2}));
  EXPECT_EQ(c.Text("Label_KDS_OtbZap"), "1");
  EXPECT_EQ(c.Text("Label_MaxM2"),
            "Количество превышенных параметров ( Уровень масла ) с 10.09.08 по 20.09.08 составляет 1");

  const auto gone = Kds(missing, 31, {});
  EXPECT_EQ(gone.result.end, PassEnd::Unreadable);
  EXPECT_EQ(gone.messages, std::vector<Message>{kOpenFailed});
  EXPECT_FALSE(gone.result.model.count.has_value());

  const auto refused = Kds(path, 31, {4, "1.09.08", "20.09.08"});
  EXPECT_EQ(refused.result.end, PassEnd::Refused);
  EXPECT_EQ(refused.messages, (std::vector<Message>{{MessageKind::Error, NotDateMessage("Дата с", "1.09.08")}}));
  EXPECT_EQ(refused.begins, 0);
}

// A file of another recorder version keeps no KDS records: nothing is read (not even a missing
// file is reported), the table is empty and the search part shows its design texts.
TEST_F(EventSearchCommand, FilesWithoutKdsRecordsAreNotRead) {
  for (const std::int8_t version : {std::int8_t{30}, std::int8_t{0}, std::int8_t{-1}}) {
    for (const std::string& file : {path, missing}) {
      const auto s = Kds(file, version, {4, "10.09.08", "20.09.08"});
      EXPECT_EQ(s.result.end, PassEnd::Refused) << int{version};
      EXPECT_TRUE(s.messages.empty()) << int{version};
      EXPECT_EQ(s.begins, 0) << int{version};
      const ControlSnapshot c = ControlSnapshot().Add(s.result.model);
      EXPECT_EQ(c.List("ComboBox_KDS").Count(), 0u);
      EXPECT_EQ(c.Text("Label_KDS_OtbZap"), "0000");
      EXPECT_TRUE(c.Written("Label_MaxM2"));
      EXPECT_EQ(c.Text("Label_MaxM2"), "");

      FakeHost host;
      const TablePage page = TurnKdsPage(file, version, 500, ".", host);
      EXPECT_TRUE(host.messages.empty());
      EXPECT_EQ(page.position, 144);
      EXPECT_EQ(page.columns, GridColumns(6, std::vector<std::string>(6)));
    }
  }
  EXPECT_EQ(KdsNote(30), "Записи КДС есть только в файлах версии 31; версия этого файла: 30");
  EXPECT_EQ(KdsNote(-3), "Записи КДС есть только в файлах версии 31; версия этого файла: -3");
  EXPECT_EQ(KdsNote(31), "");
}

TEST_F(EventSearchCommand, KdsPageTurnOfAVersion31File) {
  FakeHost host;
  const TablePage page = TurnKdsPage(path, 31, 0, ",", host);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(page.columns[2], (std::vector<std::string>{"2", "40%", "Ур. М %", "12.09.08", "12:30:00", "НОРМА"}));
  const TablePage gone = TurnKdsPage(missing, 31, 0, ",", host);
  EXPECT_TRUE(gone.unreadable);
  EXPECT_EQ(host.messages, std::vector<Message>{kOpenFailed});
}

}  // namespace
}  // namespace vertal::events
