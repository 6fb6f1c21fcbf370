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
  const auto plain = MessageKind::Plain, error = MessageKind::Error;
  const struct {
    Typed typed;
    Message message;
  } rows[] = {
      {{"10", "10"}, {plain, "Неправильный диапазон!"}},
      {{"20", "10"}, {plain, "Неправильный диапазон!"}},
      {{"abc", "200"}, {error, "'abc' is not a valid integer value"}},
      {{"0", " 1.5 "}, {error, "' 1.5 ' is not a valid integer value"}},
      {{"x", "y"}, {error, "'x' is not a valid integer value"}},
      {{"", "200"}, {error, "'' is not a valid integer value"}},
      {{"0", "99999999999"}, {error, "'99999999999' is not a valid integer value"}},
  };
  for (const auto& row : rows) {
    const auto read = ReadFrameRange(row.typed.home, row.typed.end);
    ASSERT_TRUE(std::holds_alternative<Message>(read)) << row.typed.home << " " << row.typed.end;
    EXPECT_EQ(std::get<Message>(read), row.message);
  }
}

}  // namespace
}  // namespace vertal::reports
