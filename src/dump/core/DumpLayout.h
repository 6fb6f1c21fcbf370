#pragma once
// Regions of a dump file and the record families read from it.

#include <cstdint>

namespace vertal::dump {

inline constexpr std::int64_t kLongTermAreaOffset = 0;
inline constexpr std::int64_t kLongTermAreaSize = 32'768;
inline constexpr std::int64_t kOperativeAreaOffset = 32'768;
inline constexpr std::int64_t kPageCount = 8'192;
inline constexpr std::int64_t kPageSize = 1'056;
inline constexpr std::int64_t kFramesPerPage = 33;
inline constexpr std::int64_t kFrameSize = 32;
inline constexpr std::int64_t kFrameCount = kPageCount * kFramesPerPage;  // 270,336
inline constexpr std::int64_t kOperativeAreaSize = kPageCount * kPageSize;
inline constexpr std::int64_t kTrailerOffset = kOperativeAreaOffset + kOperativeAreaSize;
inline constexpr std::int64_t kTrailerSize = 134;
inline constexpr std::int64_t kDumpFileSize = kTrailerOffset + kTrailerSize;  // 8,683,654

static_assert(kFrameCount == 270'336);
static_assert(kTrailerOffset == 8'683'520);
static_assert(kDumpFileSize == 8'683'654);

// A family of equal records read by number. `base` lies one record beyond the family's first
// byte, so record n starts at base + size * (n - 1) and record 0 at the first byte.
struct RecordFamily {
  std::int64_t base;
  std::int64_t size;
  std::int64_t count;

  constexpr std::int64_t Offset(std::int64_t n) const { return base + size * (n - 1); }
};

inline constexpr RecordFamily kOverloadRecords{2'030, 10, 2'600};
inline constexpr RecordFamily kKdsRecords{28'034, 10, 150};
inline constexpr RecordFamily kFrames{32'800, kFrameSize, kFrameCount};

static_assert(kOverloadRecords.Offset(0) == 2'020);
static_assert(kKdsRecords.Offset(0) == 28'024);
static_assert(kFrames.Offset(0) == kOperativeAreaOffset);
static_assert(kFrames.Offset(kFrameCount - 1) + kFrameSize == kTrailerOffset);

}  // namespace vertal::dump
