#include "reports/pdf/core/FontSubset.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>

#include "reports/pdf/core/FontTableSizes.h"

namespace vertal::reports::pdf {
namespace {

// Offsets into the tables, from the TrueType format.
constexpr std::size_t kHeadCheckSumAdjustment = 8;
constexpr std::size_t kHeadIndexToLocFormat = 50;
constexpr std::size_t kMaxpNumGlyphs = 4;
constexpr std::size_t kHheaNumberOfHMetrics = 34;
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

// The tables a PDF's TrueType font needs: the glyphs are named by number, so no character
// map, and no hinting programs: PDF viewers scale the outlines themselves, and the glyphs'
// instructions are most of a small report's fonts.
constexpr std::array<const char*, 6> kKeptTables = {"glyf", "head", "hhea", "hmtx", "loca", "maxp"};
constexpr std::uint16_t kHasInstructions = 0x0100;

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

void Set16(std::string& out, std::size_t at, std::size_t value) {
  out[at] = static_cast<char>((value >> 8) & 0xFF);
  out[at + 1] = static_cast<char>(value & 0xFF);
}

// The glyphs of the cut font: which glyph of the font each is, and its outline with the
// parts of a composite glyph renumbered.
class Renumbering {
 public:
  Renumbering(std::string_view glyf, const std::vector<std::size_t>& starts)
      : glyf_(glyf), starts_(starts), newNumber_(starts.size() - 1, kNone) {}

  // The new number of glyph `g`, given it the first time it is asked for.
  std::size_t Number(std::size_t g) {
    if (newNumber_[g] == kNone) {
      newNumber_[g] = order_.size();
      order_.push_back(g);
    }
    return newNumber_[g];
  }

  // Copies every glyph's outline in the new order; the parts of composite glyphs are added
  // after the others as they come. False when a composite glyph's description runs out.
  bool Copy(std::string& out, std::vector<std::size_t>& newStarts) {
    for (std::size_t n = 0; n < order_.size(); ++n) {  // grows as parts are met
      const std::size_t g = order_[n];
      std::string outline(glyf_.substr(starts_[g], starts_[g + 1] - starts_[g]));
      if (outline.size() >= kGlyphHeader) {
        const bool composite = static_cast<std::int16_t>(U16(outline, 0)) < 0;
        if (composite ? !RenumberParts(outline) : !DropInstructions(outline)) return false;
      }
      newStarts.push_back(out.size());
      out += outline;
      PadTo4(out);
    }
    newStarts.push_back(out.size());
    return true;
  }

  const std::vector<std::size_t>& Order() const { return order_; }

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // A simple glyph: its contours' ends, its instructions' length, the instructions.
  static bool DropInstructions(std::string& outline) {
    const std::size_t lengthAt = kGlyphHeader + 2 * std::size_t{U16(outline, 0)};
    if (lengthAt + 2 > outline.size()) return false;
    const std::size_t length = U16(outline, lengthAt);
    if (lengthAt + 2 + length > outline.size()) return false;
    outline.erase(lengthAt + 2, length);
    Set16(outline, lengthAt, 0);
    return true;
  }

  // A composite glyph: its parts, each with its flags, then the instructions of the whole.
  bool RenumberParts(std::string& outline) {
    std::size_t at = kGlyphHeader;
    for (;;) {
      if (at + 4 > outline.size()) return false;
      const std::uint16_t flags = U16(outline, at);
      Set16(outline, at, flags & static_cast<std::uint16_t>(~kHasInstructions));
      const std::uint16_t part = U16(outline, at + 2);
      if (part >= newNumber_.size()) return false;
      const std::size_t number = Number(part);
      outline[at + 2] = static_cast<char>((number >> 8) & 0xFF);
      outline[at + 3] = static_cast<char>(number & 0xFF);
      at += 4 + ((flags & kArgsAreWords) != 0 ? 4 : 2);
      if ((flags & kHasScale) != 0) at += 2;
      if ((flags & kHasXYScale) != 0) at += 4;
      if ((flags & kHasTwoByTwo) != 0) at += 8;
      if ((flags & kMoreComponents) == 0) {
        if (at > outline.size()) return false;
        outline.resize(at);
        return true;
      }
    }
  }

