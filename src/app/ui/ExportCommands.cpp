#include "app/ui/ExportCommands.h"

#include <QWidget>
#include <filesystem>

#include "export/core/ExportCommand.h"

namespace vertal::app {

namespace {

using exporting::TableKind;

constexpr std::string_view kDialogTitle = "Экспорт в CSV";
constexpr std::string_view kCsvExtension = "csv";

// The save dialog, proposing "<dump>-<table>.csv" beside the dump.
FileDialogSetup SaveDialog(const std::string& dump, TableKind kind) {
  const std::filesystem::path path(dump);
  FileDialogSetup setup;
  setup.title = std::string(kDialogTitle);
  setup.filters = {{"Файлы CSV (*.csv)", "*.csv"}, {"Все файлы (*.*)", "*.*"}};
  setup.defaultExtension = std::string(kCsvExtension);
  setup.initialDirectory = path.parent_path().string();
  setup.fileName = path.stem().string() + "-" +
                   std::string(exporting::kTableKindNames[static_cast<std::size_t>(kind)]) + "." +
                   std::string(kCsvExtension);
  return setup;
}

}  // namespace

ExportCommands::ExportCommands(QWidget* window, const TableCommandInputs& inputs)
    : QObject(window), window_(window), inputs_(inputs) {
  askChoice = [this] { return AskExportChoice(window_, inputs_.Window().host()); };
}

void ExportCommands::OnExport() {
  if (!inputs_.HasFile()) return;
  const std::optional<ExportChoice> choice = askChoice();
  if (!choice) return;
  std::optional<TableInputs> inputs = inputs_.Gather(NeedsOf(choice->kind), choice->range);
  if (!inputs) return;
  const exporting::TableSources sources = ExportSourcesOf(std::move(*inputs));
  ui::PageWindow& window = inputs_.Window();
  const std::optional<std::string> target =
      window.host().ChooseSaveFile(SaveDialog(sources.file.Path(), choice->kind));
  if (!target) return;
  exporting::ExportTable(choice->kind, sources, SpreadsheetDialect(window.DecimalSeparator()),
                         *target, window.host());
}

}  // namespace vertal::app
