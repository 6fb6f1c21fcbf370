#pragma once
// The record checksum: the 8-bit sum of all bytes of a record, its closing byte included,
// is 255.

#include <cstdint>
#include <span>

namespace vertal {

bool ChecksumValid(std::span<const std::uint8_t> bytes);

// The byte that, stored after `bytes`, makes the record valid.
std::uint8_t ChecksumByte(std::span<const std::uint8_t> bytes);

// Stores the closing byte of a record in its last byte.
void CloseRecord(std::span<std::uint8_t> record);

}  // namespace vertal
