#include <gtest/gtest.h>

#include <array>

#include "frames/core/FrameSearch.h"
#include "frames/core/KdsRecords.h"
#include "frames/core/OverloadRecords.h"
#include "support/DumpBuilder.h"
#include "support/TempDir.h"

namespace vertal::frames {
namespace {

using testing::DumpBuilder;
using testing::TempDir;



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
  EXPECT_EQ(*found, (JumpList{{"0-й кадр, дата 20.09.08", "3-й кадр, дата 10.09.08", "2599-й кадр, дата 11.09.08"},
                              {0, 3, 2599}}));
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
  EXPECT_EQ(*found, (JumpList{{"0-й кадр, дата: 20.09.08 в 23:59:59", "149-й кадр, дата: 11.09.08 в 03:02:01"},
                              {0, 149}}));
  EXPECT_EQ(SearchKds(dir.File("d.bin"), {3, kFrom, kTo})->Count(), 0u);
  EXPECT_EQ(KdsSummary("Уровень топлива", "10.09.08", "20.09.08", 0),
            "Количество превышенных параметров ( Уровень топлива ) с 10.09.08 по 20.09.08 составляет 0");

  const TablePage page = ReadTablePage(dir.File("d.bin"), KdsTableLayout(), 0, ".");
  EXPECT_EQ(page.columns[0], (std::vector<std::string>{"0", "6%", "Ур. Т %", "20.09.08", "23:59:59", "НОРМА"}));
  EXPECT_EQ(page.columns[3][5], "БРАК");
  EXPECT_EQ(ReadTablePage(dir.File("d.bin"), KdsTableLayout(), 200, ".").position, 144);
}

}  // namespace
}  // namespace vertal::frames
