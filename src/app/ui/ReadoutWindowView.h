#pragma once
// What a readout shows in the main window: its status texts and colours in the status bar, its
// progress in the progress bar, and the operator's dialog.

#include <QColor>
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

#include "link/core/Readout.h"
#include "link/ui/OperatorDialog.h"
#include "common/ui/PageWindow.h"

namespace vertal::app {

// A repaint of the whole window costs more than reading a page, so between status changes the
// window is repainted at most about thirty times a second; a new status is always shown at once.
class StatusBarView final : public link::ReadoutView {
 public:
  explicit StatusBarView(ui::PageWindow& window) : window_(window) {}
  void SetStatusText(std::string_view text) override;
  void SetStatusColour(link::StatusColour colour) override;
  void SetProgressMaximum(int maximum) override { window_.SetProgressMaximum(maximum); }
  void SetProgressPosition(int position) override { window_.SetProgress(position); }
  void Repaint() override;

 private:
  using Clock = std::chrono::steady_clock;

  QColor Color(link::StatusColour colour) const;

  ui::PageWindow& window_;
  bool changed_ = false;
  std::optional<Clock::time_point> lastRepaint_;
};

using OperatorDialogRun = std::function<bool(link::CraneIdentBuffer&, link::TrailerBuffer&)>;

// The window's operator dialog, as the readout asks for it.
class HookedOperatorDialog final : public link::OperatorDialog {
 public:
  explicit HookedOperatorDialog(const OperatorDialogRun& run) : run_(run) {}
  bool Run(link::CraneIdentBuffer& craneIdent, link::TrailerBuffer& trailer) override {
    return run_(craneIdent, trailer);
  }

 private:
  const OperatorDialogRun& run_;
};

}  // namespace vertal::app
