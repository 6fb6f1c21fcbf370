#pragma once
// "Файл" → "История крана…": a folder chosen in the folder dialog, the history of the current
// file's crane read from the dump files in it (the files read on every processor, the progress
// bar counting them), and the page "История крана" showing it. From the page a reading is
// opened as the Open command opens a file, and the crane's history is printed through the
// print preview.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "common/core/Host.h"
#include "common/ui/PageWindow.h"
#include "reports/core/ReportSequence.h"

class QWidget;

namespace vertal::history {
struct CraneHistory;
}  // namespace vertal::history

namespace vertal::app {

class PageTree;

class HistoryCommand : public QObject {
  Q_OBJECT

 public:
  using OpenFile = std::function<void(const std::string& path)>;

  HistoryCommand(QWidget* window, ui::PageWindow& shown, PageTree& pages, OpenFile openFile);
  ~HistoryCommand() override;

  void OnHistory();

  const FileDialogSetup& FolderDialog() const { return folderDialog_; }

  // Where the crane's report is shown: the print preview; tests put a recording viewer here.
  reports::ReportViewer* viewer = nullptr;

 private:
  ui::PageWindow& shown_;
  PageTree& pages_;
  std::unique_ptr<reports::ReportViewer> preview_;
  // Starts in the current file's folder, then in the folder chosen last.
  FileDialogSetup folderDialog_;
};

}  // namespace vertal::app
