#include "events/ui/OverloadPage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "dump/core/DumpLayout.h"
#include "events/ui/EventPageParts.h"
#include "frames/core/FrameSearch.h"
#include "records/ui/PagedTableView.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"

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

OverloadPage::OverloadPage(QWidget* sheet, PageWindow& window)
    : EventTablePage(sheet, window, "OverloadPage", "Panel_Cicl", OverloadTableSetup()) {
  QGroupBox* search = BuildSearchGroup();
  Finish(search, ComboBox_Per, "Label_MaxM1");
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

OverloadFields OverloadPage::Typed() const {
  return {Edit_Per_M->text().toStdString(), Edit_Per_Data0->text().toStdString(),
          Edit_Per_Data1->text().toStdString()};
}

void OverloadPage::BitBtn_Find_PerClick() {
  RunSearch(SearchDisplay(), [this](const std::string& path, const PassHooks& hooks) {
    return RunOverloadSearch(path, Typed(), window_.host(), hooks);
  });
}

ui::PassDisplay OverloadPage::SearchDisplay() {
  return {frames::kSearchRunningText, frames::kSearchDoneText, kProgressMaximum, {}, false};
}

}  // namespace vertal::events
