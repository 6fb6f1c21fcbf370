#include "events/ui/KdsPage.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>
#include <variant>

#include "dump/core/DumpLayout.h"
#include "events/ui/EventPageParts.h"
#include "frames/core/FrameSearch.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "records/ui/PagedTableView.h"
#include "common/ui/ShownPass.h"
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
    : QWidget(sheet), window_(window), recorderVersion_(std::move(recorderVersion)) {
  setObjectName(QStringLiteral("KdsPage"));
  QVBoxLayout* page = FillSheet(sheet, this);

  auto* area = new QFrame(this);
  area->setObjectName(QStringLiteral("Panel_KDS"));
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  table = new PagedTableView(KdsTableSetup(), window, area);
  grid_ = table->Grid();
  scrollBar_ = table->ScrollBar();
  recordCount_ = table->Count();
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch(1);
  page->addWidget(area);

  table->SetTurn([this](const std::string& path, std::int64_t position) {
    return TurnKdsPage(path, recorderVersion_(), position, window_.DecimalSeparator(),
                       window_.host());
  });
  versionNote_ = ui::MakeLabel(this, "Label_KDS_Note", QString());
  versionNote_->setWordWrap(true);
  versionNote_->setIndent(ui::kPageMargin);
  ui::StyleAsValue(versionNote_);
  versionNote_->hide();
  page->addWidget(versionNote_);

  page->addWidget(BuildSearchGroup());
  searchSummary_ = MakeSummary(this, "Label_MaxM2");
  page->addWidget(searchSummary_);
  page->addStretch(1);

  ui::ConnectCommand(scrollBar_, &QScrollBar::valueChanged, this, window_.host(), &KdsPage::OnTableScrolled);
  ui::ConnectCommand(foundRecords_, &JumpListCombo::Chosen, this, window_.host(), &KdsPage::OnFoundRecordChosen);
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

void KdsPage::OnTableScrolled() {
  table->ShowPage();
}

void KdsPage::OnFoundRecordChosen() {
  table->JumpTo(*foundRecords_);
}

KdsFields KdsPage::Typed() const {
  return {parameterList_->currentIndex() + 1, fromDate_->text().toStdString(),
          toDate_->text().toStdString()};
}

void KdsPage::OnKdsSearch() {
  const std::string path = window_.CurrentFile();
  if (path.empty()) return;
  ui::ShownPass pass(window_, SearchDisplay());
  const PassResult<KdsSearchModel> result = RunKdsSearch(
      path, recorderVersion_(), Typed(), window_.host(), pass.Hooks([this] { ClearSearch(); }));
  ShowSearch(result);
  if (searched) searched(path, result);
  pass.End(result.end);
}

ui::PassDisplay KdsPage::SearchDisplay() {
  return {kKdsSearchRunningText, frames::kSearchDoneText, kProgressMaximum, {}, false};
}

void KdsPage::ClearSearch() {
  ui::ShowModel(this, KdsSearchModel{});
}

void KdsPage::ShowSearch(const PassResult<KdsSearchModel>& result) {
  if (result.end != PassEnd::Refused) ui::ShowModel(this, result.model);
}

// --- Opening and resetting ---

void KdsPage::ShowOpened(const KdsPageModel& opened) {
  table->Show(opened.table);
  if (opened.search) ui::ShowModel(this, *opened.search);
  versionNote_->setText(ui::ToQString(opened.note));
  versionNote_->setVisible(!opened.note.empty());
}

void KdsPage::ResetTable() {
  table->Clear();
  versionNote_->clear();
  versionNote_->hide();
}

}  // namespace vertal::events
