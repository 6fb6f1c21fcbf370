#pragma once
// The record checksum: the 8-bit sum of all bytes of a record, its closing byte included,
// is 255.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vertal {

// The 8-bit sum of every valid record.
inline constexpr std::uint8_t kChecksumTotal = 0xFF;

bool ChecksumValid(std::span<const std::uint8_t> bytes);

// The same test for a record of a fixed size, inline: the loop has a fixed trip count and the
// sum wraps at 8 bits, so the compiler turns it into a few vector adds (two for a frame).
template <std::size_t N>
  requires(N != std::dynamic_extent)
inline bool ChecksumValid(std::span<const std::uint8_t, N> bytes) {
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < N; ++i) sum = static_cast<std::uint8_t>(sum + bytes[i]);
  return sum == kChecksumTotal;
}

// The byte that, stored after `bytes`, makes the record valid.
std::uint8_t ChecksumByte(std::span<const std::uint8_t> bytes);

// Stores the closing byte of a record in its last byte.
void CloseRecord(std::span<std::uint8_t> record);

}  // namespace vertal
