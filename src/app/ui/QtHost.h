#pragma once
// The Host of the real program: modal message boxes and file dialogs over the main window,
// and an immediate repaint of what a long operation changes while it runs.

#include <QPointer>
#include <QStringList>
#include <vector>

#include "common/core/Host.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace vertal::app {

class QtHost final : public Host {
 public:
  // The window the boxes belong to and that `RepaintNow` repaints; may be set later.
  explicit QtHost(QWidget* window = nullptr) : window_(window) {}
  void SetWindow(QWidget* window) { window_ = window; }
  // The widgets of one window that a long operation changes while it runs (status and progress
  // bars): once set, `RepaintNow` repaints only them, together with whatever else already
  // awaits painting.
  void SetRepainted(const std::vector<QWidget*>& widgets);

  void ShowMessage(const Message& message) override;
  std::optional<std::string> ChooseOpenFile(const FileDialogSetup& setup) override;
  std::optional<std::string> ChooseSaveFile(const FileDialogSetup& setup) override;
  std::optional<std::string> ChooseFolder(const FileDialogSetup& setup) override;
  void RepaintNow() override;

 private:
  QPointer<QWidget> window_;
  std::vector<QPointer<QWidget>> repainted_;
};

// How a dialog is set up, kept apart from showing it so that it can be checked without a
// modal loop.
void ConfigureMessageBox(QMessageBox& box, const Message& message);
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSetup& setup);
void ConfigureFolderDialog(QFileDialog& dialog, const FileDialogSetup& setup);
// The dialog's filter strings, one per filter: the description as written, matching by the
// filter's pattern ("*.*" matches every file, with or without a dot).
QStringList NameFilters(const FileDialogSetup& setup);

}  // namespace vertal::app
