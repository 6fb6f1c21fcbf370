#pragma once
// A colour as 0xRRGGBB, for the Qt-free descriptions of reports and charts.

#include <cstdint>

namespace vertal {

using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;

}  // namespace vertal
