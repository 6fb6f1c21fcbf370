#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/core/NumberFormat.h"

namespace vertal {
namespace {

struct ScaledCase {
  std::int64_t stored;
  int storedDecimals;
  const char* pattern;
  const char* expected;
};

TEST(FormatScaled, ScalesAndRoundsHalfAwayFromZero) {
  const ScaledCase cases[] = {
      {1234, 2, "#0.00", "12.34"},  {-150, 2, "#0.00", "-1.50"},   {-100, 2, "#0.00", "-1.00"},
      {5, 2, "#0.00", "0.05"},      {-5, 2, "#0.00", "-0.05"},     {0, 2, "#0.00", "0.00"},
      {3594, 1, "#0", "359"},       {3596, 1, "#0", "360"},        {3595, 1, "#0", "360"},
      {-3595, 1, "#0", "-360"},     {-4, 1, "#0", "0"},            {65535, 1, "#0", "6554"},
      {-32768, 1, "#0.0", "-3276.8"}, {7, 0, "#0.000", "7.000"},  {12, 2, "#0", "0"},
      {50, 2, "#0", "1"},           {std::numeric_limits<std::int64_t>::min(), 0, "#0",
                                     "-9223372036854775808"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatScaled(c.stored, c.storedDecimals, c.pattern, "."), c.expected)
        << c.stored << " " << c.pattern;
}

TEST(FormatScaled, UsesTheGivenSeparator) {
  EXPECT_EQ(FormatScaled(-150, 2, "#0.00", ","), "-1,50");
  EXPECT_EQ(FormatScaled(1234, 1, "#0.0", "\u066B"), "123\u066B4");
}

struct FloatCase {
  double value;
  const char* pattern;
  const char* expected;
};

TEST(FormatFloat, PatternsRoundLikeAPersonReadsTheValue) {
  const FloatCase cases[] = {
      {0.125, "#0.000", "0.125"},   {2.675, "#0.00", "2.68"},      {1.005, "#0.00", "1.01"},
      {0.5, "#0", "1"},             {2.5, "#0", "3"},              {-2.5, "#0", "-3"},
      {0.0004, "#0.000", "0.000"},  {-0.0004, "#0.000", "0.000"},  {-0.0006, "#0.000", "-0.001"},
      {9.9996, "#0.000", "10.000"}, {1520.75, "#0.00", "1520.75"}, {0.0, "#0.00", "0.00"},
      {123456789.0, "#0.0", "123456789.0"}, {1e20, "#0", "100000000000000000000"},
      {1e-20, "#0.00", "0.00"},     {0.09999, "#0.0", "0.1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.pattern, c.value, "."), c.expected) << c.value << " " << c.pattern;
}

TEST(FormatFloat, FloatValuesShowTheirNearestDecimal) {
  // A characteristic number stored as float32 shows as typed, not as its binary expansion.
  EXPECT_EQ(FormatFloat("#0.00", static_cast<double>(0.1f), ","), "0,10");
  EXPECT_EQ(FormatFloat("#0.000", static_cast<double>(1.0f / 8000.0f), "."), "0.000");
  EXPECT_EQ(FormatFloat("#0.000", static_cast<double>(0.1251f), "."), "0.125");
}

TEST(FormatFloat, NonFiniteValuesHaveWords) {
  EXPECT_EQ(FormatFloat("#0.00", std::nan(""), "."), "NAN");
  EXPECT_EQ(FormatFloat("#0.00", HUGE_VAL, "."), "INF");
  EXPECT_EQ(FormatFloat("#0.00", -HUGE_VAL, "."), "-INF");
}

}  // namespace
}  // namespace vertal
