#pragma once
// A TrueType font cut down to the glyphs a document uses, for embedding in a PDF: the glyphs
// are numbered afresh in the order the document first drew them, so that the pages can name
// them by their new numbers while the font is still being cut.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vertal::reports::pdf {

// The bytes of the font's table with this four-letter tag; empty when the font has none.
using FontTables = std::function<std::string(std::string_view tag)>;

// The font file holding glyph 0 (drawn for a missing character) as glyph 0, then `glyphs`
// (glyphs of the font) as glyphs 1, 2, ..., then the parts of composite glyphs; empty when
// the font has no TrueType outlines or its tables do not hold together.
std::string SubsetTrueType(const FontTables& tables, const std::vector<std::uint16_t>& glyphs);

}  // namespace vertal::reports::pdf
