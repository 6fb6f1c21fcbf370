#include "reports/pdf/TextBox.h"

#include <QPaintDevice>

namespace vertal::reports {
namespace {

constexpr double kPointsPerPx = kPointsPerInch / kScreenDpi;
// The family that fonts-liberation2 (and every Windows system) resolves to the reports' face.
const char* const kFontFamily = "Arial";

}  // namespace

QFont DeviceQFont(const Font& font, const QPaintDevice& device) {
  QFont qfont(QString::fromLatin1(kFontFamily));
  qfont.setPointSizeF(font.sizePx * kPointsPerPx);
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setWordSpacing(font.blankExtra * font.sizePx * kPointsPerPx / kPointsPerInch *
                       device.logicalDpiX());
  return qfont;
}

}  // namespace vertal::reports
