#pragma once
// "Файл" → "Экспорт в CSV…": the export dialog, the searches that the chosen table needs (run
// as "Найти" runs them when none has run over the current file), the save dialog, and the
// table written in the spreadsheet dialect of the user's locale. Nothing happens while no file
// is current.

#include <QObject>
#include <functional>
#include <optional>

#include "app/ui/ExportDialog.h"
#include "app/ui/TableCommandInputs.h"

class QWidget;

namespace vertal::app {

class ExportCommands : public QObject {
  Q_OBJECT

 public:
  ExportCommands(QWidget* window, const TableCommandInputs& inputs);

  void OnExport();

  // The export dialog: the accepted choice, or nothing when it was cancelled. Tests answer it
  // without showing it.
  std::function<std::optional<ExportChoice>()> askChoice;

 private:
  QWidget* window_;
  TableCommandInputs inputs_;
};

}  // namespace vertal::app
