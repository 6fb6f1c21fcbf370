#include <gtest/gtest.h>

#include "frames/core/BcdDateTime.h"

namespace vertal::frames {
namespace {

struct ValidityCase {
  BcdBytes bytes;
  bool valid;
};

TEST(BcdDateValid, BoundsOfDayMonthAndYear) {
  const ValidityCase cases[] = {
      {{0x31, 0x12, 0x37}, true},  {{0x01, 0x01, 0x00}, true},  {{0x1A, 0x01, 0x08}, true},
      {{0x01, 0x01, 0x38}, false}, {{0x00, 0x05, 0x09}, false}, {{0x05, 0x00, 0x09}, false},
      {{0x32, 0x01, 0x08}, false}, {{0x01, 0x13, 0x08}, false}, {{0xFF, 0xFF, 0xFF}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BcdDateValid(c.bytes), c.valid) << int(c.bytes[0]) << "." << int(c.bytes[1]) << "." << int(c.bytes[2]);
}

TEST(BcdTimeValid, BoundsOfSecondsMinutesAndHours) {
  const ValidityCase cases[] = {
      {{0x59, 0x59, 0x23}, true},  {{0x00, 0x00, 0x00}, true},  {{0x00, 0x00, 0x24}, false},
      {{0x60, 0x00, 0x00}, false}, {{0x00, 0x60, 0x00}, false}, {{0xFF, 0xFF, 0xFF}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(BcdTimeValid(c.bytes), c.valid);
}

TEST(CompareDateTime, OrdersYearMonthDayThenTime) {
  const BcdBytes feb1{0x01, 0x02, 0x08}, jan31{0x31, 0x01, 0x08}, dec31_07{0x31, 0x12, 0x07};
  const BcdBytes noon{0x00, 0x00, 0x12}, lastSecond{0x59, 0x59, 0x23}, noonAndOne{0x01, 0x00, 0x12};
  EXPECT_EQ(CompareDateTime(feb1, jan31, noon, lastSecond), Moment::Later);
  EXPECT_EQ(CompareDateTime(jan31, feb1, lastSecond, noon), Moment::Earlier);
  EXPECT_EQ(CompareDateTime(feb1, feb1, noon, noon), Moment::Equal);
  EXPECT_EQ(CompareDateTime(feb1, feb1, noonAndOne, noon), Moment::Later);
  EXPECT_EQ(CompareDateTime(dec31_07, jan31, lastSecond, noon), Moment::Earlier);
  // Dates alone: the date passed as both times.
  EXPECT_EQ(CompareDateTime(jan31, feb1, jan31, feb1), Moment::Earlier);
  EXPECT_EQ(static_cast<int>(Moment::Later), 1);
  EXPECT_EQ(static_cast<int>(Moment::Earlier), 2);
}

TEST(DateTextToBcd, ReadsTheThreePairsAsHexadecimal) {
  EXPECT_EQ(DateTextToBcd("20.09.08"), (BcdBytes{0x20, 0x09, 0x08}));
  EXPECT_EQ(DateTextToBcd("10.09.08"), (BcdBytes{0x10, 0x09, 0x08}));
  EXPECT_EQ(DateTextToBcd("1a/Bc-ff"), (BcdBytes{0x1A, 0xBC, 0xFF}));  // separators not looked at
}

TEST(DateTextToBcd, RefusesPairsThatAreNotTwoHexDigits) {
  for (const char* text : {"", "1.09.08", "10.09.8", "10.09", "xx.09.08", " 1.09.08", "10.09.0г",
                           "\xD0\x9F\xD0\x9F.09.08"})
    EXPECT_FALSE(DateTextToBcd(text).has_value()) << text;
}

}  // namespace
}  // namespace vertal::frames
