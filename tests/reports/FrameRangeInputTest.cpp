#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

#include "reports/core/FrameRangeInput.h"

namespace vertal::reports {
namespace {

struct Typed {
  const char* home;
  const char* end;
};

TEST(ReadFrameRange, AcceptsWholeNumbersWithTheFirstBelowTheLast) {
  const struct {
    Typed typed;
    std::int64_t first, last;
  } rows[] = {
      {{"0", "200"}, 0, 200},
      {{" 5 ", "+7"}, 5, 7},
      {{"-3", "4"}, -3, 4},
  };
  for (const auto& row : rows) {
    const auto read = ReadFrameRange(row.typed.home, row.typed.end);
    ASSERT_TRUE(std::holds_alternative<FrameRange>(read)) << row.typed.home << " " << row.typed.end;
    EXPECT_EQ(std::get<FrameRange>(read).first, row.first);
    EXPECT_EQ(std::get<FrameRange>(read).last, row.last);
  }
}

TEST(ReadFrameRange, RefusesWithTheMessageOfTheFirstFault) {
  const struct {
    Typed typed;
    const char* message;
  } rows[] = {
      {{"10", "10"}, "Неправильный диапазон!"},
      {{"20", "10"}, "Неправильный диапазон!"},
      {{"abc", "200"}, "'abc' is not a valid integer value"},
      {{"0", " 1.5 "}, "' 1.5 ' is not a valid integer value"},
      {{"x", "y"}, "'x' is not a valid integer value"},
      {{"", "200"}, "'' is not a valid integer value"},
      {{"0", "99999999999"}, "'99999999999' is not a valid integer value"},
  };
  for (const auto& row : rows) {
    const auto read = ReadFrameRange(row.typed.home, row.typed.end);
    ASSERT_TRUE(std::holds_alternative<std::string>(read))
        << row.typed.home << " " << row.typed.end;
    EXPECT_EQ(std::get<std::string>(read), row.message);
  }
}

}  // namespace
}  // namespace vertal::reports
