#pragma once
// Shown forms of numbers: the patterns "#0", "#0.0", "#0.00" and "#0.000" (at least one digit
// before the separator, exactly the pattern's digits after it, rounded half away from zero)
// with a decimal separator chosen by the caller from the user's locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace vertal {

// The separator used when no locale says otherwise.
inline constexpr std::string_view kDefaultDecimalSeparator = ".";

// Number of digits after the separator that a pattern asks for: "#0" 0, "#0.00" 2.
int PatternDecimals(std::string_view pattern);

// Formats a floating value by a pattern. The value is first taken to 15 significant digits,
// so 2.675 shows 2.68 as a person expects. A result that rounds to zero has no minus sign.
// Not-a-number and infinities show "NAN", "INF" and "-INF".
std::string FormatFloat(std::string_view pattern, double value, std::string_view separator);

// Formats a stored integer that counts units of 10^-storedDecimals (a load of 1234 in
// hundredths of a tonne is FormatScaled(1234, 2, "#0.00", sep) = "12.34"). Exact: no
// floating point is involved, so 3595 tenths under "#0" show 360 and 3594 show 359.
std::string FormatScaled(std::int64_t stored, int storedDecimals, std::string_view pattern,
                         std::string_view separator);

}  // namespace vertal
