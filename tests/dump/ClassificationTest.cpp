#include <gtest/gtest.h>

#include "dump/core/Classification.h"
#include "dump/core/DurationText.h"

namespace vertal::dump {
namespace {

std::array<std::uint32_t, kLoadBinCount> Cycles(std::uint32_t total) {
  std::array<std::uint32_t, kLoadBinCount> c{};
  c[0] = total / 2;
  c[14] = total - total / 2;
  return c;
}

TEST(Classify, ClassOfUseCountsTheThresholdsReached) {
  const std::pair<std::uint32_t, int> rows[] = {
      {0, 0},        {15999, 0},    {16000, 1},    {31999, 1},    {32000, 2},    {63000, 3},
      {125000, 4},   {249999, 4},   {250000, 5},   {500000, 6},   {1000000, 7},  {2000000, 8},
      {3999999, 8},  {4000000, 9},  {30000000, 9},
  };
  for (const auto& [total, u] : rows) {
    const auto c = Classify(Cycles(total), 0.0f, "A1");
    EXPECT_EQ(c.totalCycles, static_cast<std::int32_t>(total));
    EXPECT_EQ(c.classOfUse, u) << total;
  }
}

TEST(Classify, SpectrumClassBoundsBelongToTheLowerClass) {
  const std::pair<float, int> rows[] = {
      {0.0f, 1},   {-3.0f, 1}, {0.125f, 1}, {0.1251f, 2}, {0.25f, 2},
      {0.2501f, 3}, {0.5f, 3},  {0.75f, 4},  {1.0f, 4},
  };
  for (const auto& [kp, q] : rows) {
    // With one load cycle Kp is the characteristic number itself.
    const auto c = Classify(Cycles(1), kp, "A1");
    EXPECT_EQ(c.spectrumFactor, kp);
    EXPECT_EQ(c.spectrumClass, q) << kp;
  }
}

TEST(Classify, FactorsBeyondTheHeaviestBoundCountAsTheHeaviestClass) {
  EXPECT_EQ(Classify(Cycles(1), 1.0001f, "A1").spectrumClass, 4);
  EXPECT_EQ(Classify(Cycles(10), 500.0f, "A1").spectrumClass, 4);
  EXPECT_EQ(Classify(Cycles(10), std::numeric_limits<float>::quiet_NaN(), "A1").spectrumClass, 4);
}

TEST(Classify, NoLoadCyclesDivideByOne) {
  const auto c = Classify(Cycles(0), 0.1f, "A3");
  EXPECT_EQ(c.totalCycles, 0);
  EXPECT_EQ(c.spectrumFactor, 0.1f);
  EXPECT_EQ(c.classOfUse, 0);
  EXPECT_EQ(c.spectrumClass, 1);
  EXPECT_EQ(c.group, 1);
}

TEST(Classify, GroupTableCornersAndFactorArithmetic) {
  EXPECT_EQ(Classify(Cycles(4000000), 4000000.0f, "A1").group, 8);  // Q4 U9
  EXPECT_EQ(Classify(Cycles(10), 0.5f, "A1").group, 1);             // Q1 U0
  EXPECT_EQ(Classify(Cycles(10), 10.0f, "A1").group, 2);            // Q4 U0
  EXPECT_EQ(Classify(Cycles(4000000), 100.0f, "A1").group, 8);      // Q1 U9
  EXPECT_EQ(Classify(Cycles(63000), 63000.0f * 0.3f, "A1").group, 4);  // Q3 U3
  const auto c = Classify(Cycles(20000), 3000.0f, "A1");
  EXPECT_EQ(c.spectrumFactor, 3000.0f / 20000.0f);
  EXPECT_EQ(c.spectrumClass, 2);
  EXPECT_EQ(c.classOfUse, 1);
  EXPECT_EQ(c.group, 1);
}

TEST(NormativeNumber, OnlyGroupsA1ToA8HaveANumber) {
  const std::pair<const char*, std::int32_t> rows[] = {
      {"A1", 8000},   {"A2", 16000},  {"A3", 32000},   {"A4", 63000},  {"A5", 125000},
      {"A6", 250000}, {"A7", 500000}, {"A8", 1000000}, {"A9", 0},      {"A0", 0},
      {"A-1", 0},     {"А1", 0} /* Cyrillic А */,     {"", 0},
  };
  for (const auto& [text, n] : rows) EXPECT_EQ(NormativeNumber(text), n) << text;
  EXPECT_EQ(Classify(Cycles(5), 0.0f, "A9").normativeNumber, 0);
  EXPECT_EQ(Classify(Cycles(5), 0.0f, "A6").normativeNumber, 250000);
}

TEST(SecondsToHms, HoursUnpaddedMinutesAndSecondsTwoDigits) {
  const std::pair<std::int64_t, const char*> rows[] = {
      {0, "0:00:00"},       {59, "0:00:59"},          {3725, "1:02:05"},
      {360000, "100:00:00"}, {61 * 60, "1:01:00"},    {599, "0:09:59"},
      {-3725, "-1:02:05"},  {INT32_MIN, "-596523:14:08"}, {1006632900, "279620:15:00"},
  };
  for (const auto& [s, text] : rows) EXPECT_EQ(SecondsToHms(s), text) << s;
}

}  // namespace
}  // namespace vertal::dump
