#include "app/ui/ExportCommands.h"

#include <QWidget>
#include <filesystem>

#include "app/ui/PageTree.h"
#include "app/ui/SearchedRecords.h"
#include "dump/core/RecordAccess.h"
#include "events/ui/KdsPage.h"
#include "events/ui/OverloadPage.h"
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

ExportCommands::ExportCommands(QWidget* window, ui::PageWindow& pageWindow, PageTree& pages,
                               std::function<std::int8_t()> recorderVersion)
    : QObject(window),
      window_(window),
      pageWindow_(pageWindow),
      pages_(pages),
      recorderVersion_(std::move(recorderVersion)) {
  askChoice = [this] { return AskExportChoice(window_, pageWindow_.host()); };
}

std::optional<exporting::TableSources> ExportCommands::Sources(const ExportChoice& choice) {
  exporting::TableSources sources;
  sources.path = pageWindow_.CurrentFile();
  sources.range = choice.range;
  const std::int8_t version = recorderVersion_();
  sources.shown = {pages_.ShownService(), version, pages_.Overloads().ShownSummary(),
                   pages_.Kds().ShownSummary()};
  if (choice.kind == TableKind::Overloads) {
    auto records = SearchedOverloads(pages_);
    if (!records) return std::nullopt;
    sources.overloadRecords = std::move(*records);
  }
  if (choice.kind == TableKind::Kds && events::KdsRecordsKept(version)) {
    auto records = SearchedKds(pages_);
    if (!records) return std::nullopt;
    sources.kdsRecords = std::move(*records);
  }
  if (choice.kind == TableKind::Episodes) {
    // The lists as the page shows them, read again from the file like every command's data.
    auto scanned = frames::ScanRecordingPeriod(sources.path);
    if (!scanned) {
      dump::ReportUnreadable(pageWindow_.host());
      return std::nullopt;
    }
    sources.episodes = frames::PresentPeriodScan(std::move(*scanned));
  }
  return sources;
}

void ExportCommands::N_EXPORTClick() {
  if (pageWindow_.CurrentFile().empty()) return;
  const std::optional<ExportChoice> choice = askChoice();
  if (!choice) return;
  const std::optional<exporting::TableSources> sources = Sources(*choice);
  if (!sources) return;
  Host& host = pageWindow_.host();
  const std::optional<std::string> target = host.ChooseSaveFile(SaveDialog(sources->path, choice->kind));
  if (!target) return;
  exporting::ExportTable(choice->kind, *sources,
                         SpreadsheetDialect(pageWindow_.DecimalSeparator()), *target, host);
}

}  // namespace vertal::app
