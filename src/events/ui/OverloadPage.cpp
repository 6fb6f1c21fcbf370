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

constexpr QSize kOverloadCell(69, 17);
constexpr int kThresholdLength = 3;
constexpr int kThresholdWidth = 36;
constexpr int kOverloadListWidth = 200;  // "2599-й кадр, дата 20.09.08"
constexpr int kOverloadProgressMaximum = static_cast<int>(dump::kOverloadRecords.count);


ui::PagedTableSetup OverloadTableSetup() {
  ui::PagedTableSetup setup;
  setup.layout = &OverloadTableLayout();
  setup.rows = kOverloadRowCaptions;
  setup.captionPanel = "PCikl_b";
  setup.scrollBar = "ScrollBar_Per";
  setup.countCaption = "Label_OTBOR";
  setup.count = "Label_Per_OtbZap";
  setup.captionPanelWidth = kEventCaptionPanelWidth;
  setup.cell = kOverloadCell;
  setup.framed = false;
  setup.accessibleName = QStringLiteral("Перегрузки");
  return setup;
}

}  // namespace

OverloadPage::OverloadPage(QWidget* sheet, PageWindow& window)
    : EventTablePage(sheet, window, "OverloadPage", "Panel_Cicl", OverloadTableSetup()) {
  QGroupBox* search = BuildSearchGroup();
  Finish(search, foundRecords_, "Label_MaxM1");
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
  foundRecords_ = group.AddResultList("GroupBox13", "ComboBox_Per", kOverloadListWidth);
  searchButton_ = group.AddFindButton("BitBtn_Find_Per");
  return group.Finish();
}

// --- Handlers ---

OverloadFields OverloadPage::Typed() const {
  return {loadThreshold_->text().toStdString(), fromDate_->text().toStdString(),
          toDate_->text().toStdString()};
}

void OverloadPage::OnOverloadSearch() {
  RunSearch(SearchDisplay(), [this](const DumpSource& file, const PassHooks& hooks) {
    return RunOverloadSearch(file, Typed(), window_.host(), hooks);
  });
}

ui::PassDisplay OverloadPage::SearchDisplay() {
  return {frames::kSearchRunningText, frames::kSearchDoneText, kOverloadProgressMaximum, {}};
}

}  // namespace vertal::events
