#pragma once
// What a page of the window reaches in the main window: the current file, the host for its
// message boxes, the status bar and the progress bar. The main window implements it; a page
// never reaches further into the window.

#include <QColor>
#include <QString>
#include <string>

#include "common/core/Host.h"

namespace vertal::ui {

class PageWindow {
 public:
  static constexpr int kPathPanel = 0;    // the path of the current file
  static constexpr int kStatusPanel = 1;  // the status message

  virtual ~PageWindow() = default;

  // The path of the current file (the open document); empty while no file is current.
  virtual std::string CurrentFile() const = 0;
  // The decimal separator of the user's regional settings.
  virtual std::string DecimalSeparator() const = 0;
  virtual Host& host() = 0;

  virtual QString StatusText(int panel) const = 0;
  virtual void SetStatusText(int panel, const QString& text) = 0;
  virtual QColor StatusColor() const = 0;
  virtual void SetStatusColor(const QColor& color) = 0;
  // The system's button-face colour, the status bar's colour at rest.
  virtual QColor ButtonFaceColor() const = 0;
  virtual void SetProgress(int position) = 0;
  virtual void SetProgressMaximum(int maximum) = 0;
};

}  // namespace vertal::ui
