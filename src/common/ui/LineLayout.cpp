#include "common/ui/LineLayout.h"

#include <QTextLayout>
#include <algorithm>

namespace vertal::ui {

namespace {

// Characters whose glyphs the font places one after another with kerning alone: printable
// ASCII and the basic Cyrillic block. Anything else may need shaping or another font.
bool Simple(QChar c) {
  constexpr char16_t kFirstPrintable = 0x20;
  constexpr char16_t kLastPrintable = 0x7E;
  constexpr char16_t kFirstCyrillic = 0x0400;
  constexpr char16_t kLastCyrillic = 0x045F;
  const char16_t u = c.unicode();
  return (u >= kFirstPrintable && u <= kLastPrintable) || (u >= kFirstCyrillic && u <= kLastCyrillic);
}

}  // namespace

void LineLayout::UseFont(const QFont& font) {
  if (fontSet_ && font == font_) return;
  font_ = font;
  fontSet_ = true;
  raw_ = QRawFont::fromFont(font_);
  // Where full shaping puts the baseline of a line.
  const LaidOutLine sample = Shaped(QStringLiteral("0"));
  baseline_ = sample.runs.isEmpty() || sample.runs.front().positions().isEmpty()
                  ? raw_.ascent()
                  : sample.runs.front().positions().front().y();
}

LaidOutLine LineLayout::LayOut(const QString& text) const {
  if (text.isEmpty()) return {};
  if (!raw_.isValid() || !std::all_of(text.begin(), text.end(), Simple)) return Shaped(text);
  const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
  if (glyphs.size() != text.size() || glyphs.contains(0)) return Shaped(text);
  const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
  QList<QPointF> positions;
  positions.reserve(glyphs.size());
  qreal x = 0;
  for (const QPointF& advance : advances) {
    positions << QPointF(x, baseline_);
    x += advance.x();
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  return {{run}, x};
}

LaidOutLine LineLayout::Shaped(const QString& text) const {
  QTextLayout layout(text, font_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  return {layout.glyphRuns(), line.isValid() ? line.naturalTextWidth() : 0};
}

}  // namespace vertal::ui
