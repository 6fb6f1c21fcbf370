#include "reports/pdf/core/PageContent.h"

#include <cmath>

#include "reports/pdf/core/PdfNumbers.h"

namespace vertal::reports::pdf {
namespace {

// A glyph is moved only when the pen misses its place by this much (in thousandths of the font
// size, about a ten-thousandth of a millimetre at the reports' sizes): the widths as written
// are rounded, and their sum drifts by that much over a line.
constexpr double kLeastMove = 0.05;
constexpr double kChannel = 255.0;
// A dashed line: dashes four times its width, gaps twice.
constexpr double kDash = 4;
constexpr double kGap = 2;
constexpr unsigned kRedShift = 16;
constexpr unsigned kGreenShift = 8;
constexpr std::uint32_t kChannelMask = 0xFF;
constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendColour(std::string& out, Colour rgb) {
  for (const unsigned shift : {kRedShift, kGreenShift, 0U}) {
    AppendNumber(out, ((rgb >> shift) & kChannelMask) / kChannel);
    out += ' ';
  }
}

}  // namespace

PageContent::PageContent(double pointsPerUnit, double heightPoints)
    : pointsPerUnit_(pointsPerUnit), heightPoints_(heightPoints) {
  Clear();
}

void PageContent::Clear() {
  out_.clear();
  fill_ = kBlack;
  stroke_ = kBlack;
  width_ = -1;
  dashed_ = false;
  inText_ = false;
  inString_ = false;
  resource_ = -1;
  // The device's units, downwards from the top left corner.
  AppendNumber(out_, pointsPerUnit_);
  out_ += " 0 0 ";
  AppendNumber(out_, -pointsPerUnit_);
  out_ += " 0 ";
  AppendNumber(out_, heightPoints_);
  out_ += " cm\n";
}

void PageContent::FillColour(Colour rgb) {
  if (rgb == fill_) return;
  fill_ = rgb;
  AppendColour(out_, rgb);
  out_ += "rg\n";
}

void PageContent::EndText() {
  if (inString_) out_ += "]TJ\n";
  if (inText_) out_ += "ET\n";
  inString_ = false;
  inText_ = false;
  resource_ = -1;
}

void PageContent::Fill(Colour rgb, double x, double y, double width, double height) {
  EndText();
  FillColour(rgb);
  AppendNumber(out_, x);
  out_ += ' ';
  AppendNumber(out_, y);
  out_ += ' ';
  AppendNumber(out_, width);
  out_ += ' ';
  AppendNumber(out_, height);
  out_ += " re f\n";
}

void PageContent::Line(double x1, double y1, double x2, double y2, double width,
                       Colour rgb, bool dashed) {
  EndText();
  if (rgb != stroke_) {
    stroke_ = rgb;
    AppendColour(out_, rgb);
    out_ += "RG\n";
  }
  if (width != width_) {
    width_ = width;
    AppendNumber(out_, width);
    out_ += " w\n";
  }
  if (dashed != dashed_ || (dashed && dashWidth_ != width)) {
    dashed_ = dashed;
    dashWidth_ = width;
    if (dashed) {
      out_ += '[';
      AppendNumber(out_, kDash * width);
      out_ += ' ';
      AppendNumber(out_, kGap * width);
      out_ += "]0 d\n";
    } else {
      out_ += "[]0 d\n";
    }
  }
  AppendNumber(out_, x1);
  out_ += ' ';
  AppendNumber(out_, y1);
  out_ += " m ";
  AppendNumber(out_, x2);
  out_ += ' ';
  AppendNumber(out_, y2);
  out_ += " l S\n";
}

void PageContent::Glyphs(const PdfFont& font, int resource, double size, double baseline,
                         const std::uint16_t* glyphs, const double* xs, std::size_t count) {
  if (count == 0) return;
  if (!inText_) {
    FillColour(kBlack);
    out_ += "BT\n";
    inText_ = true;
  }
  if (resource != resource_ || size != size_ || baseline != baseline_ || !inString_) {
    if (inString_) out_ += "]TJ\n";
    if (resource != resource_ || size != size_) {
      out_ += "/F";
      AppendInt(out_, resource);
      out_ += ' ';
      AppendNumber(out_, size);
      out_ += " Tf\n";
    }
    resource_ = resource;
    size_ = size;
    baseline_ = baseline;
    start_ = xs[0];
    pen_ = 0;
    // Upright glyphs in the downward device units.
    out_ += "1 0 0 -1 ";
    AppendNumber(out_, start_);
    out_ += ' ';
    AppendNumber(out_, baseline);
    out_ += " Tm[";
    inString_ = true;
  }
  bool open = false;  // a hexadecimal string of glyph numbers
  for (std::size_t i = 0; i < count; ++i) {
    // Moves the pen from where the glyph before left it to where this glyph starts.
    const double move = Rounded(pen_ - (xs[i] - start_) * kGlyphSpaceUnits / size);
    if (std::abs(move) >= kLeastMove) {
      if (open) out_ += '>';
      open = false;
      AppendNumber(out_, move);
      pen_ -= move;
    }
    if (!open) out_ += '<';
    open = true;
    const std::uint16_t glyph = glyphs[i];
    for (int shift = 12; shift >= 0; shift -= 4) out_ += kHexDigits[(glyph >> shift) & 0xF];
    pen_ += font.Width(glyph);
  }
  if (open) out_ += '>';
}

const std::string& PageContent::Finish() {
  EndText();
  return out_;
}

}  // namespace vertal::reports::pdf
