#include "recording/ui/RecordingPage.h"

#include "common/ui/GuardedCommand.h"
#include "common/ui/ListGrid.h"
#include "common/ui/UiText.h"

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

void RecordingPage::FileUnreadable() {
  Empty();
  stale_ = true;
}

void RecordingPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FillIfStale();
}

void RecordingPage::FillIfStale() {
  const std::string path = window_.CurrentFile().Path();
  if (!stale_ || path.empty()) return;
  stale_ = false;
  Fill(path);
}

QTableWidget* RecordingPage::MakeGrid(const char* name, const QString& accessibleName,
                                      std::span<const std::string_view> captions,
                                      std::function<void(int)> chosen) {
  QStringList headers;
  for (const std::string_view caption : captions) headers << ui::ToQString(caption);
  QTableWidget* grid = ui::MakeListGrid(this, name, accessibleName, headers, kRowPadding);
  grid->setFocusPolicy(Qt::StrongFocus);
  connect(grid, &QAbstractItemView::activated, this, [this, chosen](const QModelIndex& index) {
    ui::RunGuarded(window_.host(), [&] { chosen(index.row()); });
  });
  return grid;
}

}  // namespace vertal::recording
