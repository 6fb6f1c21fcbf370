#include "dump/core/WideChecksum.h"

namespace vertal {
namespace {

#if VERTAL_AVX2_PATH
VERTAL_TARGET_AVX2 std::int64_t CountFourAtATime(const std::uint8_t* first, std::size_t groups) {
  std::int64_t valid = 0;
  for (std::size_t g = 0; g < groups; ++g) {
    const __m256i lanes = ChecksumLanes(LoadFourRecords(first + g * kWideRecords * kWideRecordSize));
    valid += __builtin_popcount(static_cast<unsigned>(_mm256_movemask_pd(_mm256_castsi256_pd(lanes))));
  }
  return valid;
}
#endif

}  // namespace

std::int64_t CountValidChecksums(std::span<const std::uint8_t> bytes, VectorPath path) {
  const std::size_t records = bytes.size() / kWideRecordSize;
  std::size_t i = 0;
  std::int64_t valid = 0;
#if VERTAL_AVX2_PATH
  if (path == VectorPath::Avx2) {
    valid = CountFourAtATime(bytes.data(), records / kWideRecords);
    i = records / kWideRecords * kWideRecords;
  }
#else
  (void)path;
#endif
  for (; i < records; ++i)
    valid += ChecksumValid(bytes.subspan(i * kWideRecordSize).first<kWideRecordSize>()) ? 1 : 0;
  return valid;
}

}  // namespace vertal
