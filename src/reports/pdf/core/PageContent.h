#pragma once
// The drawing of one page of a PDF, in the units of the device the report was laid out for,
// from the sheet's top left corner: filled boxes, lines and glyphs. The glyphs on one
// baseline in one font go out as one string of glyph numbers, each moved from where the one
// before leaves it only by as much as its place differs.

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/core/Colour.h"
#include "reports/pdf/core/PdfFont.h"

namespace vertal::reports::pdf {

class PageContent {
 public:
  // `pointsPerUnit` turns the device's units into points; the sheet is `heightPoints` high.
  PageContent(double pointsPerUnit, double heightPoints);

  // Begins the next page.
  void Clear();
  void Fill(Colour rgb, double x, double y, double width, double height);
  void Line(double x1, double y1, double x2, double y2, double width, Colour rgb,
            bool dashed);
  // Draws `count` glyphs of `font` (named /F`resource` in the page's resources) of `size`
  // with their origins on `baseline` at `xs`, black.
  void Glyphs(const PdfFont& font, int resource, double size, double baseline,
              const std::uint16_t* glyphs, const double* xs, std::size_t count);
  // The page's drawing, complete.
  const std::string& Finish();

 private:
  void EndText();
  void FillColour(Colour rgb);

  const double pointsPerUnit_;
  const double heightPoints_;
  std::string out_;
  // What the graphics state holds, so that only changes are written.
  Colour fill_ = kBlack;
  Colour stroke_ = kBlack;
  double width_ = -1;
  bool dashed_ = false;
  double dashWidth_ = 0;  // the line width the dash pattern was written for
  // The text being written: its font, size and baseline, where it starts and where the last
  // glyph left the pen (in thousandths of the font size from the start).
  bool inText_ = false;
  bool inString_ = false;
  int resource_ = -1;
  double size_ = 0;
  double baseline_ = 0;
  double start_ = 0;
  double pen_ = 0;
};

}  // namespace vertal::reports::pdf
