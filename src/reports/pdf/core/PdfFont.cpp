#include "reports/pdf/core/PdfFont.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>

#include "reports/pdf/core/FontTableSizes.h"
#include "reports/pdf/core/PdfNumbers.h"

namespace vertal::reports::pdf {
namespace {

// Offsets into the font's tables, from the TrueType format.
constexpr std::size_t kHeadUnitsPerEm = 18;
constexpr std::size_t kHeadBox = 36;
constexpr std::size_t kHheaAscent = 4;
constexpr std::size_t kHheaDescent = 6;
constexpr std::size_t kPostItalicAngle = 4;
constexpr std::size_t kPostSize = 8;
constexpr std::size_t kOs2CapHeight = 88;
constexpr double kFixedOne = 65536.0;
// The descriptor's flags: a font with the Latin characters; an italic one.
constexpr int kNonSymbolic = 1 << 5;
constexpr int kItalic = 1 << 6;
// A stem width is asked for but not used by the viewers with an embedded font.
constexpr int kStemWidth = 80;
// A map's list of glyphs may hold at most a hundred entries.
constexpr std::size_t kMapChunk = 100;
constexpr int kTagLetters = 6;
// Glyph numbers are two bytes; 0 is the glyph for a missing character.
constexpr std::size_t kMostGlyphs = 0xFFFF;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kSurrogateBase = 0x10000;
constexpr char32_t kHighSurrogate = 0xD800;
constexpr char32_t kLowSurrogate = 0xDC00;
constexpr char32_t kTenBits = 0x3FF;

int Signed16(const std::string& data, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(
      (static_cast<unsigned char>(data[at]) << 8) | static_cast<unsigned char>(data[at + 1])));
}

void AppendHex16(std::string& out, unsigned value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

void AppendUtf16Hex(std::string& out, char32_t code) {
  if (code >= kSurrogateBase) {
    code -= kSurrogateBase;
    AppendHex16(out, kHighSurrogate + (code >> 10));
    AppendHex16(out, kLowSurrogate + (code & kTenBits));
    return;
  }
  AppendHex16(out, code);
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string codes;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = lead < 0x80 ? 0 : lead >= 0xF0 && lead <= 0xF4 ? 3
                       : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : 4;
    char32_t code = extra == 0 ? lead : extra == 1 ? lead & 0x1FU : extra == 2 ? lead & 0x0FU : lead & 0x07U;
    bool good = extra < 4 && i + extra < text.size();
    for (std::size_t k = 1; good && k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      good = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3FU);
    }
    if (!good) {
      codes += kReplacement;
      ++i;
      continue;
    }
    codes += code;
    i += extra + 1;
  }
  return codes;
}

PdfFace::PdfFace(std::string name, FontTables tables)
    : name_(std::move(name)), tables_(std::move(tables)) {}

std::uint16_t PdfFace::Use(std::uint16_t glyph, char32_t code) {
  if (glyph >= numbers_.size()) numbers_.resize(glyph + 1U, 0);
  if (numbers_[glyph] == 0 && glyphs_.size() < kMostGlyphs) {
    glyphs_.push_back(glyph);
    codes_.push_back(code);
    numbers_[glyph] = static_cast<int>(glyphs_.size());
  }
  return static_cast<std::uint16_t>(numbers_[glyph]);
}

std::uint16_t PdfFont::Add(std::uint16_t glyph, double width, char32_t code) {
  const std::uint16_t number = face_->Use(glyph, code);
  if (glyph >= numbers_.size()) numbers_.resize(glyph + 1U, 0);
  numbers_[glyph] = number;
  if (number >= widths_.size()) widths_.resize(number + 1U, -1);
  widths_[number] = std::max(0.0, Rounded(width));
  return number;
}

