#pragma once
// The checksum test of 32-byte records four at a time, one AVX2 register per record: the
// frame pass tests its frames this way on the AVX2 path, and the speed floor counts valid
// records with the same test on that path.

#include <cstddef>
#include <cstdint>
#include <span>

#include "common/core/VectorPath.h"
#include "dump/core/Checksum.h"

#if VERTAL_AVX2_PATH
#include <immintrin.h>
#endif

namespace vertal {

inline constexpr std::size_t kWideRecordSize = 32;  // bytes: one register
inline constexpr std::size_t kWideRecords = 4;      // records tested together

#if VERTAL_AVX2_PATH
// Four consecutive records. Written out record by record, not as an array: the compiler
// then keeps them in registers.
struct FourRecords {
  __m256i r0, r1, r2, r3;
};

VERTAL_TARGET_AVX2 inline FourRecords LoadFourRecords(const std::uint8_t* first) {
  const auto* at = reinterpret_cast<const __m256i*>(first);
  static_assert(sizeof(__m256i) == kWideRecordSize);
  return {_mm256_loadu_si256(at), _mm256_loadu_si256(at + 1), _mm256_loadu_si256(at + 2),
          _mm256_loadu_si256(at + 3)};
}

// One 64-bit lane per record, in record order: all ones where the record's checksum holds.
VERTAL_TARGET_AVX2 inline __m256i ChecksumLanes(const FourRecords& r) {
  const __m256i zero = _mm256_setzero_si256();
  // Per record, the sums of its four 8-byte quarters.
  const __m256i s0 = _mm256_sad_epu8(r.r0, zero), s1 = _mm256_sad_epu8(r.r1, zero);
  const __m256i s2 = _mm256_sad_epu8(r.r2, zero), s3 = _mm256_sad_epu8(r.r3, zero);
  // Quarters 0+1 and 2+3 of records 0 and 1, then of records 2 and 3 ...
  const __m256i halves01 =
      _mm256_add_epi64(_mm256_unpacklo_epi64(s0, s1), _mm256_unpackhi_epi64(s0, s1));
  const __m256i halves23 =
      _mm256_add_epi64(_mm256_unpacklo_epi64(s2, s3), _mm256_unpackhi_epi64(s2, s3));
  // ... and the first halves of all four plus their second halves.
  constexpr int kLowLanes = 0x20, kHighLanes = 0x31;
  const __m256i totals = _mm256_add_epi64(_mm256_permute2x128_si256(halves01, halves23, kLowLanes),
                                          _mm256_permute2x128_si256(halves01, halves23, kHighLanes));
  const __m256i lowByte = _mm256_set1_epi64x(0xFF);
  return _mm256_cmpeq_epi64(_mm256_and_si256(totals, lowByte),
                            _mm256_set1_epi64x(kChecksumTotal));
}
#endif

// How many of the whole 32-byte records in `bytes` hold their checksum, tested on `path`
// (which the processor must run); a shorter tail is not counted.
std::int64_t CountValidChecksums(std::span<const std::uint8_t> bytes, VectorPath path);

}  // namespace vertal
