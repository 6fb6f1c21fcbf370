#include "frames/ui/ShownPass.h"

#include <chrono>

#include "dump/core/RecordAccess.h"
#include "frames/ui/PageStyle.h"

namespace vertal::frames {

namespace {
constexpr std::chrono::milliseconds kRepaintInterval{33};
}  // namespace

bool RunShownPass(PageWindow& window, const PassDisplay& display,
                  const std::function<bool(const ProgressSink&)>& pass) {
  constexpr int kStatus = PageWindow::kStatusPanel;
  const QString textBefore = window.StatusText(kStatus);
  const QColor colourBefore = window.StatusColor();
  if (display.colour) window.SetStatusColor(*display.colour);
  window.SetStatusText(kStatus, Text(display.runningText));
  window.SetProgressMaximum(display.progressMaximum);

  // The window is repainted at the first report, so that the running status shows, and then
  // at most about thirty times a second. The bar is set only then: it repaints itself whenever
  // its value changes, and a repaint costs more than reading a block.
  using Clock = std::chrono::steady_clock;
  std::optional<Clock::time_point> lastRepaint;
  const ProgressSink progress = [&window, &lastRepaint](std::int64_t done, std::int64_t) {
    const Clock::time_point now = Clock::now();
    if (lastRepaint && now - *lastRepaint < kRepaintInterval) return;
    window.SetProgress(static_cast<int>(done));
    window.host().RepaintNow();
    lastRepaint = Clock::now();
  };
  if (!pass(progress)) {
    window.host().ShowMessage({MessageKind::Error, std::string(dump::kOpenFailedText)});
    if (display.restoreOnFailure) {
      window.SetStatusColor(colourBefore);
      window.SetStatusText(kStatus, textBefore);
    }
    return false;
  }
  window.SetProgress(0);
  window.SetStatusText(kStatus, Text(display.doneText));
  if (display.colour) window.SetStatusColor(window.ButtonFaceColor());
  return true;
}

}  // namespace vertal::frames