// Six capitals that tell this cut of the face from another of the same face.
std::string PdfFace::SubsetName() const {
  std::size_t hash = std::hash<std::string>{}(name_);
  for (const std::uint16_t glyph : glyphs_) hash = hash * 31 + glyph;
  std::string tag;
  for (int i = 0; i < kTagLetters; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
  return tag + "+" + name_;
}

std::string PdfFace::Descriptor(int fontFile, const std::string& name) const {
  const std::string head = tables_("head");
  const std::string hhea = tables_("hhea");
  const std::string post = tables_("post");
  const std::string os2 = tables_("OS/2");
  const int unitsPerEm = head.size() >= kHeadSize ? Signed16(head, kHeadUnitsPerEm) : 0;
  const double scale = unitsPerEm > 0 ? kGlyphSpaceUnits / unitsPerEm : 0;
  const auto scaled = [&](int value) { return static_cast<int>(std::lround(value * scale)); };
  const int ascent = hhea.size() >= kHheaSize ? scaled(Signed16(hhea, kHheaAscent)) : 0;
  const int descent = hhea.size() >= kHheaSize ? scaled(Signed16(hhea, kHheaDescent)) : 0;
  const int capHeight =
      os2.size() >= kOs2CapHeight + 2 ? scaled(Signed16(os2, kOs2CapHeight)) : ascent;
  double italicAngle = 0;
  if (post.size() >= kPostSize)
    italicAngle = (Signed16(post, kPostItalicAngle) * kFixedOne +
                   static_cast<std::uint16_t>(Signed16(post, kPostItalicAngle + 2))) /
                  kFixedOne;
  std::string out = "<</Type/FontDescriptor/FontName/" + name + "/Flags ";
  AppendInt(out, kNonSymbolic | (italicAngle != 0 ? kItalic : 0));
  out += "/FontBBox[";
  for (int i = 0; i < 4; ++i) {
    if (i > 0) out += ' ';
    AppendInt(out, head.size() >= kHeadSize
                       ? scaled(Signed16(head, kHeadBox + 2 * static_cast<std::size_t>(i)))
                       : 0);
  }
  out += "]/ItalicAngle ";
  AppendNumber(out, italicAngle);
  out += "/Ascent ";
  AppendInt(out, ascent);
  out += "/Descent ";
  AppendInt(out, descent);
  out += "/CapHeight ";
  AppendInt(out, capHeight);
  out += "/StemV ";
  AppendInt(out, kStemWidth);
  if (fontFile > 0) {
    out += "/FontFile2 ";
    AppendInt(out, fontFile);
    out += " 0 R";
  }
  out += ">>";
  return out;
}

std::string PdfFace::ToUnicode() const {
  std::string out =
      "/CIDInit/ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
      "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n";
  for (std::size_t from = 0; from < codes_.size(); from += kMapChunk) {
    const std::size_t to = std::min(codes_.size(), from + kMapChunk);
    AppendInt(out, static_cast<long long>(to - from));
    out += " beginbfchar\n";
    for (std::size_t i = from; i < to; ++i) {
      out += '<';
      AppendHex16(out, static_cast<unsigned>(i + 1));
      out += "><";
      AppendUtf16Hex(out, codes_[i] != 0 ? codes_[i] : kReplacement);
      out += ">\n";
    }
    out += "endbfchar\n";
  }
  out += "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
  return out;
}

PdfFace::Written PdfFace::Write(PdfFile& file) const {
  const std::string subset = SubsetTrueType(tables_, glyphs_);
  Written written;
  // A face whose outlines cannot be cut down goes in by name only: the viewer draws the text
  // with a font of its own (and the glyphs' new numbers mean nothing to it, but the text
  // still reads back).
  int fontFile = 0;
  written.baseName = name_;
  if (!subset.empty()) {
    written.baseName = SubsetName();
    fontFile = file.Reserve();
    std::string entries = "/Length1 ";
    AppendInt(entries, static_cast<long long>(subset.size()));
    file.WriteStream(fontFile, entries, subset, PdfFile::Packing::Small);
  }
  written.descriptor = file.Reserve();
  file.Write(written.descriptor, Descriptor(fontFile, written.baseName));
  written.toUnicode = file.Reserve();
  file.WriteStream(written.toUnicode, "", ToUnicode(), PdfFile::Packing::Small);
  return written;
}

// The widths of the glyphs drawn, each run of consecutive glyphs in one list.
std::string PdfFont::Widths() const {
  std::string out = "[";
  bool open = false;
  for (std::size_t g = 0; g < widths_.size(); ++g) {
    if (widths_[g] < 0) {
      if (open) out += "]";
      open = false;
      continue;
    }
    if (!open) {
      AppendInt(out, static_cast<long long>(g));
      out += "[";
      open = true;
    } else {
      out += ' ';
    }
    AppendNumber(out, widths_[g]);
  }
  if (open) out += "]";
  out += "]";
  return out;
}

void PdfFont::Write(PdfFile& file, const PdfFace::Written& face) const {
  const int descendant = file.Reserve();
  std::string cidFont = "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + face.baseName +
                        "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>"
                        "/FontDescriptor ";
  AppendInt(cidFont, face.descriptor);
  cidFont += " 0 R/CIDToGIDMap/Identity/W" + Widths() + ">>";
  file.Write(descendant, cidFont);
  std::string font = "<</Type/Font/Subtype/Type0/BaseFont/" + face.baseName +
                     "/Encoding/Identity-H/DescendantFonts[";
  AppendInt(font, descendant);
  font += " 0 R]/ToUnicode ";
  AppendInt(font, face.toUnicode);
  font += " 0 R>>";
  file.Write(number_, font);
}

}  // namespace vertal::reports::pdf
