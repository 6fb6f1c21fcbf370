#pragma once
// Text forms shared by every record: BCD dates and times, and bytes as bit strings.

#include <cstdint>
#include <span>
#include <string>

namespace vertal {

using Bcd3 = std::span<const std::uint8_t, 3>;

// Day, month, year bytes as "dd.mm.yy", each byte as two upper-case hexadecimal digits.
std::string BcdDateText(Bcd3 date);

// Appends the date text to `out` without building temporary strings.
void AppendBcdDate(std::string& out, Bcd3 date);

// Seconds, minutes, hours bytes as "hh:mm:ss" (hours first).
std::string BcdTimeText(Bcd3 time);

// Appends the time text to `out` without building temporary strings.
void AppendBcdTime(std::string& out, Bcd3 time);

// One byte as eight "0"/"1" characters, most significant bit first.
std::string BitString(std::uint8_t byte);

// Two upper-case hexadecimal digits.
std::string HexByte(std::uint8_t byte);

}  // namespace vertal
