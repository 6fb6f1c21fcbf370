#pragma once
// A page that analyses the whole current file when it is first shown for that file: the
// analysis takes a pass over the recording, so opening a file only marks it stale.

#include <QTableWidget>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "common/ui/PageWindow.h"

namespace vertal::recording {

class RecordingPage : public QWidget {
  Q_OBJECT

 public:
  // Moves the frame table (and what follows it) to a frame.
  using GoToFrame = std::function<void(std::int64_t)>;

  RecordingPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo);

  // Another file is current, or none: the page is emptied and analyses the file when shown.
  void FileChanged();
  // The current file could not be read: the page is emptied and, as Open has said why, it
  // tries the file only when next shown.
  void FileUnreadable();

 protected:
  void showEvent(QShowEvent* event) override;
  // Fills the page from the file at `path`.
  virtual void Fill(const std::string& path) = 0;
  virtual void Empty() = 0;

  // A read-only table for the page: whole rows chosen, reached by Tab, chosen by Enter or a
  // double click (which call `chosen` with the row).
  QTableWidget* MakeGrid(const char* name, const QString& accessibleName,
                         std::span<const std::string_view> captions,
                         std::function<void(int)> chosen);
  void GoTo(std::int64_t frame) const { goTo_(frame); }
  ui::PageWindow& Window() const { return window_; }

 private:
  void FillIfStale();

  ui::PageWindow& window_;
  GoToFrame goTo_;
  bool stale_ = true;
};

}  // namespace vertal::recording
