#include "common/ui/ShownPass.h"

#include "common/ui/UiText.h"

namespace vertal::ui {

namespace {
constexpr std::chrono::milliseconds kRepaintInterval{33};
constexpr int kStatus = PageWindow::kStatusPanel;
}  // namespace

PassHooks ShownPass::Hooks(std::function<void()> atBegin) {
  return {[this, atBegin = std::move(atBegin)] {
            if (atBegin) atBegin();
            Begin();
          },
          [this](std::int64_t done, std::int64_t) { Progress(done); }};
}

void ShownPass::Begin() {
  begun_ = true;
  if (display_.colour) window_.SetStatusColor(*display_.colour);
  window_.SetStatusText(kStatus, ToQString(display_.runningText));
  window_.SetProgressMaximum(display_.progressMaximum);
}

void ShownPass::Progress(std::int64_t done) {
  // The window is repainted at the first report, so that the running status shows, and then
  // at most about thirty times a second. The bar is set only then: it repaints itself whenever
  // its value changes, and a repaint costs more than reading a block.
  using Clock = std::chrono::steady_clock;
  const Clock::time_point now = Clock::now();
  if (lastRepaint_ && now - *lastRepaint_ < kRepaintInterval) return;
  window_.SetProgress(static_cast<int>(done));
  window_.host().RepaintNow();
  lastRepaint_ = Clock::now();
}

void ShownPass::End(PassEnd end) {
  if (!begun_ || end != PassEnd::Done) return;
  window_.SetProgress(0);
  window_.SetStatusText(kStatus, ToQString(display_.doneText));
  if (display_.colour) window_.SetStatusColor(window_.ButtonFaceColor());
}

}  // namespace vertal::ui
