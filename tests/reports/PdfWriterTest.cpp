// The PDF writer's own parts: fonts cut down to the glyphs drawn, glyphs placed where the
// layout put them, and a file whose cross-references lead to its objects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "reports/pdf/core/FontSubset.h"
#include "reports/pdf/core/PageContent.h"
#include "reports/pdf/core/PdfDocument.h"
#include "support/TempDir.h"

namespace vertal::reports::pdf {
namespace {

void Put16(std::string& out, unsigned value) {
  out += static_cast<char>((value >> 8) & 0xFF);
  out += static_cast<char>(value & 0xFF);
}

unsigned U16(const std::string& data, std::size_t at) {
  return static_cast<unsigned>((static_cast<unsigned char>(data[at]) << 8) |
                               static_cast<unsigned char>(data[at + 1]));
}

std::uint32_t U32(const std::string& data, std::size_t at) {
  return (static_cast<std::uint32_t>(U16(data, at)) << 16) | U16(data, at + 2);
}

// A glyph of one contour with `instructions` bytes of hinting.
std::string SimpleGlyph(unsigned instructions) {
  std::string glyph;
  Put16(glyph, 1);
  glyph.append(8, '\0');  // bounding box
  Put16(glyph, 0);        // the contour ends at point 0
  Put16(glyph, instructions);
  glyph.append(instructions, '\x2A');
  glyph += '\x31';  // one point on the curve, at the origin
  return glyph;
}

// A glyph made of glyph `part`, with hinting of its own.
std::string CompositeGlyph(unsigned part) {
  std::string glyph;
  Put16(glyph, 0xFFFF);
  glyph.append(8, '\0');
  Put16(glyph, 0x0001 | 0x0100);  // word arguments, instructions follow
  Put16(glyph, part);
  glyph.append(4, '\0');
  Put16(glyph, 2);
  glyph.append(2, '\x2A');
  return glyph;
}

// Four glyphs: 0 and 3 simple, 1 simple with hinting, 2 made of 1; advances 100 to 400.
std::map<std::string, std::string> TinyFont() {
  std::map<std::string, std::string> font;
  const std::vector<std::string> glyphs = {SimpleGlyph(0), SimpleGlyph(3), CompositeGlyph(1),
                                           SimpleGlyph(0)};
  std::string& loca = font["loca"];
  std::string& glyf = font["glyf"];
  for (const std::string& glyph : glyphs) {
    Put16(loca, static_cast<unsigned>(glyf.size() / 2));
    glyf += glyph;
    while (glyf.size() % 4 != 0) glyf += '\0';
  }
  Put16(loca, static_cast<unsigned>(glyf.size() / 2));
  font["head"] = std::string(54, '\0');
  font["hhea"] = std::string(34, '\0');
  Put16(font["hhea"], 4);
  font["maxp"] = std::string(4, '\0');
  Put16(font["maxp"], 4);
  for (unsigned g = 0; g < 4; ++g) {
    Put16(font["hmtx"], 100 * (g + 1));
    Put16(font["hmtx"], 0);
  }
  return font;
}

FontTables From(const std::map<std::string, std::string>& font) {
  return [font](std::string_view tag) {
    const auto found = font.find(std::string(tag));
    return found == font.end() ? std::string() : found->second;
  };
}

// The tables of a font file by tag.
std::map<std::string, std::string> Tables(const std::string& file) {
  std::map<std::string, std::string> tables;
  for (unsigned i = 0; i < U16(file, 4); ++i) {
    const std::size_t record = 12 + 16 * std::size_t{i};
    tables[file.substr(record, 4)] = file.substr(U32(file, record + 8), U32(file, record + 12));
  }
  return tables;
}

TEST(FontSubsetTest, KeepsTheGlyphsDrawnAndTheirPartsRenumbered) {
  const std::string file = SubsetTrueType(From(TinyFont()), {2});
  ASSERT_FALSE(file.empty());
  std::uint32_t sum = 0;  // the whole file sums to the format's constant
  for (std::size_t at = 0; at + 4 <= file.size(); at += 4) sum += U32(file, at);
  EXPECT_EQ(sum, 0xB1B0AFBAu);

  std::map<std::string, std::string> tables = Tables(file);
  EXPECT_EQ(U16(tables["maxp"], 4), 3u);  // glyph 0, the glyph drawn, its part
  EXPECT_EQ(U16(tables["hhea"], 34), 3u);
  const std::string& hmtx = tables["hmtx"];
  ASSERT_EQ(hmtx.size(), 12u);
  EXPECT_EQ(U16(hmtx, 0), 100u);
  EXPECT_EQ(U16(hmtx, 4), 300u);  // glyph 2, drawn, is now glyph 1
  EXPECT_EQ(U16(hmtx, 8), 200u);  // its part, glyph 1, is now glyph 2

  const std::string& glyf = tables["glyf"];
  const std::string& loca = tables["loca"];
  ASSERT_EQ(U16(tables["head"], 50), 0u);  // short locations
  const std::string composite = glyf.substr(U16(loca, 2) * 2, (U16(loca, 4) - U16(loca, 2)) * 2);
  EXPECT_EQ(U16(composite, 10), 0x0001u);  // no hinting left
  EXPECT_EQ(U16(composite, 12), 2u);       // its part by the new number
  const std::string part = glyf.substr(U16(loca, 4) * 2);
  EXPECT_EQ(U16(part, 12), 0u);  // the part's hinting is gone
  EXPECT_EQ(part[14], '\x31');
}

TEST(FontSubsetTest, RefusesFontsThatDoNotHoldTogether) {
  const std::vector<std::function<void(std::map<std::string, std::string>&)>> faults = {
      [](auto& font) { font.erase("glyf"); },                  // outlines of another kind
      [](auto& font) { font["loca"][9] = '\x7F'; },            // a glyph past the outlines
      [](auto& font) { font["glyf"].resize(30); },             // outlines cut short
      [](auto& font) {  // a composite glyph made of a glyph the font has not
        const std::size_t part = U16(font["loca"], 4) * 2 + 12;
        font["glyf"][part] = '\0';
        font["glyf"][part + 1] = '\x09';
      },
  };
  for (std::size_t i = 0; i < faults.size(); ++i) {
    std::map<std::string, std::string> font = TinyFont();
    faults[i](font);
    EXPECT_TRUE(SubsetTrueType(From(font), {2}).empty()) << "fault " << i;
  }
  EXPECT_TRUE(SubsetTrueType(From(TinyFont()), {7}).empty());  // no such glyph
}

// Replays a page's strings of glyphs as a viewer reads them: where each glyph starts.
std::vector<double> Replay(const std::string& content, const PdfFont& font, double size) {
  std::vector<double> xs;
  std::istringstream in(content);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tm = line.find(" Tm[");
    if (tm == std::string::npos) continue;
    std::istringstream matrix(line.substr(0, tm));
    double a = 0, b = 0, c = 0, d = 0, start = 0;
    matrix >> a >> b >> c >> d >> start;
    double pen = 0;
    for (std::size_t at = tm + 4; at < line.size() && line[at] != ']';) {
      if (line[at] == '<') {
        const std::size_t end = line.find('>', at);
        for (std::size_t g = at + 1; g + 4 <= end; g += 4) {
          xs.push_back(start + pen * size / 1000);
          pen += font.Width(static_cast<std::uint16_t>(std::stoul(line.substr(g, 4), nullptr, 16)));
        }
        at = end + 1;
      } else {
        std::size_t used = 0;
        pen -= std::stod(line.substr(at), &used);
        at += used;
      }
    }
  }
  return xs;
}

TEST(PageContentTest, GlyphsLandWhereTheLayoutPutThem) {
  PdfFace face("Face", From({}));
  PdfFont font(1, face);
  const double size = 162.5;
  const std::vector<double> advances = {90.3671875, 45.1875, 81.25};
  std::vector<std::uint16_t> numbers;
  for (std::uint16_t g = 0; g < advances.size(); ++g)
    numbers.push_back(font.Add(static_cast<std::uint16_t>(g + 5), advances[g] * 1000 / size,
                               static_cast<char32_t>(U'0' + g)));

  // A long line of cells: glyphs one after the other, then a gap to the next cell.
  PageContent content(0.06, 842);
  std::vector<double> expected;
  for (int cell = 0; cell < 40; ++cell) {
    std::vector<std::uint16_t> glyphs;
    std::vector<double> xs;
    double x = std::round(cell * 700.0 + 3);
    for (int i = 0; i < 6; ++i) {
      glyphs.push_back(numbers[static_cast<std::size_t>(i % 3)]);
      xs.push_back(x);
      x += advances[static_cast<std::size_t>(i % 3)];
    }
    content.Glyphs(font, 0, size, 500, glyphs.data(), xs.data(), glyphs.size());
    expected.insert(expected.end(), xs.begin(), xs.end());
  }
  const std::string& page = content.Finish();
  const std::vector<double> placed = Replay(page, font, size);
  ASSERT_EQ(placed.size(), expected.size());
  for (std::size_t i = 0; i < placed.size(); ++i)
    EXPECT_NEAR(placed[i], expected[i], 0.02) << "glyph " << i;
  // One string for the line: the cells' gaps are its only moves.
  EXPECT_EQ(std::count(page.begin(), page.end(), '['), 1);
  EXPECT_EQ(std::count(page.begin(), page.end(), '<'), 40);
}

TEST(PdfDocumentTest, CrossReferencesLeadToTheObjects) {
  vertal::testing::TempDir dir;
  const std::string path = dir.File("doc.pdf");
  {
    PdfDocument document(path, 595, 842);
    ASSERT_TRUE(document.Ok());
    PdfFont& font = document.Font(document.AddFont(document.AddFace("Face", From(TinyFont()))));
    PageContent content(0.06, 842);
    const std::uint16_t glyph = font.Add(2, 500, U'Ж');
    const double x = 10;
    content.Glyphs(font, 0, 100, 100, &glyph, &x, 1);
    document.AddPage(content.Finish());
    document.AddPage(content.Finish());
    ASSERT_TRUE(document.Finish("Отчёт"));
  }
  std::ifstream in(path, std::ios::binary);
  const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t startxref = file.rfind("startxref\n");
  ASSERT_NE(startxref, std::string::npos);
  std::size_t at = std::stoul(file.substr(startxref + 10));
  ASSERT_EQ(file.compare(at, 7, "xref\n0 "), 0);
  at += 7;
  const std::size_t count = std::stoul(file.substr(at));
  at = file.find('\n', at) + 1 + 20;  // past the free entry
  for (std::size_t object = 1; object < count; ++object, at += 20) {
    const std::string header = std::to_string(object) + " 0 obj";
    EXPECT_EQ(file.compare(std::stoul(file.substr(at, 10)), header.size(), header), 0)
        << "object " << object;
  }
  EXPECT_NE(file.find("/Count 2"), std::string::npos);
  EXPECT_NE(file.find("/Title<FEFF041E0442044704510442>"), std::string::npos);
  EXPECT_NE(file.find("/FontFile2"), std::string::npos);
}

TEST(PdfDocumentTest, AFileThatCannotBeWrittenIsRefused) {
  vertal::testing::TempDir dir;
  PdfDocument document(dir.File("missing/doc.pdf"), 595, 842);
  EXPECT_FALSE(document.Ok());
  EXPECT_FALSE(document.Finish("x"));
}

TEST(PdfTextTest, CharactersOfTheTitleAndTheGlyphMap) {
  EXPECT_EQ(DecodeUtf8("AЖ€"), (std::u32string{U'A', U'Ж', U'€'}));
  EXPECT_EQ(DecodeUtf8("a\xFF" "b\xD0"), (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD}));
  std::string hex;
  AppendUtf16Hex(hex, U'Ж');
  AppendUtf16Hex(hex, 0x1F600);
  EXPECT_EQ(hex, "0416D83DDE00");
}

}  // namespace
}  // namespace vertal::reports::pdf
