#pragma once
// Whether each of 16 bytes lies within its own bounds, all tested at once: a record's date and
// time bytes are tested this way in passes over hundreds of thousands of records. SSE2 where
// the compiler targets it, a plain loop otherwise.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vertal {

inline constexpr std::size_t kBoundedBytes = 16;

struct ByteBounds {
  std::array<std::uint8_t, kBoundedBytes> low{};  // every byte unbounded unless set
  std::array<std::uint8_t, kBoundedBytes> high = [] {
    std::array<std::uint8_t, kBoundedBytes> all{};
    all.fill(0xFF);
    return all;
  }();
};

inline bool BytesWithin(std::span<const std::uint8_t, kBoundedBytes> bytes, const ByteBounds& bounds) {
#if defined(__SSE2__)
  __m128i x, low, high;
  std::memcpy(&x, bytes.data(), kBoundedBytes);
  std::memcpy(&low, bounds.low.data(), kBoundedBytes);
  std::memcpy(&high, bounds.high.data(), kBoundedBytes);
  // Unsigned saturating differences are zero exactly where low <= x <= high.
  const __m128i outside = _mm_or_si128(_mm_subs_epu8(x, high), _mm_subs_epu8(low, x));
  constexpr int kAllLanes = 0xFFFF;
  return _mm_movemask_epi8(_mm_cmpeq_epi8(outside, _mm_setzero_si128())) == kAllLanes;
#else
  for (std::size_t i = 0; i < kBoundedBytes; ++i)
    if (bytes[i] < bounds.low[i] || bytes[i] > bounds.high[i]) return false;
  return true;
#endif
}

}  // namespace vertal
