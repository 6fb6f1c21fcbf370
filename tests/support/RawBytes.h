#pragma once
// Byte images of dump files written at offsets spelled out in each test, without the
// application's layout constants or the dump builder: the readers are checked against byte
// positions stated independently of them.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vertal::testing {

using RawImage = std::vector<std::uint8_t>;

// `size` bytes of `value`, least significant first (two's complement for negative values).
inline void PutLe(RawImage& image, std::size_t offset, std::int64_t value, std::size_t size) {
  auto bits = static_cast<std::uint64_t>(value);
  for (std::size_t i = 0; i < size; ++i, bits >>= 8)
    image.at(offset + i) = static_cast<std::uint8_t>(bits & 0xFFu);
}

inline void PutBytes(RawImage& image, std::size_t offset, std::initializer_list<std::uint8_t> bytes) {
  for (const std::uint8_t b : bytes) image.at(offset++) = b;
}

// Single-byte characters as they are, with no terminator.
inline void PutText(RawImage& image, std::size_t offset, std::string_view text) {
  for (const char c : text) image.at(offset++) = static_cast<std::uint8_t>(c);
}

// Sets the last of the `size` bytes from `offset` so that their 8-bit sum is 255.
inline void CloseRecord(RawImage& image, std::size_t offset, std::size_t size) {
  unsigned sum = 0;
  for (std::size_t i = 0; i + 1 < size; ++i) sum += image.at(offset + i);
  image.at(offset + size - 1) = static_cast<std::uint8_t>(~sum & 0xFFu);
}

inline void WriteImage(const RawImage& image, const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
}

}  // namespace vertal::testing
