#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "common/core/Bcd.h"
#include "common/core/Cp1251.h"

namespace vertal {
namespace {

TEST(Cp1251, DecodesCyrillicAndSigns) {
  const std::vector<std::uint8_t> bytes = {0xCA, 0xF0, 0xE0, 0xED, 0x20, 0xB9, 0x35, 0xA8, 0xB8};
  EXPECT_EQ(Cp1251ToUtf8(bytes), "Кран №5Ёё");
}

TEST(Cp1251, EveryAssignedByteSurvivesARoundTrip) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x98) continue;  // unassigned in the code page
    const std::vector<std::uint8_t> one = {static_cast<std::uint8_t>(b)};
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << b;
  }
  const std::vector<std::uint8_t> unassigned = {0x98};
  EXPECT_EQ(Cp1251ToUtf8(unassigned), "\uFFFD");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a\u4E2Db"), (std::vector<std::uint8_t>{'a', '?', 'b'}));
  EXPECT_EQ(Utf8ToCp1251("\xC3"), (std::vector<std::uint8_t>{'?'}));  // cut sequence
}

TEST(FieldText, EndsAtTheFirstNulOrAtTheFieldEnd) {
  const std::array<std::uint8_t, 8> full = {'0', '4', '1', '2', '5', '6', '7', '8'};
  EXPECT_EQ(FieldText(full), "04125678");
  const std::array<std::uint8_t, 8> shorter = {'A', 'B', 0, 'C', 'D', 0, 0, 0};
  EXPECT_EQ(FieldText(shorter), "AB");
  const std::array<std::uint8_t, 3> empty = {0, 'X', 'Y'};
  EXPECT_EQ(FieldText(empty), "");
}

TEST(FieldText, WritingCutsAtTheWidthAndPadsWithZeros) {
  std::array<std::uint8_t, 5> field{};
  field.fill(0xEE);
  PutFieldText(field, "Ют");
  EXPECT_EQ(field, (std::array<std::uint8_t, 5>{0xDE, 0xF2, 0, 0, 0}));
  PutFieldText(field, "Кран-25");
  EXPECT_EQ(FieldText(field), "Кран-");
}

TEST(BcdTexts, DateTimeAndBitStrings) {
  const std::array<std::uint8_t, 3> date = {0x20, 0x09, 0x08};
  EXPECT_EQ(BcdDateText(date), "20.09.08");
  const std::array<std::uint8_t, 3> erased = {0xFF, 0xFF, 0xFF};
  EXPECT_EQ(BcdDateText(erased), "FF.FF.FF");
  EXPECT_EQ(BcdTimeText(erased), "FF:FF:FF");
  const std::array<std::uint8_t, 3> time = {0x05, 0x30, 0x12};  // seconds, minutes, hours
  EXPECT_EQ(BcdTimeText(time), "12:30:05");
  const std::array<std::uint8_t, 3> hex = {0x1A, 0xB0, 0x0C};
  EXPECT_EQ(BcdDateText(hex), "1A.B0.0C");
  EXPECT_EQ(BitString(0x00), "00000000");
  EXPECT_EQ(BitString(0xFF), "11111111");
  EXPECT_EQ(BitString(0x88), "10001000");
  EXPECT_EQ(BitString(0x01), "00000001");
}

}  // namespace
}  // namespace vertal
