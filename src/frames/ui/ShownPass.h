#pragma once
// A pass over the current file as the window shows it: a status text while it runs, the
// progress bar advanced when the pass reports (every few thousand records) and the window
// repainted then, at most about thirty times a second; a message box when the file cannot be
// opened, and a closing status text.
// The period scan and the three searches run this way.

#include <QColor>
#include <functional>
#include <optional>
#include <string_view>

#include "common/core/ProgressSink.h"
#include "frames/ui/PageWindow.h"

namespace vertal::frames {

struct PassDisplay {
  std::string_view runningText;  // status panel 1 while the pass runs
  std::string_view doneText;     // status panel 1 after it
  int progressMaximum = 0;
  // The status bar's colour while the pass runs; it returns to the button face after it.
  std::optional<QColor> colour;
  // When the file cannot be opened: put the status text and colour back as they were before
  // the pass, rather than leave them at their running state.
  bool restoreOnFailure = false;
};

// Runs `pass`, which returns false when the file could not be opened; that is reported once
// with the open-failure box. Returns what `pass` returned.
bool RunShownPass(PageWindow& window, const PassDisplay& display,
                  const std::function<bool(const ProgressSink&)>& pass);

}  // namespace vertal::frames
