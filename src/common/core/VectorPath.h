#pragma once
// Which vector instructions the passes over whole recordings use. The program is built for the
// baseline x86-64 (SSE2); where the processor has AVX2, the frame pass and its checksum test
// take a wider path, chosen once at run time. Both paths give the same results.

#include <cstdint>

#if defined(__x86_64__) && defined(__GNUC__)
// Code for the AVX2 path is compiled with this attribute and run only where AVX2 is present.
#define VERTAL_AVX2_PATH 1
#define VERTAL_TARGET_AVX2 __attribute__((target("avx2")))
#else
#define VERTAL_AVX2_PATH 0
#define VERTAL_TARGET_AVX2
#endif

namespace vertal {

enum class VectorPath : std::uint8_t { Sse2, Avx2 };

// Whether this processor runs `path`.
bool Runs(VectorPath path);

// The widest path this processor runs.
VectorPath FastestVectorPath();

}  // namespace vertal
