#include <gtest/gtest.h>

#include <array>
#include <string>

#include "common/core/JumpList.h"

namespace vertal {
namespace {

using Bytes = std::array<std::uint8_t, 3>;

TEST(JumpList, EachWordingGivesItsItemText) {
  const Bytes date{0x31, 0x12, 0x99};  // day, month, year
  const Bytes time{0x59, 0x0A, 0x23};  // seconds, minutes, hours; a byte that is not BCD shows as hex
  const struct {
    ItemWording wording;
    std::int64_t number;
    std::string text;
  } rows[] = {
      {ItemWording::Date, 5, "5-й кадр, дата 31.12.99"},
      {ItemWording::DateColon, 270335, "270335-й кадр, дата: 31.12.99"},
      {ItemWording::WorkDate, 0, "0-й кадр, дата работы: 31.12.99"},
      {ItemWording::TripDate, 12, "12-й кадр, дата сраба-ия: 31.12.99"},
      {ItemWording::DateAndTime, 149, "149-й кадр, дата: 31.12.99 в 23:0A:59"},
  };
  for (const auto& row : rows) {
    JumpList list(row.wording);
    list.Add(row.number, date, time);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Text(0), row.text);
    EXPECT_EQ(list.NumberAt(0), row.number);
  }
}

TEST(JumpList, AddingToACopyLeavesTheShownListAlone) {
  const Bytes date{0x01, 0x02, 0x08};
  JumpList shown;
  shown.Add(3, date);
  JumpList grown = shown;
  grown.Add(7, date);
  EXPECT_EQ(shown.Count(), 1u);
  EXPECT_EQ(grown.Text(1), "7-й кадр, дата 01.02.08");
  EXPECT_EQ(shown.NumberAt(1), std::nullopt);
}

}  // namespace
}  // namespace vertal
