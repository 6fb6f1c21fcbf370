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
  StringGrid_Per_Otb = table->Grid();
  ScrollBar_Per = table->ScrollBar();
  Label_Per_OtbZap = table->Count();
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch(1);
  page->addWidget(area);

  page->addWidget(BuildSearchGroup());
  Label_MaxM1 = MakeSummary(this, "Label_MaxM1");
  page->addWidget(Label_MaxM1);
  page->addStretch(1);

  ui::ConnectCommand(ScrollBar_Per, &QScrollBar::valueChanged, this, window_.host(), &OverloadPage::ScrollBar_PerChange);
  ui::ConnectCommand(ComboBox_Per, &JumpListCombo::Chosen, this, window_.host(), &OverloadPage::ComboBox_PerChange);
  ui::ConnectCommand(BitBtn_Find_Per, &QPushButton::clicked, this, window_.host(), &OverloadPage::BitBtn_Find_PerClick);
}

QGroupBox* OverloadPage::BuildSearchGroup() {
  const OverloadFields defaults;
  SearchGroup group(this, "GroupBox3");
  Edit_Per_M = group.AddField("Label184", "Загрузка M% > ", "Edit_Per_M", defaults.threshold,
                              kThresholdLength, kThresholdWidth);
  Edit_Per_Data0 =
      group.AddDateField("Label185", "Дата перегрузки с", "Edit_Per_Data0", defaults.from);
  Edit_Per_Data1 = group.AddDateField("Label186", "по ", "Edit_Per_Data1", defaults.to);
  ComboBox_Per = group.AddResultList("GroupBox13", "ComboBox_Per", kResultListWidth);
  BitBtn_Find_Per = group.AddFindButton("BitBtn_Find_Per");
  return group.Finish();
}

// --- Handlers ---

void OverloadPage::ScrollBar_PerChange() {
  table->ShowPage();
}

void OverloadPage::ComboBox_PerChange() {
  table->JumpTo(*ComboBox_Per);
}

OverloadFields OverloadPage::Typed() const {
  return {Edit_Per_M->text().toStdString(), Edit_Per_Data0->text().toStdString(),
          Edit_Per_Data1->text().toStdString()};
}

void OverloadPage::BitBtn_Find_PerClick() {
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
