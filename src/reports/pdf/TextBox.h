#pragma once
// A report's fonts on a device and where a line of text sits in its box: shared by the painter
// (preview, printing) and the PDF writer, so that both put every text in the same place.

#include <QFont>
#include <QFontMetricsF>

#include "reports/core/ReportLayout.h"

class QPaintDevice;

namespace vertal::reports {

// Font sizes and rule widths are given in pixels of a 96-dpi screen; a point is 1/72 inch.
inline constexpr double kScreenDpi = 96.0;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kMmPerInch = 25.4;

// The report's font as drawn on `device`.
QFont DeviceQFont(const Font& font, const QPaintDevice& device);

// The baseline of a line of a font `fontHeight` high with `ascent` above its baseline,
// centred vertically in a box from `top`, `height` high.
inline qreal TextBaseline(qreal fontHeight, qreal ascent, qreal top, qreal height) {
  return top + (height - fontHeight) / 2 + ascent;
}

// Where a text of width `advance` starts in a box from `left`, `width` wide.
inline qreal AlignedLeft(Align align, qreal left, qreal width, qreal advance) {
  if (align == Align::Center) return left + (width - advance) / 2;
  if (align == Align::Right) return left + width - advance;
  return left;
}

}  // namespace vertal::reports
