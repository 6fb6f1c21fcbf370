#include "frames/ui/ShownPass.h"

#include "dump/core/RecordAccess.h"
#include "frames/ui/PageStyle.h"

namespace vertal::frames {

bool RunShownPass(PageWindow& window, const PassDisplay& display,
                  const std::function<bool(const ProgressSink&)>& pass) {
  constexpr int kStatus = PageWindow::kStatusPanel;
  const QString textBefore = window.StatusText(kStatus);
  const QColor colourBefore = window.StatusColor();
  if (display.colour) window.SetStatusColor(*display.colour);
  window.SetStatusText(kStatus, Text(display.runningText));
  window.SetProgressMaximum(display.progressMaximum);

  const ProgressSink progress = [&window](std::int64_t done, std::int64_t) {
    window.SetProgress(static_cast<int>(done));
    window.host().RepaintNow();
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
