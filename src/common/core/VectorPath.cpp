#include "common/core/VectorPath.h"

namespace vertal {

bool Runs(VectorPath path) {
  if (path == VectorPath::Sse2) return true;
#if VERTAL_AVX2_PATH
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
#else
  return false;
#endif
}

VectorPath FastestVectorPath() {
  return Runs(VectorPath::Avx2) ? VectorPath::Avx2 : VectorPath::Sse2;
}

}  // namespace vertal
