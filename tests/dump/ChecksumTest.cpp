#include <gtest/gtest.h>

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

TEST(Checksum, ClosingByteMakesAnyRecordValid) {
  std::vector<std::uint8_t> record = {0x80, 0x1A, 0x2C, 0x01, 0x00};
  CloseRecord(record);
  EXPECT_EQ(record.back(), 0x38);
  EXPECT_TRUE(ChecksumValid(record));
  EXPECT_EQ(ChecksumByte(std::vector<std::uint8_t>{}), 0xFF);
}

}  // namespace
}  // namespace vertal
