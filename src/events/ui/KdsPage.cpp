#include "events/ui/KdsPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "dump/core/DumpLayout.h"
#include "events/ui/EventPageParts.h"
#include "frames/core/FrameSearch.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "records/ui/PagedTableView.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::events {

namespace {

constexpr QSize kCell(104, 17);
constexpr int kResultListWidth = 250;  // "149-й кадр, дата: 20.09.08 в 23:59:59"
constexpr int kProgressMaximum = static_cast<int>(dump::kKdsRecords.count);


ui::PagedTableSetup KdsTableSetup() {
  ui::PagedTableSetup setup;
  setup.layout = &KdsTableLayout();
  setup.rows = kKdsRowCaptions;
  setup.captionPanel = "Panel8";
  setup.scrollBar = "ScrollBar_KDS";
  setup.countCaption = "Label86";
  setup.count = "Label_KDS_OtbZap";
  setup.captionPanelWidth = kEventCaptionPanelWidth;
  setup.cell = kCell;
  setup.framed = false;
  setup.accessibleName = QStringLiteral("КДС");
  return setup;
}

}  // namespace

KdsPage::KdsPage(QWidget* sheet, PageWindow& window, std::function<std::int8_t()> recorderVersion)
    : EventTablePage(sheet, window, "KdsPage", "Panel_KDS", KdsTableSetup()),
      recorderVersion_(std::move(recorderVersion)) {
  table->SetTurn([this](const DumpSource& file, std::int64_t position) {
    return TurnKdsPage(file, recorderVersion_(), position, window_.DecimalSeparator(),
                       window_.host());
  });
  versionNote_ = ui::MakeLabel(this, "Label_KDS_Note", QString());
  versionNote_->setWordWrap(true);
  versionNote_->setIndent(ui::kPageMargin);
  ui::StyleAsValue(versionNote_);
  versionNote_->hide();
  AddPart(versionNote_);

  QGroupBox* search = BuildSearchGroup();
  Finish(search, foundRecords_, "Label_MaxM2");
  ui::ConnectCommand(searchButton_, &QPushButton::clicked, this, window_.host(), &KdsPage::OnKdsSearch);
}

QGroupBox* KdsPage::BuildSearchGroup() {
  const KdsFields defaults;
  SearchGroup group(this, "GroupBox14");
  fromDate_ = group.AddDateField("Label91", "Дата с", "Edit_KDS_Data0", defaults.from);
  toDate_ = group.AddDateField("Label92", "по ", "Edit_KDS_Data1", defaults.to);
  // A list to choose from, never typed into: a parameter is always chosen.
  parameterList_ = new QComboBox(this);
  parameterList_->setObjectName(QStringLiteral("ComboBox_KDS_PAR"));
  parameterList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  group.AddListGroup("GroupBox16", "Выбор параметра:", parameterList_);
  foundRecords_ = group.AddResultList("GroupBox15", "ComboBox_KDS", kResultListWidth);
  searchButton_ = group.AddFindButton("BitBtn_Find_KDS");
  return group.Finish();
}

void KdsPage::FillParameterList() {
  parameterList_->clear();
  for (std::string_view name : kKdsParameterNames) parameterList_->addItem(ui::ToQString(name));
  parameterList_->setCurrentIndex(0);
}

// --- Handlers ---

KdsFields KdsPage::Typed() const {
  return {parameterList_->currentIndex() + 1, fromDate_->text().toStdString(),
          toDate_->text().toStdString()};
}

void KdsPage::OnKdsSearch() {
  RunSearch(SearchDisplay(), [this](const DumpSource& file, const PassHooks& hooks) {
    return RunKdsSearch(file, recorderVersion_(), Typed(), window_.host(), hooks);
  });
}

ui::PassDisplay KdsPage::SearchDisplay() {
  return {kKdsSearchRunningText, frames::kSearchDoneText, kProgressMaximum, {}};
}

// --- Opening and resetting ---

void KdsPage::ShowOpened(const KdsPageModel& opened) {
  table->Show(opened.table);
  if (opened.search) ui::ShowModel(this, *opened.search);
  versionNote_->setText(ui::ToQString(opened.note));
  versionNote_->setVisible(!opened.note.empty());
}

void KdsPage::ResetTable() {
  EventTableFrame::ResetTable();
  versionNote_->clear();
  versionNote_->hide();
}

}  // namespace vertal::events
