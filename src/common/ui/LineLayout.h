#pragma once
// Lays out one line of plain text as the item views lay out a cell's text, cheaply: a text of
// Latin and Cyrillic letters, digits and signs takes the font's glyphs and kerned advances
// directly, which gives the glyphs and positions of the full shaping; any other text is shaped
// in full. A page turn lays out a hundred texts, and shaping one costs many times more.

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QString>

namespace vertal::ui {

struct LaidOutLine {
  QList<QGlyphRun> runs;  // positions from the line's top left corner
  qreal width = 0;
};

class LineLayout {
 public:
  // The font of the lines to come.
  void UseFont(const QFont& font);
  LaidOutLine LayOut(const QString& text) const;
  // The font's glyphs as the plain texts use them.
  const QRawFont& Font() const { return raw_; }

 private:
  LaidOutLine Shaped(const QString& text) const;

  QFont font_;
  QRawFont raw_;
  bool fontSet_ = false;
  qreal baseline_ = 0;
};

}  // namespace vertal::ui
