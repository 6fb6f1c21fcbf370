#include "reports/pdf/core/FontSubset.h"

#include <array>
#include <cstddef>
#include <map>

namespace vertal::reports::pdf {
namespace {

// Offsets into the tables, from the TrueType format.
constexpr std::size_t kHeadCheckSumAdjustment = 8;
constexpr std::size_t kHeadIndexToLocFormat = 50;
constexpr std::size_t kHeadSize = 54;
constexpr std::size_t kMaxpNumGlyphs = 4;
constexpr std::size_t kHheaNumberOfHMetrics = 34;
constexpr std::size_t kHheaSize = 36;
constexpr std::size_t kLongMetric = 4;
constexpr std::size_t kShortMetric = 2;
// Short glyph locations count two-byte words up to this many bytes.
constexpr std::size_t kShortLocationLimit = 0x20000;
constexpr std::size_t kGlyphHeader = 10;
constexpr std::uint32_t kFontCheckSum = 0xB1B0AFBA;
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::size_t kOffsetTable = 12;
constexpr std::size_t kTableRecord = 16;
// Flags of a composite glyph's component.
constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kHasScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kHasXYScale = 0x0040;
constexpr std::uint16_t kHasTwoByTwo = 0x0080;

// The tables a PDF's TrueType font needs (the glyphs are named by number, so no character
// map), with the hinting programs that keep small text sharp on screen.
constexpr std::array<const char*, 9> kKeptTables = {"cvt ", "fpgm", "glyf", "head", "hhea",
                                                    "hmtx", "loca", "maxp", "prep"};

std::uint16_t U16(std::string_view data, std::size_t at) {
  return static_cast<std::uint16_t>((static_cast<unsigned char>(data[at]) << 8) |
                                    static_cast<unsigned char>(data[at + 1]));
}

std::uint32_t U32(std::string_view data, std::size_t at) {
  return (static_cast<std::uint32_t>(U16(data, at)) << 16) | U16(data, at + 2);
}

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value >> 16);
  Put16(out, value);
}

void Set32(std::string& out, std::size_t at, std::uint32_t value) {
  std::string bytes;
  Put32(bytes, value);
  out.replace(at, 4, bytes);
}

void PadTo4(std::string& out) {
  while (out.size() % 4 != 0) out += '\0';
}

std::uint32_t CheckSum(std::string_view data) {
  std::uint32_t sum = 0;
  std::size_t at = 0;
  for (; at + 4 <= data.size(); at += 4) sum += U32(data, at);
  std::uint32_t last = 0;
  for (std::size_t i = 0; i < 4; ++i)
    last = (last << 8) | (at + i < data.size() ? static_cast<unsigned char>(data[at + i]) : 0U);
  return sum + last;
}

// Where each glyph's outline starts in the glyph table; one more entry ends the last.
bool ReadLocations(std::string_view loca, bool longOffsets, std::size_t glyphs, std::size_t glyf,
                   std::vector<std::size_t>& starts) {
  const std::size_t entry = longOffsets ? 4 : 2;
  if (loca.size() < (glyphs + 1) * entry) return false;
  starts.resize(glyphs + 1);
  for (std::size_t g = 0; g <= glyphs; ++g) {
    starts[g] = longOffsets ? U32(loca, g * entry) : std::size_t{U16(loca, g * entry)} * 2;
    if (starts[g] > glyf || (g > 0 && starts[g] < starts[g - 1])) return false;
  }
  return true;
}

// Marks the parts of composite glyph `outline`; false when its description runs out.
bool MarkComponents(std::string_view outline, std::vector<bool>& keep,
                    std::vector<std::size_t>& pending) {
  std::size_t at = kGlyphHeader;
  for (;;) {
    if (at + 4 > outline.size()) return false;
    const std::uint16_t flags = U16(outline, at);
    const std::uint16_t part = U16(outline, at + 2);
    if (part < keep.size() && !keep[part]) {
      keep[part] = true;
      pending.push_back(part);
    }
    at += 4 + ((flags & kArgsAreWords) != 0 ? 4 : 2);
    if ((flags & kHasScale) != 0) at += 2;
    if ((flags & kHasXYScale) != 0) at += 4;
    if ((flags & kHasTwoByTwo) != 0) at += 8;
    if ((flags & kMoreComponents) == 0) return true;
  }
}

