#pragma once
// The fixed sizes of the TrueType tables the PDF writer reads: a shorter table is malformed.

#include <cstddef>

namespace vertal::reports::pdf {

inline constexpr std::size_t kHeadSize = 54;
inline constexpr std::size_t kHheaSize = 36;

}  // namespace vertal::reports::pdf
