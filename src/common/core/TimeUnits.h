#pragma once

#include <cstdint>

// Lengths of time in seconds, for the cores that count recorded time.
namespace vertal {

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kMinutesPerHour = 60;
inline constexpr std::int64_t kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;
inline constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace vertal
