// Two demo readings of one crane a month apart, of two cranes, and in the wrong order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "common/core/Bcd.h"
#include "compare/core/DiffTexts.h"
#include "compare/core/ReadingDiff.h"
#include "dump/core/DumpHead.h"
#include "dump/core/LongTermRecords.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameRecord.h"
#include "records/core/RecordPass.h"
#include "support/DumpBuilder.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"
#include "tools/demo/DemoRecording.h"

namespace vertal::compare {
namespace {

using testing::DumpBuilder;

constexpr int kLaterDays = 30;

std::string Write(const testing::TempDir& dir, const std::string& name, const demo::DemoOptions& o,
                  void (*change)(DumpBuilder&) = nullptr) {
  DumpBuilder b;
  demo::BuildDemo(b, o);
  if (change) change(b);
  const std::string path = dir.File(name);
  b.Write(path);
  return path;
}

// Two records the earlier reading holds trade places in the later one.
void SwapFirstRecords(DumpBuilder& b) {
  for (const dump::RecordFamily& f : {dump::kOverloadRecords, dump::kKdsRecords}) {
    const auto at = [&](std::int64_t k) {
      const auto offset = static_cast<std::size_t>(f.Offset(k));
      return std::vector<std::uint8_t>(b.Bytes().begin() + static_cast<std::ptrdiff_t>(offset),
                                       b.Bytes().begin() + static_cast<std::ptrdiff_t>(offset) + 10);
    };
    const auto first = at(0), second = at(1);
    if (f.base == dump::kOverloadRecords.base) {
      b.OverloadRecord(0, second).OverloadRecord(1, first);
    } else {
      b.KdsRecord(0, second).KdsRecord(1, first);
    }
  }
}

template <typename Rule>
std::int64_t ValidRecords(const std::string& path) {
  std::int64_t count = 0;
  records::ForEachValidRecord<Rule>(path, {}, [&](std::int64_t, auto) { ++count; });
  return count;
}

std::vector<std::int64_t> Range(std::int64_t from, std::int64_t to) {
  std::vector<std::int64_t> v;
  for (std::int64_t k = from; k < to; ++k) v.push_back(k);
  return v;
}

std::int64_t Seconds(const std::string& hms) {
  const bool negative = hms.starts_with('-');
  const std::string t = hms.substr(negative ? 1 : 0);
  const auto a = t.find(':'), b = t.rfind(':');
  const std::int64_t s = std::stoll(t.substr(0, a)) * 3600 + std::stoll(t.substr(a + 1, b - a - 1)) * 60 +
                         std::stoll(t.substr(b + 1));
  return negative ? -s : s;
}

// A shown value as a number: a count, a time in seconds or a characteristic number in
// hundredths; the mark of bank 1's weight is dropped.
double Value(std::string text) {
  if (text.ends_with("т")) text.resize(text.size() - std::string("т").size());
  if (text.starts_with('+')) text.erase(0, 1);
  if (text.find(':') != std::string::npos) return static_cast<double>(Seconds(text));
  return std::round(std::stod(text) * 100);
}

class ReadingDiffTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testing::TempDir;
    oldPath_ = Write(*dir_, "old.bin", {});
    newPath_ = Write(*dir_, "new.bin", demo::DemoOptions{.laterDays = kLaterDays}, SwapFirstRecords);
    otherPath_ = Write(*dir_, "other.bin", demo::DemoOptions{.crane = 2});
  }
  static void TearDownTestSuite() { delete dir_; }

  ReadingDiff Compare(const std::string& first, const std::string& second,
                      ReadingOrder order = ReadingOrder::AsGiven) {
    auto diff = CompareReadings(first, second, order, host_, ".");
    EXPECT_TRUE(host_.messages.empty());
    return diff ? std::move(*diff) : ReadingDiff{};
  }

  static inline testing::TempDir* dir_ = nullptr;
  static inline std::string oldPath_, newPath_, otherPath_;
  testing::FakeHost host_;
};

TEST_F(ReadingDiffTest, EveryCounterChangesByTheNewValueLessTheOld) {
  const ReadingDiff d = Compare(oldPath_, newPath_);
  EXPECT_FALSE(d.refusal);
  EXPECT_FALSE(d.warning);
  ASSERT_EQ(d.counters.size(), 15u * 2 + 2 + 6 + 1 + 3 + 1);
  for (const CounterChange& c : d.counters)
    EXPECT_EQ(Value(c.change), Value(c.newValue) - Value(c.oldValue)) << c.name;
  EXPECT_EQ(d.counters.back().name, "Характеристическое число (текущее)");
}

