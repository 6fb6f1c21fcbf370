#pragma once
// Four consecutive frames tested together on the AVX2 path of the frame pass, one 64-bit lane
// per frame: validity, the moment number and whether the frame may belong to a result list.
// Each test gives, lane by lane, what its one-frame counterpart gives.

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/core/VectorPath.h"
#include "dump/core/WideChecksum.h"
#include "frames/core/FrameRecord.h"

#if VERTAL_AVX2_PATH
#include <immintrin.h>

namespace vertal::frames {

inline constexpr std::size_t kLaneBytes = 8;

// The 8 bytes of a frame from `offset` (a multiple of 8) as one little-endian number.
constexpr std::uint64_t LaneOf(const std::array<std::uint8_t, kBoundedBytes>& bytes,
                               std::size_t offset) {
  std::uint64_t lane = 0;
  for (std::size_t i = 0; i < kLaneBytes; ++i)
    lane |= std::uint64_t{bytes[offset + i]} << (i * kLaneBytes);
  return lane;
}

// The head bounds beyond the first lane leave every byte free, so testing the first lane of
// each frame is the whole test.
static_assert(LaneOf(kFrameHeadBounds.low, kLaneBytes) == 0 &&
              LaneOf(kFrameHeadBounds.high, kLaneBytes) == ~std::uint64_t{0});

// The lanes of four frames that hold the date and time, the КОС byte, and the load moment and
// fault code.
struct FourFrameLanes {
  __m256i head, middle, tail;
};
inline constexpr std::size_t kMiddleLane = 16, kTailLane = 24;
static_assert(kFrameDate + 3 <= kLaneBytes && kFrameTime + 3 <= kLaneBytes);
static_assert(kFrameKos >= kMiddleLane && kFrameKos < kTailLane);
static_assert(kFrameLoadMoment >= kTailLane && kFrameFaultCode >= kTailLane);

VERTAL_TARGET_AVX2 inline FourFrameLanes LanesOf(const FourRecords& r) {
  // Lanes 0 and 2 of frames 0 and 1, then of frames 2 and 3; lanes 1 and 3 likewise.
  const __m256i even01 = _mm256_unpacklo_epi64(r.r0, r.r1);
  const __m256i even23 = _mm256_unpacklo_epi64(r.r2, r.r3);
  const __m256i odd01 = _mm256_unpackhi_epi64(r.r0, r.r1);
  const __m256i odd23 = _mm256_unpackhi_epi64(r.r2, r.r3);
  constexpr int kLowHalves = 0x20, kHighHalves = 0x31;
  return {_mm256_permute2x128_si256(even01, even23, kLowHalves),
          _mm256_permute2x128_si256(even01, even23, kHighHalves),
          _mm256_permute2x128_si256(odd01, odd23, kHighHalves)};
}

// All ones in the lanes of valid frames: FrameValid, four at a time.
VERTAL_TARGET_AVX2 inline __m256i ValidLanes(const FourRecords& r, const FourFrameLanes& l) {
  const __m256i low = _mm256_set1_epi64x(static_cast<long long>(LaneOf(kFrameHeadBounds.low, 0)));
  const __m256i high = _mm256_set1_epi64x(static_cast<long long>(LaneOf(kFrameHeadBounds.high, 0)));
  // Unsigned saturating differences are zero exactly where low <= byte <= high.
  const __m256i outside = _mm256_or_si256(_mm256_subs_epu8(l.head, high), _mm256_subs_epu8(low, l.head));
  return _mm256_and_si256(ChecksumLanes(r), _mm256_cmpeq_epi64(outside, _mm256_setzero_si256()));
}

// MomentKey of each frame: the time bytes then the date bytes, the top two bytes zero.
VERTAL_TARGET_AVX2 inline __m256i MomentLanes(const FourFrameLanes& l) {
  constexpr char kZero = static_cast<char>(0x80);  // a shuffle index that gives a zero byte
  constexpr auto at = [](std::size_t offset) { return static_cast<char>(offset); };
  constexpr auto next = [](std::size_t offset) { return static_cast<char>(offset + kLaneBytes); };
  const __m256i order = _mm256_setr_epi8(
      at(kFrameTime), at(kFrameTime + 1), at(kFrameTime + 2), at(kFrameDate), at(kFrameDate + 1),
      at(kFrameDate + 2), kZero, kZero, next(kFrameTime), next(kFrameTime + 1),
      next(kFrameTime + 2), next(kFrameDate), next(kFrameDate + 1), next(kFrameDate + 2), kZero,
      kZero, at(kFrameTime), at(kFrameTime + 1), at(kFrameTime + 2), at(kFrameDate),
      at(kFrameDate + 1), at(kFrameDate + 2), kZero, kZero, next(kFrameTime),
      next(kFrameTime + 1), next(kFrameTime + 2), next(kFrameDate), next(kFrameDate + 1),
      next(kFrameDate + 2), kZero, kZero);
  return _mm256_shuffle_epi8(l.head, order);
}

// In every lane, all ones in the byte of the frame at `offset`, which lies in the lane that
// starts at `lane`.
VERTAL_TARGET_AVX2 inline __m256i ByteOfLanes(std::size_t offset, std::size_t lane) {
  constexpr unsigned kByteBits = 8;
  constexpr long long kByte = 0xFF;
  return _mm256_set1_epi64x(kByte << ((offset - lane) * kByteBits));
}

// `b` in every byte.
VERTAL_TARGET_AVX2 inline __m256i EveryByte(std::uint8_t b) {
  return _mm256_set1_epi8(static_cast<char>(b));
}

// All ones in the lanes that hold any nonzero byte.
VERTAL_TARGET_AVX2 inline __m256i NonzeroLanes(__m256i lanes) {
  return _mm256_xor_si256(_mm256_cmpeq_epi64(lanes, _mm256_setzero_si256()), _mm256_set1_epi8(-1));
}

// One bit per lane whose top bit is set, frame 0 lowest.
VERTAL_TARGET_AVX2 inline unsigned LaneBits(__m256i lanes) {
  return static_cast<unsigned>(_mm256_movemask_pd(_mm256_castsi256_pd(lanes)));
}

}  // namespace vertal::frames
#endif
