#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "dump/core/Checksum.h"
#include "dump/core/WideChecksum.h"

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

// The speed floor counts valid 32-byte records four at a time on the AVX2 path: every path
// the processor runs counts what the one-record test finds, the wrap-around of the sum and
// records valid in one lane of four only included; a shorter tail is not counted.
TEST(Checksum, CountsOfValidRecordsAgreeOnEveryVectorPath) {
  constexpr std::size_t kRecord = 32;
  std::vector<std::uint8_t> bytes;
  std::int64_t expected = 0;
  const std::uint8_t fills[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
  for (const std::uint8_t fill : fills) {
    for (std::size_t at = 0; at < kRecord; at += 5) {
      std::array<std::uint8_t, kRecord> record;
      record.fill(fill);
      record[at] = 0;
      record[at] = ChecksumByte(record);
      if (at % 3 == 0) record[kRecord - 1 - at] = static_cast<std::uint8_t>(record[kRecord - 1 - at] + 1);
      expected += ChecksumValid(std::span<const std::uint8_t>(record)) ? 1 : 0;
      bytes.insert(bytes.end(), record.begin(), record.end());
    }
  }
  bytes.insert(bytes.end(), bytes.begin(), bytes.begin() + kRecord - 1);  // a valid record cut short
  ASSERT_NE(bytes.size() / kRecord % 4, 0u);
  for (const VectorPath path : {VectorPath::Sse2, VectorPath::Avx2}) {
    if (Runs(path)) {
      EXPECT_EQ(CountValidChecksums(bytes, path), expected) << static_cast<int>(path);
    }
  }
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
