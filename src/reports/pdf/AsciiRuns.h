#pragma once
// Most lines of a long table are digits, signs and Latin letters. Laying them out through the
// text shaper for every cell costs most of the time of a long PDF; these runs place the glyphs
// of printable ASCII from advances and pair kerning measured once per font on the device,
// which is what the shaper computes for such text.

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <array>
#include <string_view>
#include <vector>

class QPaintDevice;

namespace vertal::reports {

class AsciiRuns {
 public:
  AsciiRuns(const QFont& font, const QPaintDevice& device);

  // Lays `text` out with its origin on the baseline at x = 0 and gives its width; false when
  // the text holds anything but printable ASCII (the caller shapes it then). Blanks are
  // left as gaps.
  bool Layout(std::string_view text, qreal& width);

  // The glyphs of the text last laid out, and where each starts from its origin.
  const QList<quint32>& Glyphs() const { return indexes_; }
  const QList<QPointF>& Positions() const { return positions_; }
  const QRawFont& RawFont() const { return raw_; }

 private:
  static constexpr char kFirst = ' ';
  static constexpr char kLast = '~';
  static constexpr std::size_t kCount = kLast - kFirst + 1;

  static std::size_t Index(char c) { return static_cast<std::size_t>(c - kFirst); }
  qreal Kerning(std::size_t left, std::size_t right);

  QFontMetricsF metrics_;
  QRawFont raw_;
  std::array<quint32, kCount> glyphs_{};
  std::array<qreal, kCount> advances_{};
  std::vector<qreal> kerning_;  // per pair of characters; NaN until measured
  QList<quint32> indexes_;
  QList<QPointF> positions_;
};

}  // namespace vertal::reports
