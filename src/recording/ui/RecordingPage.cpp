#include "recording/ui/RecordingPage.h"

#include <QHeaderView>

#include "ui_common/GuardedCommand.h"

namespace vertal::recording {
namespace {

constexpr int kRowPadding = 6;

}  // namespace

RecordingPage::RecordingPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo)
    : QWidget(sheet), window_(window), goTo_(std::move(goTo)) {}

void RecordingPage::FileChanged() {
  Empty();
  stale_ = true;
  if (isVisible()) FillIfStale();
}

void RecordingPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FillIfStale();
}

void RecordingPage::FillIfStale() {
  const std::string path = window_.CurrentFile();
  if (!stale_ || path.empty()) return;
  stale_ = false;
  Fill(path);
}

QTableWidget* RecordingPage::MakeGrid(const char* name, const QString& accessibleName,
                                      const QStringList& headers, std::function<void(int)> chosen) {
  auto* grid = new QTableWidget(0, static_cast<int>(headers.size()), this);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setAccessibleName(accessibleName);
  grid->setHorizontalHeaderLabels(headers);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setTabKeyNavigation(false);  // Tab leaves the table for the next control
  grid->setFocusPolicy(Qt::StrongFocus);
  grid->verticalHeader()->setVisible(false);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + kRowPadding);
  grid->setAlternatingRowColors(true);
  connect(grid, &QAbstractItemView::activated, this, [this, chosen](const QModelIndex& index) {
    ui::RunGuarded(window_.host(), [&] { chosen(index.row()); });
  });
  return grid;
}

}  // namespace vertal::recording
