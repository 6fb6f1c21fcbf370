#include "app/ui/QtHost.h"

#include <QFileDialog>
#include <QMessageBox>

#include "common/ui/UiText.h"

namespace vertal::app {

using ui::ToQString;
using ui::ToStdString;

namespace {

std::optional<std::string> Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return ToStdString(chosen.front());
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogSetup& setup,
                                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(mode);
  ConfigureFileDialog(dialog, setup);
  return Chosen(dialog);
}

}  // namespace

QStringList NameFilters(const FileDialogSetup& setup) {
  QStringList filters;
  for (const FileFilter& filter : setup.filters) {
    const QString pattern =
        filter.pattern == "*.*" ? QStringLiteral("*") : ToQString(filter.pattern);
    // The dialog hides the last parenthesised part, so the description shows as written.
    filters << ToQString(filter.description) + QStringLiteral(" (") + pattern + QStringLiteral(")");
  }
  return filters;
}

void ConfigureMessageBox(QMessageBox& box, const Message& message) {
  const bool error = message.kind == MessageKind::Error;
  box.setIcon(error ? QMessageBox::Critical : QMessageBox::NoIcon);
  // A box is a window of its own and does not take the main window's font by itself.
  if (box.parentWidget()) box.setFont(box.parentWidget()->window()->font());
  box.setWindowTitle(
      error ? QStringLiteral("Ошибка")
            : (box.parentWidget() ? box.parentWidget()->window()->windowTitle() : QString()));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(message.text));
  box.setStandardButtons(QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSetup& setup) {
  // The program's own dialog, so that filters and names behave the same on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  // An existing dump is replaced only after the user said so in the dialog's own question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  dialog.setFileMode(dialog.acceptMode() == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                                    : QFileDialog::AnyFile);
  if (!setup.title.empty()) dialog.setWindowTitle(ToQString(setup.title));
  const QStringList filters = NameFilters(setup);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) {
    const bool inRange = setup.filterIndex >= 1 && setup.filterIndex <= filters.size();
    dialog.selectNameFilter(filters.at(inRange ? setup.filterIndex - 1 : 0));
  }
  dialog.setDefaultSuffix(ToQString(setup.defaultExtension));
  if (!setup.initialDirectory.empty()) dialog.setDirectory(ToQString(setup.initialDirectory));
  if (!setup.fileName.empty()) dialog.selectFile(ToQString(setup.fileName));
}

void ConfigureFolderDialog(QFileDialog& dialog, const FileDialogSetup& setup) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (!setup.title.empty()) dialog.setWindowTitle(ToQString(setup.title));
  if (!setup.initialDirectory.empty()) dialog.setDirectory(ToQString(setup.initialDirectory));
}

void QtHost::ShowMessage(const Message& message) {
  QMessageBox box(window_);
  ConfigureMessageBox(box, message);
  box.exec();
}

std::optional<std::string> QtHost::ChooseOpenFile(const FileDialogSetup& setup) {
  return RunFileDialog(window_, setup, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtHost::ChooseSaveFile(const FileDialogSetup& setup) {
  return RunFileDialog(window_, setup, QFileDialog::AcceptSave);
}

std::optional<std::string> QtHost::ChooseFolder(const FileDialogSetup& setup) {
  QFileDialog dialog(window_);
  ConfigureFolderDialog(dialog, setup);
  return Chosen(dialog);
}

void QtHost::SetRepainted(const std::vector<QWidget*>& widgets) {
  repainted_.assign(widgets.begin(), widgets.end());
}

void QtHost::RepaintNow() {
  if (repainted_.empty()) {
    if (window_) window_->repaint();
    return;
  }
  // One repaint paints them all: each widget's own repaint would paint the window's waiting
  // changes once more.
  QWidget* last = nullptr;
  for (const QPointer<QWidget>& widget : repainted_) {
    if (!widget || !widget->isVisible()) continue;
    widget->update();
    last = widget;
  }
  if (last) last->repaint();
}

}  // namespace vertal::app
