#pragma once
// "Файл" → "Экспорт в CSV…": the export dialog, the searches that the chosen table needs (run
// as "Найти" runs them when none has run over the current file), the save dialog, and the
// table written in the spreadsheet dialect of the user's locale. Nothing happens while no file
// is current.

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/ui/ExportDialog.h"
#include "ui_common/PageWindow.h"

class QWidget;

namespace vertal::app {

class PageTree;

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  ExportCommands(QWidget* window, ui::PageWindow& pageWindow, PageTree& pages,
                 std::function<std::int8_t()> recorderVersion);

  void N_EXPORTClick();

  // The export dialog: the accepted choice, or nothing when it was cancelled. Tests answer it
  // without showing it.
  std::function<std::optional<ExportChoice>()> askChoice;

 private:
  // The table's sources as the window shows them; nothing when a search or the scan that it
  // needs was refused or could not read the file (it said why).
  std::optional<exporting::TableSources> Sources(const ExportChoice& choice);

  QWidget* window_;
  ui::PageWindow& pageWindow_;
  PageTree& pages_;
  std::function<std::int8_t()> recorderVersion_;
};

}  // namespace vertal::app
