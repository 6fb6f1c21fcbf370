#pragma once
// A TrueType font cut down to the glyphs a document uses, for embedding in a PDF: every other
// glyph's outline is emptied, so glyph numbers stay as they are and the text can name glyphs
// by their numbers in the font.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vertal::reports::pdf {

// The bytes of the font's table with this four-letter tag; empty when the font has none.
using FontTables = std::function<std::string(std::string_view tag)>;

// The font file holding the outlines of the glyphs marked in `used` (by glyph number), of
// glyph 0 (drawn for a missing character) and of the parts of composite glyphs; empty when
// the font has no TrueType outlines or its tables do not hold together.
std::string SubsetTrueType(const FontTables& tables, const std::vector<bool>& used);

}  // namespace vertal::reports::pdf
