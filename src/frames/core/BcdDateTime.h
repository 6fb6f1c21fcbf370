#pragma once
// Tests and comparison of the BCD dates and times that frames and event records carry.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vertal::frames {

using Bcd3 = std::span<const std::uint8_t, 3>;
using BcdBytes = std::array<std::uint8_t, 3>;

inline constexpr std::uint8_t kBcdMinDay = 1;
inline constexpr std::uint8_t kBcdMinMonth = 1;
inline constexpr std::uint8_t kBcdMaxDay = 0x31;
inline constexpr std::uint8_t kBcdMaxMonth = 0x12;
inline constexpr std::uint8_t kBcdMaxYear = 0x37;
inline constexpr std::uint8_t kBcdMaxSeconds = 0x59;
inline constexpr std::uint8_t kBcdMaxMinutes = 0x59;
inline constexpr std::uint8_t kBcdMaxHours = 0x23;

// Day, month, year: day 1..0x31, month 1..0x12, year up to 0x37. The digits of a byte are not
// tested one by one, so a day of 0x1A passes. Inline: every pass tests every record's date.
inline bool BcdDateValid(Bcd3 date) {
  return date[0] >= kBcdMinDay && date[0] <= kBcdMaxDay && date[1] >= kBcdMinMonth &&
         date[1] <= kBcdMaxMonth && date[2] <= kBcdMaxYear;
}

// Seconds, minutes, hours: up to 0x59, 0x59 and 0x23.
inline bool BcdTimeValid(Bcd3 time) {
  return time[0] <= kBcdMaxSeconds && time[1] <= kBcdMaxMinutes && time[2] <= kBcdMaxHours;
}

enum class Moment { Equal = 0, Later = 1, Earlier = 2 };

// Compares (dateA, timeA) with (dateB, timeB): year, month, day, hours, minutes, seconds.
// Returns Later when A is later. A caller comparing dates only passes a date as both times.
Moment CompareDateTime(Bcd3 dateA, Bcd3 dateB, Bcd3 timeA, Bcd3 timeB);

// A date as one number that orders like its year, month and day bytes compared in that order.
inline std::uint32_t DateKey(Bcd3 date) {
  constexpr unsigned kByteBits = 8;
  return std::uint32_t{date[2]} << (2 * kByteBits) | std::uint32_t{date[1]} << kByteBits | date[0];
}

// Whether a date lies in the range from .. to, both ends included; dates only. Inline: the
// searches test every record's date.
inline bool DateInRange(Bcd3 date, Bcd3 from, Bcd3 to) {
  const std::uint32_t key = DateKey(date);
  return DateKey(from) <= key && key <= DateKey(to);
}

// A date typed as "dd.mm.yy": the pairs at positions 1-2, 4-5 and 7-8 read as hexadecimal
// bytes (day, month, year). Nothing when the text is shorter or a pair is not two
// hexadecimal digits, so the caller can refuse the input with a message.
std::optional<BcdBytes> DateTextToBcd(std::string_view text);

}  // namespace vertal::frames
