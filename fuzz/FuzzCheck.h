#pragma once
// Invariants the fuzz targets assert: a broken one aborts, and libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

#include "common/core/Utf8.h"

#define FUZZ_CHECK(condition)                                                          \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (false)

