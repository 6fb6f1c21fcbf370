#include "dump/core/Checksum.h"

namespace vertal {
namespace {
std::uint8_t Sum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (const std::uint8_t b : bytes) sum += b;
  return static_cast<std::uint8_t>(sum);
}
}  // namespace

bool ChecksumValid(std::span<const std::uint8_t> bytes) { return Sum(bytes) == kChecksumTotal; }

std::uint8_t ChecksumByte(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint8_t>(kChecksumTotal - Sum(bytes));
}

void CloseRecord(std::span<std::uint8_t> record) {
  if (record.empty()) return;
  record.back() = ChecksumByte(record.first(record.size() - 1));
}

}  // namespace vertal
