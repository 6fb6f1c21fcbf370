#include "events/ui/OverloadPage.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <variant>

#include "dump/core/DumpLayout.h"
#include "events/ui/EventPageParts.h"
#include "frames/core/FrameSearch.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/ModelWidgets.h"
#include "records/ui/PagedTableView.h"
#include "common/ui/ShownPass.h"

namespace vertal::events {

namespace {

constexpr QSize kCell(69, 17);
constexpr int kThresholdLength = 3;
constexpr int kThresholdWidth = 36;
constexpr int kResultListWidth = 200;  // "2599-й кадр, дата 20.09.08"
constexpr int kProgressMaximum = static_cast<int>(dump::kOverloadRecords.count);


ui::PagedTableSetup OverloadTableSetup() {
  ui::PagedTableSetup setup;
  setup.layout = &OverloadTableLayout();
  setup.rows = kOverloadRowCaptions;
  setup.captionPanel = "PCikl_b";
  setup.scrollBar = "ScrollBar_Per";
  setup.countCaption = "Label_OTBOR";
  setup.count = "Label_Per_OtbZap";
  setup.captionPanelWidth = kEventCaptionPanelWidth;
  setup.cell = kCell;
  setup.framed = false;
  setup.accessibleName = QStringLiteral("Перегрузки");
  return setup;
}

}  // namespace

OverloadPage::OverloadPage(QWidget* sheet, PageWindow& window) : QWidget(sheet), window_(window) {
  setObjectName(QStringLiteral("OverloadPage"));
  QVBoxLayout* page = FillSheet(sheet, this);

  auto* area = new QFrame(this);
  area->setObjectName(QStringLiteral("Panel_Cicl"));
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  table = new PagedTableView(OverloadTableSetup(), window, area);
  grid_ = table->Grid();
  scrollBar_ = table->ScrollBar();
  recordCount_ = table->Count();
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch(1);
  page->addWidget(area);

  page->addWidget(BuildSearchGroup());
  searchSummary_ = MakeSummary(this, "Label_MaxM1");
  page->addWidget(searchSummary_);
  page->addStretch(1);

  ui::ConnectCommand(scrollBar_, &QScrollBar::valueChanged, this, window_.host(), &OverloadPage::OnTableScrolled);
  ui::ConnectCommand(foundRecords_, &JumpListCombo::Chosen, this, window_.host(), &OverloadPage::OnFoundRecordChosen);
  ui::ConnectCommand(searchButton_, &QPushButton::clicked, this, window_.host(), &OverloadPage::OnOverloadSearch);
}

QGroupBox* OverloadPage::BuildSearchGroup() {
  const OverloadFields defaults;
  SearchGroup group(this, "GroupBox3");
  loadThreshold_ = group.AddField("Label184", "Загрузка M% > ", "Edit_Per_M", defaults.threshold,
                              kThresholdLength, kThresholdWidth);
  fromDate_ =
      group.AddDateField("Label185", "Дата перегрузки с", "Edit_Per_Data0", defaults.from);
  toDate_ = group.AddDateField("Label186", "по ", "Edit_Per_Data1", defaults.to);
  foundRecords_ = group.AddResultList("GroupBox13", "ComboBox_Per", kResultListWidth);
  searchButton_ = group.AddFindButton("BitBtn_Find_Per");
  return group.Finish();
}

// --- Handlers ---

void OverloadPage::OnTableScrolled() {
  table->ShowPage();
}

void OverloadPage::OnFoundRecordChosen() {
  table->JumpTo(*foundRecords_);
}

OverloadFields OverloadPage::Typed() const {
  return {loadThreshold_->text().toStdString(), fromDate_->text().toStdString(),
          toDate_->text().toStdString()};
}

void OverloadPage::OnOverloadSearch() {
  const std::string path = window_.CurrentFile();
  if (path.empty()) return;
  ui::ShownPass pass(window_, SearchDisplay());
  const PassResult<OverloadSearchModel> result =
      RunOverloadSearch(path, Typed(), window_.host(), pass.Hooks([this] { ClearSearch(); }));
  ShowSearch(result);
  if (searched) searched(path, result);
  pass.End(result.end);
}

ui::PassDisplay OverloadPage::SearchDisplay() {
  return {frames::kSearchRunningText, frames::kSearchDoneText, kProgressMaximum, {}, false};
}

void OverloadPage::ClearSearch() {
  ui::ShowModel(this, OverloadSearchModel{});
}

void OverloadPage::ShowSearch(const PassResult<OverloadSearchModel>& result) {
  if (result.end != PassEnd::Refused) ui::ShowModel(this, result.model);
}

// --- Opening and resetting ---

void OverloadPage::ShowTable(const records::TablePage& page) {
  table->Show(page);
}

void OverloadPage::ResetTable() {
  table->Clear();
}

}  // namespace vertal::events
