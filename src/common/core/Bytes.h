#pragma once
// Little-endian loads from dump bytes. Every decoder reads fields through these, never by
// casting a pointer to a wider type.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vertal {

using ByteSpan = std::span<const std::uint8_t>;

inline std::uint16_t le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int16_t lei16(const std::uint8_t* p) { return std::bit_cast<std::int16_t>(le16(p)); }
inline std::uint32_t le24(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16);
}
inline std::uint32_t le32(const std::uint8_t* p) {
  return le24(p) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t lei32(const std::uint8_t* p) { return std::bit_cast<std::int32_t>(le32(p)); }
inline float lef32(const std::uint8_t* p) { return std::bit_cast<float>(le32(p)); }
inline std::int8_t i8(std::uint8_t b) { return std::bit_cast<std::int8_t>(b); }

inline void put16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void put24(std::uint8_t* p, std::uint32_t v) {
  put16(p, static_cast<std::uint16_t>(v));
  p[2] = static_cast<std::uint8_t>(v >> 16);
}
inline void put32(std::uint8_t* p, std::uint32_t v) {
  put24(p, v);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}
inline void putf32(std::uint8_t* p, float v) { put32(p, std::bit_cast<std::uint32_t>(v)); }

}  // namespace vertal
