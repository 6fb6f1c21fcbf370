#include "app/ui/ReadoutWindowView.h"

#include "common/ui/UiText.h"

namespace vertal::app {

namespace {

constexpr std::chrono::milliseconds kReadoutRepaintInterval{33};
constexpr QRgb kSilver = 0xC0C0C0;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kYellow = 0xFFFF00;

}  // namespace

void StatusBarView::SetStatusText(std::string_view text) {
  window_.SetStatusText(ui::PageWindow::kStatusPanel, ui::ToQString(text));
  changed_ = true;
}

void StatusBarView::SetStatusColour(link::StatusColour colour) {
  const QColor color = Color(colour);
  // The pages repeat their colour at every page.
  if (color == window_.StatusColor()) return;
  window_.SetStatusColor(color);
  changed_ = true;
}

void StatusBarView::Repaint() {
  const Clock::time_point now = Clock::now();
  if (!changed_ && lastRepaint_ && now - *lastRepaint_ < kReadoutRepaintInterval) return;
  window_.host().RepaintNow();
  changed_ = false;
  lastRepaint_ = Clock::now();
}

QColor StatusBarView::Color(link::StatusColour colour) const {
  switch (colour) {
    case link::StatusColour::Silver:
      return QColor(kSilver);
    case link::StatusColour::Red:
      return QColor(kRed);
    case link::StatusColour::Yellow:
      return QColor(kYellow);
    case link::StatusColour::ButtonFace:
      break;
  }
  return window_.ButtonFaceColor();
}

}  // namespace vertal::app
