#pragma once
// Operating times as hours:minutes:seconds.

#include <cstdint>
#include <string>

namespace vertal::dump {

// "h:mm:ss": hours unpadded, minutes and seconds with two digits (0 → "0:00:00",
// 3725 → "1:02:05", 360000 → "100:00:00"). A negative time, which only a damaged record holds,
// shows a leading minus before the same form.
std::string SecondsToHms(std::int64_t seconds);

}  // namespace vertal::dump
