#pragma once
// A font of a PDF document: the glyphs a document draws are named by their numbers in the font
// (two bytes each), their widths and the characters they stand for are gathered as pages are
// written, and at the end the font goes in with only those glyphs' outlines and a map from
// glyphs back to characters, so that the text can be copied and searched.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/pdf/core/FontSubset.h"
#include "reports/pdf/core/PdfFile.h"

namespace vertal::reports::pdf {

// A face of the font (regular, bold, ...) as it goes into the document, once for all its
// sizes, with only the glyphs drawn, numbered afresh as they are first drawn (from 1; 0 is
// the font's glyph for a missing character).
class PdfFace {
 public:
  // `name` is the face's PostScript name; `tables` give its TrueType tables at the end.
  PdfFace(std::string name, FontTables tables);

  // A glyph of the font drawn, standing for character `code`: its number in the document.
  std::uint16_t Use(std::uint16_t glyph, char32_t code);

  // What the face's fonts refer to once it is written.
  struct Written {
    int descriptor = 0;
    int toUnicode = 0;
    std::string baseName;
  };
  // Writes the face's file (cut down to the glyphs drawn), descriptor and map.
  Written Write(PdfFile& file) const;

 private:
  std::string Descriptor(int fontFile, const std::string& name) const;
  std::string ToUnicode() const;
  std::string SubsetName() const;

  std::string name_;
  FontTables tables_;
  std::vector<int> numbers_;             // by glyph of the font; 0 for a glyph not drawn
  std::vector<std::uint16_t> glyphs_;    // by number in the document, from 1
  std::vector<char32_t> codes_;          // by number in the document, from 1
};

// A face at one size, as the pages name it: the glyphs' widths are the advances the layout
// gave them at that size, so that a run of glyphs needs no correction between them.
class PdfFont {
 public:
  PdfFont(int number, PdfFace& face) : number_(number), face_(&face) {}

  // The number of the font's object, which pages refer to.
  int Number() const { return number_; }
  PdfFace& Face() const { return *face_; }

  // The number in the document of a glyph of the font drawn at this size before, else 0.
  std::uint16_t Number(std::uint16_t glyph) const {
    return glyph < numbers_.size() ? numbers_[glyph] : 0;
  }
  // A glyph drawn at this size for the first time, with its advance in thousandths of the font
  // size and the character it stands for: its number in the document.
  std::uint16_t Add(std::uint16_t glyph, double width, char32_t code);
  // The advance of the glyph numbered `number` in the document, as the file gives it.
  double Width(std::uint16_t number) const { return widths_[number]; }

  // Writes the font and its descendant, which refer to its face's objects.
  void Write(PdfFile& file, const PdfFace::Written& face) const;

 private:
  std::string Widths() const;

  int number_;
  PdfFace* face_;
  std::vector<std::uint16_t> numbers_;  // by glyph of the font; 0 for a glyph not drawn
  std::vector<double> widths_;          // by number in the document; -1 for one not drawn
};

// Appends `code` as UTF-16 in big-endian hexadecimal digits.
void AppendUtf16Hex(std::string& out, char32_t code);
// The code points of UTF-8 `text`; a malformed byte gives U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace vertal::reports::pdf