TEST_F(ReadingDiffTest, ForecastFollowsTheCharacteristicNumbersGrowthPerDay) {
  const ReadingDiff d = Compare(oldPath_, newPath_);
  const auto info = [](const std::string& path) {
    return dump::ReadLongTermInfo(dump::ReadDumpHead(path)->longTerm, true);
  };
  const double before = info(oldPath_).charNumber, after = info(newPath_).charNumber;
  constexpr double kNormativeA4 = 63000;
  const double rate = (after - before) / kLaterDays;
  using namespace std::chrono;
  const sys_days reached = sys_days(2008y / October / 22) +
                           days(static_cast<int>(std::ceil((kNormativeA4 - after) / rate)));
  const year_month_day ymd(reached);
  char expected[16];
  std::snprintf(expected, sizeof expected, "%02u.%02u.%d", static_cast<unsigned>(ymd.day()),
                static_cast<unsigned>(ymd.month()), static_cast<int>(ymd.year()));
  EXPECT_EQ(d.normativeDate.value, std::string(expected));
  char share[16];
  std::snprintf(share, sizeof share, "%.3f %%", (after - before) / kNormativeA4 * 100);
  EXPECT_EQ(d.lifeUsed.value, std::string(share));
}

TEST_F(ReadingDiffTest, NewRecordsAreFoundByContentsNotBySlot) {
  const ReadingDiff d = Compare(oldPath_, newPath_);
  // The demo appends its records; the first two changed places in the later reading.
  EXPECT_EQ(d.overloads.items.Numbers(), Range(ValidRecords<events::OverloadRule>(oldPath_),
                                               ValidRecords<events::OverloadRule>(newPath_)));
  EXPECT_EQ(d.kds.items.Numbers(),
            Range(ValidRecords<events::KdsRule>(oldPath_), ValidRecords<events::KdsRule>(newPath_)));
  ASSERT_FALSE(d.kds.fields.empty());
  EXPECT_EQ(d.kds.fields.front().size(), 4u);  // value, parameter, date, time
  // The page names each field of a record by its table row, with the row's unit.
  for (const NewItemRow& row : NewItemRows(d)) {
    if (row.kind == "Запись перегрузки") {
      EXPECT_THAT(row.fields,
                  ::testing::MatchesRegex("Вылет [0-9]+[,.][0-9]+ м; Грузоподъемность "
                                          "[0-9]+[,.][0-9]+ т; Процент загрузки [0-9]+ %; "
                                          "Дата перегрузки [0-9.]+; Режим работы [0-9]+"));
    } else if (row.kind == "Запись КДС") {
      EXPECT_THAT(row.fields, ::testing::StartsWith("Значение параметра "));
    }
  }
}

TEST_F(ReadingDiffTest, OnlyEpisodesOpeningOnFramesTheEarlierReadingLacksAreNew) {
  // Five days on, the two rings share most of their frames.
  const std::string fiveDays = Write(*dir_, "five.bin", demo::DemoOptions{.laterDays = 5});
  const ReadingDiff d = Compare(oldPath_, fiveDays);
  for (const JumpList* list : {&d.episodes.overloads, &d.episodes.tuning, &d.episodes.switchOns}) {
    ASSERT_GT(list->Count(), 0u);
    for (std::size_t i = 0; i < list->Count(); ++i) {
      const std::string text = list->Text(i);
      const std::string date = text.substr(text.size() - std::string("dd.mm.yy").size());
      // Worked after the first readout (22.09.08), up to the second (27.09.08).
      EXPECT_TRUE(date >= "22.09.08" && date <= "26.09.08") << text;
    }
  }
  // Two switch-ons a working day.
  EXPECT_EQ(d.episodes.switchOns.Count(), 2u * 5);
}

TEST_F(ReadingDiffTest, ReadingsOfDifferentCranesAreRefused) {
  const ReadingDiff d = Compare(oldPath_, otherPath_);
  EXPECT_EQ(d.refusal,
            "Файлы относятся к разным кранам: ограничитель зав. № 0412, кран КС-4571-Н № 1187 и "
            "ограничитель зав. № 0414, кран КС-55713 № 1189. Сравнивать можно только считывания "
            "одного крана.");
  EXPECT_TRUE(d.counters.empty());
  EXPECT_EQ(d.overloads.items.Count(), 0u);
}

TEST_F(ReadingDiffTest, ALaterReadingGivenFirstIsWarnedOfOrPutSecond) {
  const ReadingDiff given = Compare(newPath_, oldPath_);
  EXPECT_EQ(given.warning,
            "Второй файл считан раньше первого (22.09.08 раньше 22.10.08): изменения показаны от "
            "первого файла ко второму.");
  EXPECT_TRUE(given.counters.front().change.starts_with('-'));
  EXPECT_FALSE(given.normativeDate.value);
  EXPECT_EQ(given.overloads.items.Count(), 0u);

  const ReadingDiff ordered = Compare(newPath_, oldPath_, ReadingOrder::EarlierByDate);
  EXPECT_FALSE(ordered.warning);
  EXPECT_EQ(ordered.oldFile, oldPath_);
  EXPECT_EQ(ordered.oldDate, "22.09.08");
}

TEST_F(ReadingDiffTest, AFileThatCannotBeOpenedIsReportedOnce) {
  EXPECT_FALSE(CompareReadings(oldPath_, dir_->File("missing.bin"), ReadingOrder::AsGiven, host_, "."));
  EXPECT_EQ(host_.Texts(), std::vector<std::string>{"\n Файл не удалось открыть!"});
  host_.messages.clear();
}

}  // namespace
}  // namespace vertal::compare
