#pragma once
// Most lines of a long table are digits, signs and Latin letters. Laying them out through the
// text shaper for every cell costs most of the time of a long PDF; these runs place the glyphs
// of printable ASCII from advances and pair kerning measured once per font on the device,
// which is what the shaper computes for such text. Asked to, they place any other character
// the same way, from its own advance and pair kerning (the PDF writer names glyphs itself).

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace vertal::reports {

class AsciiRuns {
 public:
  AsciiRuns(const QFont& font, const QPaintDevice& device, bool anyText = false);

  // Lays `text` (UTF-8) out with its origin on the baseline at x = 0 and gives its width;
  // false when the text holds anything but printable ASCII and the runs were not made for
  // any text (the caller shapes it then). Blanks are left as gaps.
  bool Layout(std::string_view text, qreal& width);

  // The glyphs of the text last laid out, where each starts from its origin and the
  // character each stands for.
  const QList<quint32>& Glyphs() const { return indexes_; }
  const QList<QPointF>& Positions() const { return positions_; }
  const std::vector<char32_t>& Codes() const { return codes_; }
  const QRawFont& RawFont() const { return raw_; }

 private:
  static constexpr char kFirst = ' ';
  static constexpr char kLast = '~';
  static constexpr std::size_t kCount = kLast - kFirst + 1;

  static std::size_t Index(char c) { return static_cast<std::size_t>(c - kFirst); }
  qreal Kerning(std::size_t left, std::size_t right);
  bool LayoutAny(std::string_view text, qreal& width);
  // A character outside printable ASCII: its glyph and advance, measured once.
  struct Other {
    quint32 glyph = 0;
    qreal advance = 0;
  };
  const Other& Measure(char32_t code);
  qreal OtherKerning(char32_t left, char32_t right);

  static QString Text(char32_t code) { return QString::fromUcs4(&code, 1); }

  QFontMetricsF metrics_;
  QRawFont raw_;
  std::array<quint32, kCount> glyphs_{};
  std::array<qreal, kCount> advances_{};
  std::vector<qreal> kerning_;  // per pair of characters; NaN until measured
  QList<quint32> indexes_;
  QList<QPointF> positions_;
  std::vector<char32_t> codes_;
  const bool anyText_;
  std::unordered_map<char32_t, Other> others_;
  std::unordered_map<std::uint64_t, qreal> otherKerning_;
};

}  // namespace vertal::reports
