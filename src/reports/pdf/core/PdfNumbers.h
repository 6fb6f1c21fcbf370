#pragma once
// Numbers as a PDF writes them: integers, and reals with at most three decimals and no
// trailing zeros.

#include <string>

namespace vertal::reports::pdf {

// Glyph widths and the moves inside a text are written in thousandths of the font size.
inline constexpr double kGlyphSpaceUnits = 1000.0;

void AppendInt(std::string& out, long long value);
void AppendNumber(std::string& out, double value);
// `value` as AppendNumber writes it.
double Rounded(double value);

}  // namespace vertal::reports::pdf