  std::string_view glyf_;
  const std::vector<std::size_t>& starts_;
  std::vector<std::size_t> newNumber_;  // by glyph of the font
  std::vector<std::size_t> order_;      // by new number
};

// The horizontal metrics of the glyphs in `order`, each with its own advance.
std::string Metrics(const std::string& hhea, const std::string& hmtx,
                    const std::vector<std::size_t>& order) {
  const std::size_t longMetrics = U16(hhea, kHheaNumberOfHMetrics);
  std::string out;
  for (const std::size_t g : order) {
    const std::size_t advanceAt = std::min(g, longMetrics - 1) * kLongMetric;
    const std::size_t bearingAt = g < longMetrics ? g * kLongMetric + 2
                                                  : longMetrics * kLongMetric +
                                                        (g - longMetrics) * kShortMetric;
    const bool known = advanceAt + 2 <= hmtx.size() && bearingAt + 2 <= hmtx.size();
    Put16(out, known ? U16(hmtx, advanceAt) : 0U);
    Put16(out, known ? U16(hmtx, bearingAt) : 0U);
  }
  return out;
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

std::string SubsetTrueType(const FontTables& tables, const std::vector<std::uint16_t>& glyphs) {
  std::map<std::string, std::string> kept;
  for (const char* tag : kKeptTables) {
    std::string data = tables(tag);
    if (!data.empty()) kept.emplace(tag, std::move(data));
  }
  for (const char* needed : {"glyf", "head", "hhea", "hmtx", "loca", "maxp"})
    if (kept.count(needed) == 0) return {};
  std::string& head = kept["head"];
  std::string& maxp = kept["maxp"];
  std::string& hhea = kept["hhea"];
  if (head.size() < kHeadSize || maxp.size() < kMaxpNumGlyphs + 2 || hhea.size() < kHheaSize ||
      U16(hhea, kHheaNumberOfHMetrics) == 0)
    return {};
  const std::size_t count = U16(maxp, kMaxpNumGlyphs);
  const std::string glyf = std::move(kept["glyf"]);
  std::vector<std::size_t> starts;
  if (count == 0 ||
      !ReadLocations(kept["loca"], U16(head, kHeadIndexToLocFormat) != 0, count, glyf.size(),
                     starts))
    return {};

  Renumbering renumbering(glyf, starts);
  renumbering.Number(0);
  for (const std::uint16_t g : glyphs) {
    if (g >= count) return {};
    renumbering.Number(g);
  }
  std::string newGlyf;
  std::vector<std::size_t> newStarts;
  if (!renumbering.Copy(newGlyf, newStarts)) return {};
  const bool shortLocations = newGlyf.size() < kShortLocationLimit;
  std::string newLoca;
  for (const std::size_t start : newStarts) {
    if (shortLocations)
      Put16(newLoca, static_cast<std::uint32_t>(start / 2));
    else
      Put32(newLoca, static_cast<std::uint32_t>(start));
  }
  const std::size_t newCount = renumbering.Order().size();
  kept["hmtx"] = Metrics(hhea, kept["hmtx"], renumbering.Order());
  kept["glyf"] = std::move(newGlyf);
  kept["loca"] = std::move(newLoca);
  Set16(maxp, kMaxpNumGlyphs, newCount);
  Set16(hhea, kHheaNumberOfHMetrics, newCount);
  Set16(head, kHeadIndexToLocFormat, shortLocations ? 0 : 1);
  Set32(head, kHeadCheckSumAdjustment, 0);
  return Assemble(kept);
}

}  // namespace vertal::reports::pdf
