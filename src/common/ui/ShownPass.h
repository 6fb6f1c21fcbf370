#pragma once
// A pass over the current file as the window shows it: a status text while it runs, the
// progress bar advanced when the pass reports (every few thousand records) and the host asked
// to repaint then (the real one repaints the status and progress bars), at most about thirty
// times a second, and a closing status text. The core
// action reports a file that cannot be opened; the period scan and the three searches run
// this way.

#include <QColor>
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

#include "common/core/ProgressSink.h"
#include "common/ui/PageWindow.h"

namespace vertal::ui {

struct PassDisplay {
  std::string_view runningText;  // status panel 1 while the pass runs
  std::string_view doneText;     // status panel 1 after it
  int progressMaximum = 0;
  // The status bar's colour while the pass runs; it returns to the button face after it.
  std::optional<QColor> colour;
};

class ShownPass {
 public:
  ShownPass(PageWindow& window, const PassDisplay& display) : window_(window), display_(display) {}
  ShownPass(const ShownPass&) = delete;
  ShownPass& operator=(const ShownPass&) = delete;

  // What to hand to the core action; valid while this object lives. `atBegin` runs as the
  // pass begins, before the running status shows (a page empties its result list there).
  PassHooks Hooks(std::function<void()> atBegin = {});
  // The closing status when the pass went through; a pass that could not read the file leaves
  // its running status, as the file's message box has said why.
  void End(PassEnd end);

 private:
  void Begin();
  void Progress(std::int64_t done);

  PageWindow& window_;
  PassDisplay display_;
  bool begun_ = false;
  std::optional<std::chrono::steady_clock::time_point> lastRepaint_;
};

}  // namespace vertal::ui
