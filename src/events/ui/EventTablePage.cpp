#include "events/ui/EventTablePage.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"
#include "events/ui/EventPageParts.h"
#include "records/ui/PagedTableView.h"

namespace vertal::events {

EventTableFrame::EventTableFrame(QWidget* sheet, ui::PageWindow& window, const char* pageName,
                                 const char* areaName, const ui::PagedTableSetup& setup)
    : QWidget(sheet), window_(window) {
  setObjectName(QString::fromLatin1(pageName));
  parts_ = FillSheet(sheet, this);

  auto* area = new QFrame(this);
  area->setObjectName(QString::fromLatin1(areaName));
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  table = new ui::PagedTableView(setup, window, area);
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch(1);
  parts_->addWidget(area);
  ui::ConnectCommand(table->ScrollBar(), &QScrollBar::valueChanged, this, window_.host(),
                     &EventTableFrame::OnTableScrolled);
}

void EventTableFrame::AddPart(QWidget* part) {
  parts_->addWidget(part);
}

void EventTableFrame::Finish(QGroupBox* search, ui::JumpListCombo* results,
                             const char* summaryName) {
  results_ = results;
  parts_->addWidget(search);
  parts_->addWidget(MakeSummary(this, summaryName));
  parts_->addStretch(1);
  ui::ConnectCommand(results_, &ui::JumpListCombo::Chosen, this, window_.host(),
                     &EventTableFrame::OnFoundRecordChosen);
}

void EventTableFrame::OnTableScrolled() {
  table->ShowPage();
}

void EventTableFrame::OnFoundRecordChosen() {
  table->JumpTo(*results_);
}

void EventTableFrame::ShowTable(const records::TablePage& page) {
  table->Show(page);
}

void EventTableFrame::ResetTable() {
  table->Clear();
}

}  // namespace vertal::events
