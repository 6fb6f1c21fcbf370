#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "dump/core/Checksum.h"

namespace vertal {
namespace {

TEST(Checksum, ValidWhenTheByteSumIs255ModuloAByte) {
  for (int k = 0; k < 4; ++k) {
    // 255 + 256k spread over bytes of 0xFF and a remainder.
    const int total = 255 + 256 * k;
    std::vector<std::uint8_t> record(static_cast<std::size_t>(total / 255), 0xFF);
    if (total % 255) record.push_back(static_cast<std::uint8_t>(total % 255));
    EXPECT_TRUE(ChecksumValid(record)) << k;
    record.back() = static_cast<std::uint8_t>(record.back() - 1);
    EXPECT_FALSE(ChecksumValid(record)) << k;
  }
}

TEST(Checksum, AllZeroAndEmptyRecordsAreInvalid) {
  EXPECT_FALSE(ChecksumValid(std::vector<std::uint8_t>(94, 0)));
  EXPECT_FALSE(ChecksumValid({}));
}

// Passes test records of a fixed size with an inlined sum; it must agree with the general test
// whatever the bytes, the wrap-around of the sum and both ends of the record included.
template <std::size_t N>
void ExpectFixedAgrees(const std::array<std::uint8_t, N>& record, bool valid) {
  EXPECT_EQ(ChecksumValid(std::span<const std::uint8_t, N>(record)), valid);
  EXPECT_EQ(ChecksumValid(std::span<const std::uint8_t>(record)), valid);
}

template <std::size_t N>
void CheckFixedSize() {
  const std::uint8_t fills[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
  for (const std::uint8_t fill : fills) {
    for (const std::size_t at : {std::size_t{0}, N / 2, N - 1}) {
      std::array<std::uint8_t, N> record;
      record.fill(fill);
      record[at] = 0;
      record[at] = ChecksumByte(record);
      ExpectFixedAgrees(record, true);
      record[N - 1 - at] = static_cast<std::uint8_t>(record[N - 1 - at] + 1);
      ExpectFixedAgrees(record, false);
    }
  }
}

TEST(Checksum, FixedSizeTestAgreesWithTheGeneralOne) {
  CheckFixedSize<32>();  // frames
  CheckFixedSize<10>();  // overload and KDS records
}

TEST(Checksum, ClosingByteMakesAnyRecordValid) {
  std::vector<std::uint8_t> record = {0x80, 0x1A, 0x2C, 0x01, 0x00};
  CloseRecord(record);
  EXPECT_EQ(record.back(), 0x38);
  EXPECT_TRUE(ChecksumValid(record));
  EXPECT_EQ(ChecksumByte(std::vector<std::uint8_t>{}), 0xFF);
}

}  // namespace
}  // namespace vertal
