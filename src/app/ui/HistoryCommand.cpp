#include "app/ui/HistoryCommand.h"

#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "app/ui/PageTree.h"
#include "common/ui/ShownPass.h"
#include "history/core/CraneHistoryPage.h"
#include "history/ui/HistoryPage.h"
#include "reports/core/HistoryReport.h"
#include "reports/ui/ReportPreview.h"

namespace vertal::app {

namespace {
constexpr int kSearchingMaximum = 1;
}  // namespace

HistoryCommand::HistoryCommand(QWidget* window, ui::PageWindow& shown, PageTree& pages,
                               OpenFile openFile)
    : QObject(window),
      shown_(shown),
      pages_(pages),
      preview_(std::make_unique<reports::PreviewViewer>(window, shown.host())) {
  viewer = preview_.get();
  folderDialog_.title = history::kHistoryFolderTitle;
  history::HistoryPage& page = pages_.History();
  page.openReading = std::move(openFile);
  // The crane's pages of the fleet report.
  page.printHistory = [this](const history::CraneHistory& crane) {
    viewer->Show(reports::CraneHistoryReport(crane, shown_.DecimalSeparator()));
  };
}

HistoryCommand::~HistoryCommand() = default;

void HistoryCommand::OnHistory() {
  Host& host = shown_.host();
  const std::string current = shown_.CurrentFile().Path();
  if (current.empty()) {
    ShowPlain(host, std::string(history::kNoFileForHistoryText));
    return;
  }
  if (folderDialog_.initialDirectory.empty())
    folderDialog_.initialDirectory = std::filesystem::path(current).parent_path().string();
  const std::optional<std::string> folder = host.ChooseFolder(folderDialog_);
  if (!folder) return;
  folderDialog_.initialDirectory = *folder;

  // The bar stays empty while the folder is searched through, and is not left running when
  // the history cannot be built.
  const ui::PassDisplay display{history::kHistoryRunningText, history::kHistoryDoneText,
                                kSearchingMaximum, std::nullopt};
  ui::ShownPass pass(shown_, display);
  PassHooks hooks = pass.Hooks();
  // The bar's length is the number of files, known once the folder has been searched through.
  const ProgressSink counted = hooks.progress;
  hooks.progress = [this, counted](std::int64_t done, std::int64_t total) {
    if (total > 0) shown_.SetProgressMaximum(static_cast<int>(total));
    counted(done, total);
  };
  const unsigned jobs = std::max(1U, std::thread::hardware_concurrency());
  std::optional<history::HistoryPageModel> model = history::CraneHistoryOfFile(
      current, *folder, jobs, host, shown_.DecimalSeparator(), hooks);
  pass.End(model ? PassEnd::Done : PassEnd::Unreadable);
  shown_.SetProgress(0);
  // The box has said why; the bar does not go on saying that the readings are being read.
  if (!model) shown_.SetStatusText(ui::PageWindow::kStatusPanel, QString());
  if (model) pages_.ShowHistory(std::move(*model));
}

}  // namespace vertal::app
