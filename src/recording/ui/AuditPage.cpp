#include "recording/ui/AuditPage.h"

#include <QHeaderView>
#include <QStyle>
#include <QVBoxLayout>

#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "common/ui/UiText.h"
#include "recording/core/RecordingPages.h"

namespace vertal::recording {
namespace {

constexpr int kSpacing = 4;
enum Column { kSeverityColumn, kTextColumn, kFrameColumn };

QIcon SeverityIcon(const QStyle* style, Severity severity) {
  switch (severity) {
    case Severity::Info: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    case Severity::Warning: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case Severity::Error: return style->standardIcon(QStyle::SP_MessageBoxCritical);
  }
  return {};
}

}  // namespace

AuditPage::AuditPage(QWidget* sheet, ui::PageWindow& window, GoToFrame goTo)
    : RecordingPage(sheet, window, std::move(goTo)) {
  setObjectName(QStringLiteral("AuditPage"));
  QVBoxLayout* column = ui::FillSheet(sheet, this, kSpacing);
  grid_ = MakeGrid("Grid_Audit", QStringLiteral("Проверка записи"), kAuditColumnCaptions,
                   [this](int row) { OnFindingChosen(row); });
  QHeaderView* header = grid_->horizontalHeader();
  header->setSectionResizeMode(kSeverityColumn, QHeaderView::ResizeToContents);
  header->setSectionResizeMode(kTextColumn, QHeaderView::Stretch);
  header->setSectionResizeMode(kFrameColumn, QHeaderView::ResizeToContents);
  grid_->setWordWrap(true);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  column->addWidget(grid_, 1);
}

void AuditPage::OnFindingChosen(int row) {
  if (row < 0 || row >= static_cast<int>(frames_.size())) return;
  if (const auto& frame = frames_[static_cast<std::size_t>(row)]) GoTo(*frame);
}

void AuditPage::Fill(const std::string& path) {
  Show(RunRecordingAudit(path, Window().host()).model);
}

void AuditPage::Empty() {
  Show({});
}

void AuditPage::Show(const AuditModel& audit) {
  ui::ShowModel(this, audit);
  frames_.clear();
  const std::vector<Finding>& findings = audit.report.findings;
  for (std::size_t i = 0; i < findings.size(); ++i) {
    grid_->item(static_cast<int>(i), kSeverityColumn)
        ->setIcon(SeverityIcon(style(), findings[i].severity));
    frames_.push_back(findings[i].frame);
  }
  if (!findings.empty()) grid_->setCurrentCell(0, kSeverityColumn);
}

}  // namespace vertal::recording
