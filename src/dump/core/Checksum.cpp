#include "dump/core/Checksum.h"

#include <cstring>

namespace vertal {
namespace {
// The sum of the bytes modulo 256, eight bytes at a time: the even and the odd bytes of each
// word are added into four 16-bit lanes that are cut back to 8 bits after every word, so no
// lane carries into the next; the lanes are added together at the end. Whole-recording passes
// test every frame's sum, so this is worth its few lines.
std::uint8_t Sum(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kWord = sizeof(std::uint64_t);
  constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FFull;
  constexpr std::uint64_t kAddLanes = 0x0001000100010001ull;
  constexpr unsigned kByteBits = 8, kTopLane = 48;
  std::uint64_t lanes = 0;
  std::size_t i = 0;
  for (; i + kWord <= bytes.size(); i += kWord) {
    std::uint64_t w = 0;
    std::memcpy(&w, bytes.data() + i, kWord);
    lanes = (lanes + (w & kLowBytes) + ((w >> kByteBits) & kLowBytes)) & kLowBytes;
  }
  unsigned sum = static_cast<unsigned>((lanes * kAddLanes) >> kTopLane);
  for (; i < bytes.size(); ++i) sum += bytes[i];
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