// Zeroes the advances and side bearings of the glyphs left out: the PDF gives the widths of
// the glyphs drawn, and zeros pack to nothing.
void ClearUnusedMetrics(const std::string& hhea, std::string& hmtx, const std::vector<bool>& keep) {
  if (hhea.size() < kHheaSize) return;
  const std::size_t longMetrics = U16(hhea, kHheaNumberOfHMetrics);
  for (std::size_t g = 0; g < keep.size(); ++g) {
    if (keep[g]) continue;
    const std::size_t at = g < longMetrics ? g * kLongMetric
                                           : longMetrics * kLongMetric + (g - longMetrics) * kShortMetric;
    const std::size_t size = g < longMetrics ? kLongMetric : kShortMetric;
    if (at + size <= hmtx.size()) hmtx.replace(at, size, size, '\0');
  }
}

std::string Assemble(const std::map<std::string, std::string>& tables) {
  const auto count = static_cast<std::uint16_t>(tables.size());
  std::uint16_t power = 1;
  std::uint16_t selector = 0;
  while (power * 2 <= count) {
    power = static_cast<std::uint16_t>(power * 2);
    ++selector;
  }
  std::string font;
  Put32(font, kTrueTypeVersion);
  Put16(font, count);
  Put16(font, power * 16U);
  Put16(font, selector);
  Put16(font, count * 16U - power * 16U);
  std::size_t offset = kOffsetTable + kTableRecord * count;
  std::size_t headAt = 0;
  for (const auto& [tag, data] : tables) {  // a map walks the tags in order, as the format asks
    font += tag;
    Put32(font, CheckSum(data));
    Put32(font, static_cast<std::uint32_t>(offset));
    Put32(font, static_cast<std::uint32_t>(data.size()));
    if (tag == "head") headAt = offset;
    offset += (data.size() + 3) / 4 * 4;
  }
  for (const auto& [tag, data] : tables) {
    font += data;
    PadTo4(font);
  }
  Set32(font, headAt + kHeadCheckSumAdjustment, kFontCheckSum - CheckSum(font));
  return font;
}

}  // namespace

std::string SubsetTrueType(const FontTables& tables, const std::vector<bool>& used) {
  std::map<std::string, std::string> kept;
  for (const char* tag : kKeptTables) {
    std::string data = tables(tag);
    if (!data.empty()) kept.emplace(tag, std::move(data));
  }
  for (const char* needed : {"glyf", "head", "hhea", "hmtx", "loca", "maxp"})
    if (kept.count(needed) == 0) return {};
  std::string& head = kept["head"];
  const std::string& maxp = kept["maxp"];
  if (head.size() < kHeadSize || maxp.size() < kMaxpNumGlyphs + 2) return {};
  const std::size_t glyphs = U16(maxp, kMaxpNumGlyphs);
  const std::string glyf = std::move(kept["glyf"]);
  std::vector<std::size_t> starts;
  if (!ReadLocations(kept["loca"], U16(head, kHeadIndexToLocFormat) != 0, glyphs, glyf.size(),
                     starts))
    return {};

  std::vector<bool> keep(glyphs, false);
  std::vector<std::size_t> pending;
  for (std::size_t g = 0; g < glyphs; ++g) {
    if ((g == 0 || (g < used.size() && used[g])) && !keep[g]) {
      keep[g] = true;
      pending.push_back(g);
    }
  }
  while (!pending.empty()) {
    const std::size_t g = pending.back();
    pending.pop_back();
    const std::string_view outline =
        std::string_view(glyf).substr(starts[g], starts[g + 1] - starts[g]);
    if (outline.size() >= kGlyphHeader && static_cast<std::int16_t>(U16(outline, 0)) < 0 &&
        !MarkComponents(outline, keep, pending))
      return {};
  }

  std::string newGlyf;
  std::vector<std::size_t> newStarts;
  for (std::size_t g = 0; g < glyphs; ++g) {
    newStarts.push_back(newGlyf.size());
    if (keep[g]) {
      newGlyf.append(glyf, starts[g], starts[g + 1] - starts[g]);
      PadTo4(newGlyf);
    }
  }
  newStarts.push_back(newGlyf.size());
  const bool shortLocations = newGlyf.size() < kShortLocationLimit;
  std::string newLoca;
  for (const std::size_t start : newStarts) {
    if (shortLocations)
      Put16(newLoca, static_cast<std::uint32_t>(start / 2));
    else
      Put32(newLoca, static_cast<std::uint32_t>(start));
  }
  kept["glyf"] = std::move(newGlyf);
  kept["loca"] = std::move(newLoca);
  head[kHeadIndexToLocFormat] = 0;
  head[kHeadIndexToLocFormat + 1] = shortLocations ? 0 : 1;
  Set32(head, kHeadCheckSumAdjustment, 0);
  ClearUnusedMetrics(kept["hhea"], kept["hmtx"], keep);
  return Assemble(kept);
}

}  // namespace vertal::reports::pdf
