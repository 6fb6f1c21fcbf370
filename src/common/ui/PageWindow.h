#pragma once
// What a page of the window reaches in the main window: the current file, the host for its
// message boxes, the status bar and the progress bar. The main window implements it; a page
// never reaches further into the window.

#include <QColor>
#include <QString>
#include <string>

#include "common/core/DumpSource.h"
#include "common/core/Host.h"

namespace vertal::ui {

class PageWindow {
 public:
  static constexpr int kPathPanel = 0;    // the path of the current file
  static constexpr int kStatusPanel = 1;  // the status message

  virtual ~PageWindow() = default;

  // The current file (the open document) as its readers take it; its path is empty while no
  // file is current.
  virtual DumpSource CurrentFile() const = 0;
  // The decimal separator of the user's regional settings.
  virtual std::string DecimalSeparator() const = 0;
  virtual Host& host() = 0;

  // The status bar is only written: what it shows is never read back to learn a state.
  virtual void SetStatusText(int panel, const QString& text) = 0;
  virtual void SetStatusColor(const QColor& color) = 0;
  // The system's button-face colour, the status bar's colour at rest.
  virtual QColor ButtonFaceColor() const = 0;
  virtual void SetProgress(int position) = 0;
  virtual void SetProgressMaximum(int maximum) = 0;
};

}  // namespace vertal::ui
