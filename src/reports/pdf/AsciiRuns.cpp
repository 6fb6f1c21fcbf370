#include "reports/pdf/AsciiRuns.h"

#include <QPaintDevice>
#include <cmath>
#include <limits>

namespace vertal::reports {
namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

AsciiRuns::AsciiRuns(const QFont& font, const QPaintDevice& device)
    : metrics_(font, &device),
      raw_(QRawFont::fromFont(font)),
      kerning_(kCount * kCount, std::numeric_limits<qreal>::quiet_NaN()) {
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
  qreal x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c < kFirst || c > kLast) return false;
    if (i > 0) x += Kerning(Index(text[i - 1]), Index(c));
    // A blank glyph in a run is not read back as a word break from the PDF; the gap it
    // leaves is.
    if (c != kFirst) {
      indexes_.append(glyphs_[Index(c)]);
      positions_.append(QPointF(x, 0));
    }
    x += advances_[Index(c)];
  }
  width = x;
  return true;
}

}  // namespace vertal::reports
