#include "reports/pdf/AsciiRuns.h"

#include <QPaintDevice>
#include <cmath>
#include <limits>

#include "reports/pdf/TextBox.h"
#include "reports/pdf/core/PdfFont.h"

namespace vertal::reports {
namespace {

constexpr char32_t kDelete = 0x7F;
constexpr char32_t kFirstAfterControls = 0xA0;

}  // namespace

AsciiRuns::AsciiRuns(const QFont& font, const QPaintDevice& device, bool anyText)
    : metrics_(font, &device),
      raw_(QRawFont::fromFont(font)),
      kerning_(kCount * kCount, std::numeric_limits<qreal>::quiet_NaN()),
      anyText_(anyText) {
  // The raw font comes at the screen's size; the device draws the font at its own resolution.
  raw_.setPixelSize(font.pointSizeF() * device.logicalDpiY() / kPointsPerInch);
  QString all;
  for (char c = kFirst; c <= kLast; ++c) all += QLatin1Char(c);
  const QList<quint32> glyphs = raw_.glyphIndexesForString(all);
  for (std::size_t i = 0; i < kCount && i < static_cast<std::size_t>(glyphs.size()); ++i) {
    glyphs_[i] = glyphs[static_cast<qsizetype>(i)];
    // As a text, so that a blank's advance holds the font's extra word spacing.
    advances_[i] = metrics_.horizontalAdvance(QString(all.at(static_cast<qsizetype>(i))));
  }
}

qreal AsciiRuns::Kerning(std::size_t left, std::size_t right) {
  qreal& kerning = kerning_[left * kCount + right];
  if (std::isnan(kerning)) {
    QString pair;
    pair += QLatin1Char(static_cast<char>(static_cast<std::size_t>(kFirst) + left));
    pair += QLatin1Char(static_cast<char>(static_cast<std::size_t>(kFirst) + right));
    kerning = metrics_.horizontalAdvance(pair) - advances_[left] - advances_[right];
  }
  return kerning;
}

bool AsciiRuns::Layout(std::string_view text, qreal& width) {
  indexes_.clear();
  positions_.clear();
  codes_.clear();
  qreal x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c < kFirst || c > kLast) return anyText_ && LayoutAny(text, width);
    if (i > 0) x += Kerning(Index(text[i - 1]), Index(c));
    // A blank glyph in a run is not read back as a word break from the PDF; the gap it
    // leaves is.
    if (c != kFirst) {
      indexes_.append(glyphs_[Index(c)]);
      positions_.append(QPointF(x, 0));
      codes_.push_back(static_cast<char32_t>(c));
    }
    x += advances_[Index(c)];
  }
  width = x;
  return true;
}

const AsciiRuns::Other& AsciiRuns::Measure(char32_t code) {
  const auto known = others_.find(code);
  if (known != others_.end()) return known->second;
  const QString text = Text(code);
  const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
  return others_[code] = {glyphs.isEmpty() ? 0 : glyphs.front(), metrics_.horizontalAdvance(text)};
}

qreal AsciiRuns::OtherKerning(char32_t left, char32_t right) {
  const std::uint64_t pair = (static_cast<std::uint64_t>(left) << 32) | right;
  const auto known = otherKerning_.find(pair);
  if (known != otherKerning_.end()) return known->second;
  return otherKerning_[pair] = metrics_.horizontalAdvance(Text(left) + Text(right)) -
                               Measure(left).advance - Measure(right).advance;
}

bool AsciiRuns::LayoutAny(std::string_view text, qreal& width) {
  indexes_.clear();
  positions_.clear();
  codes_.clear();
  const std::u32string codes = pdf::DecodeUtf8(text);
  qreal x = 0;
  char32_t previous = 0;
  for (const char32_t code : codes) {
    // A control character read from a dump is neither drawn nor given room, as the shaper
    // does with it.
    if (code < static_cast<char32_t>(kFirst) || (code >= kDelete && code < kFirstAfterControls))
      continue;
    if (previous != 0) x += OtherKerning(previous, code);
    previous = code;
    if (code != static_cast<char32_t>(kFirst)) {
      indexes_.append(Measure(code).glyph);
      positions_.append(QPointF(x, 0));
      codes_.push_back(code);
    }
    x += Measure(code).advance;
  }
  width = x;
  return true;
}

}  // namespace vertal::reports
