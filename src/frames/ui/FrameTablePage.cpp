#include "frames/ui/FrameTablePage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "dump/core/DumpLayout.h"
#include "frames/core/CodeDecoder.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "common/ui/FindPicture.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/JumpListCombo.h"
#include "common/ui/ModelWidgets.h"
#include "common/ui/PageStyle.h"
#include "records/ui/PagedTableView.h"
#include "common/ui/ShownPass.h"
#include "common/ui/UiText.h"
#include "common/ui/ValueStyle.h"

namespace vertal::frames {

namespace {

using ui::PassDisplay;
using ui::RowCaption;

constexpr int kCaptionPanelWidth = 159;
constexpr int kGridPanelWidth = 376;
constexpr int kPeriodPanelWidth = 262;
constexpr int kGroupWidth = 260;
constexpr QSize kCell(73, 17);
constexpr int kGroupSpacing = 2;
constexpr int kBoxMargin = 4;
constexpr int kThresholdLength = 3;
constexpr int kThresholdWidth = 36;
constexpr int kTypedListLength = 30;  // the lists that limit typed text
constexpr int kResultListWidth = 230;
constexpr int kSearchSpacing = 10;

constexpr int kSearchProgressMaximum = static_cast<int>(dump::kFrameCount);

// One caption per grid row, from row 0 down.
// clang-format off
constexpr records::RowCaption kRows[] = {
    {"Label12", "Номер кадра"},
    {"Label13", "Дата записи"},
    {"Label14", "Время записи"},
    {"Label15", "Угол наклона стрелы, град"},
    {"Label16", "Длина стрелы, м"},
    {"Label17", "Вылет, м"},
    {"Label18", "Давление/Усилие, кгс"},
    {"Label19", "Масса груза, т"},
    {"Label20", "Азимут, град"},
    {"Label23", "Ветер, м/сек"},
    {"Label24", "КОС (Мзон+флаги)"},
    {"Label25", "Температура среды, град"},
    {"Label26", "Запасовка\\ Режим"},
    {"Label27", "Момент загрузки, %"},
    {"Label28", "Выходные реле"},
    {"Label29", "Введенные сраб. огран."},
    {"Label30", "Дискр. входы 1"},
    {"Label31", "Дискр. входы 2"},
    {"Label32", "Дискр. входы 3"},
    {"Label33", "Коды отказа"},
    {"Label34", "К. С. кадра"},
};
// clang-format on
static_assert(std::size(kRows) == kFrameTableRows);

ui::PagedTableSetup FrameTableSetup() {
  ui::PagedTableSetup setup;
  setup.layout = &FrameTableLayout();
  setup.rows = kRows;
  setup.captionPanel = "Panel17";
  setup.gridPanel = "Panel3";
  setup.scrollBar = "ScrollBar_Cikl";
  setup.countCaption = "Label11";
  setup.count = "Label_O_OtbZap";
  setup.captionPanelWidth = kCaptionPanelWidth;
  setup.gridPanelWidth = kGridPanelWidth;
  setup.cell = kCell;
  setup.framed = true;
  setup.accessibleName = QStringLiteral("Общая");
  return setup;
}

QVBoxLayout* Stack(QWidget* box) {
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
  column->setSpacing(kGroupSpacing);
  return column;
}

}  // namespace

FrameTablePage::FrameTablePage(QWidget* sheet, PageWindow& window, QMenu* popup)
    : QWidget(sheet), window_(window) {
  setObjectName(QStringLiteral("FrameTablePage"));
  QVBoxLayout* page = ui::FillSheet(sheet, this, kGroupSpacing);

  auto* area = new QFrame(this);
  area->setObjectName(QStringLiteral("Panel5"));
  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  table = new PagedTableView(FrameTableSetup(), window, area);
  table->SetPopupMenu(popup);
  grid_ = table->Grid();
  grid_->setToolTip(QStringLiteral("Для расшифровки кодов укажите ячейку"));
  scrollBar_ = table->ScrollBar();
  recordCount_ = table->Count();
  row->addWidget(table, 0, Qt::AlignTop);
  row->addWidget(BuildPeriodPanel(), 0, Qt::AlignTop);
  row->addStretch(1);

  page->addWidget(area);
  page->addWidget(BuildSearchGroup());
  page->addStretch(1);
  ConnectHandlers();
}

QWidget* FrameTablePage::BuildPeriodPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel4"));
  panel->setFixedWidth(kPeriodPanelWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(kGroupSpacing);

  QGroupBox* period = ui::MakeGroup(panel, "GroupBox7", "Период времени охваченный РП");
  period->setFixedWidth(kGroupWidth);
  QVBoxLayout* labels = Stack(period);
  periodStart_ = ui::MakeLabel(period, "Label_NR", QString());
  periodEnd_ = ui::MakeLabel(period, "Label_KR", QString());
  for (QLabel* label : {periodStart_, periodEnd_}) {
    label->setAccessibleName(period->title());
    labels->addWidget(label);
  }
  ui::BoldTitle(period);
  column->addWidget(period);

  column->addWidget(BuildEpisodeGroup("GroupBox6", kOverloadEpisodesTitle.data(),
                                      overloadEpisodeCount_, overloadEpisodes_, "ComboBox_Cikl_M",
                                      0));
  column->addWidget(BuildEpisodeGroup("GroupBox4", kTuningEpisodesTitle.data(), tuningEpisodeCount_,
                                      tuningEpisodes_, "ComboBox_Cikl_NASTROYKA", 0));
  column->addWidget(BuildEpisodeGroup("GroupBox2", kMzonEpisodesTitle.data(), mzonEpisodeCount_,
                                      mzonEpisodes_, "ComboBox_Cikl_MZON", kTypedListLength));
  column->addWidget(BuildEpisodeGroup("GroupBox17", kSwitchOnEpisodesTitle.data(),
                                      switchOnEpisodeCount_, switchOnEpisodes_, "ComboBox_ON",
                                      kTypedListLength));
  column->addStretch(1);
  return panel;
}

QGroupBox* FrameTablePage::BuildEpisodeGroup(const char* name, const char* title, QLabel*& count,
                                             JumpListCombo*& list, const char* listName,
                                             int maxTyped) {
  QGroupBox* box = ui::MakeGroup(this, name, title);
  box->setFixedWidth(kGroupWidth);
  QVBoxLayout* column = Stack(box);
  // The count label is named like its list with "Label" in place of "ComboBox".
  const QByteArray countName = QByteArray(listName).replace("ComboBox", "Label");
  count = ui::MakeLabel(box, countName.constData(), QString());
  ui::StyleAsCount(count);
  count->setAccessibleName(box->title());
  list = new JumpListCombo(listName, maxTyped, box);
  list->setAccessibleName(box->title());
  column->addWidget(count);
  column->addWidget(list);
  ui::BoldTitle(box);
  return box;
}

QGroupBox* FrameTablePage::BuildSearchGroup() {
  QGroupBox* box = ui::MakeGroup(this, "GroupBox1", "Условия отбора кадров");
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(kBoxMargin, kBoxMargin, kBoxMargin, kBoxMargin);
  row->setSpacing(kSearchSpacing);

  QLabel* loadCaption = ui::MakeLabel(box, "Label9", QString::fromUtf8("Загрузка    M% > "));
  loadThreshold_ = new QLineEdit(QStringLiteral("0"), box);
  loadThreshold_->setObjectName(QStringLiteral("Edit_O_M"));
  loadThreshold_->setMaxLength(kThresholdLength);
  loadThreshold_->setFixedWidth(kThresholdWidth);
  ui::Caption(loadCaption, loadThreshold_);
  faultCodesBox_ = new QCheckBox(QString::fromUtf8("Коды отказа"), box);
  faultCodesBox_->setObjectName(QStringLiteral("CheckBox_Error"));
  limitTriggeredBox_ = new QCheckBox(QString::fromUtf8("Сработало ограничение"), box);
  limitTriggeredBox_->setObjectName(QStringLiteral("CheckBox_SLim"));

  QGroupBox* result = ui::MakeGroup(box, "GroupBox8", "Результат поиска:");
  QVBoxLayout* resultColumn = Stack(result);
  foundFrames_ = new JumpListCombo("ComboBox_Cikl", kTypedListLength, result);
  foundFrames_->setFixedWidth(kResultListWidth);
  foundFrames_->setAccessibleName(result->title());
  resultColumn->addWidget(foundFrames_);
  ui::BoldTitle(result);

  frameSearchButton_ = new QPushButton(ui::FindPicture(), QString::fromUtf8("Найти"), box);
  frameSearchButton_->setObjectName(QStringLiteral("BitBtn1"));

  row->addWidget(loadCaption);
  row->addWidget(loadThreshold_);
  row->addWidget(faultCodesBox_);
  row->addWidget(limitTriggeredBox_);
  row->addWidget(result);
  row->addWidget(frameSearchButton_, 0, Qt::AlignBottom);
  row->addStretch(1);
  ui::BoldTitle(box);
  return box;
}

void FrameTablePage::ConnectHandlers() {
  ui::ConnectCommand(scrollBar_, &QScrollBar::valueChanged, this, window_.host(),
                     &FrameTablePage::OnTableScrolled);
  ui::ConnectCommand(mzonEpisodes_, &JumpListCombo::Chosen, this, window_.host(),
                     &FrameTablePage::OnMzonEpisodeChosen);
  ui::ConnectCommand(tuningEpisodes_, &JumpListCombo::Chosen, this, window_.host(),
                     &FrameTablePage::OnTuningEpisodeChosen);
  ui::ConnectCommand(overloadEpisodes_, &JumpListCombo::Chosen, this, window_.host(),
                     &FrameTablePage::OnOverloadEpisodeChosen);
  ui::ConnectCommand(switchOnEpisodes_, &JumpListCombo::Chosen, this, window_.host(),
                     &FrameTablePage::OnSwitchOnEpisodeChosen);
  ui::ConnectCommand(foundFrames_, &JumpListCombo::Chosen, this, window_.host(),
                     &FrameTablePage::OnFoundFrameChosen);
  ui::ConnectCommand(grid_, &RecordGrid::CellSelected, this, window_.host(),
                     &FrameTablePage::OnCellSelected);
  ui::ConnectCommand(frameSearchButton_, &QPushButton::clicked, this, window_.host(),
                     &FrameTablePage::OnFrameSearch);
}

// --- Handlers ---

void FrameTablePage::OnTableScrolled() {
  table->ShowPage();
}

void FrameTablePage::OnMzonEpisodeChosen() {
  table->JumpTo(*mzonEpisodes_);
}
void FrameTablePage::OnTuningEpisodeChosen() {
  table->JumpTo(*tuningEpisodes_);
}
void FrameTablePage::OnOverloadEpisodeChosen() {
  table->JumpTo(*overloadEpisodes_);
}
void FrameTablePage::OnSwitchOnEpisodeChosen() {
  table->JumpTo(*switchOnEpisodes_);
}
void FrameTablePage::OnFoundFrameChosen() {
  table->JumpTo(*foundFrames_);
}

void FrameTablePage::OnCellSelected(int column, int row) {
  // The field as the page model holds it, not as the cell shows it.
  if (const auto message = DecodeCell(row, table->ShownText(column, row)))
    window_.host().ShowMessage({MessageKind::Plain, *message});
}

void FrameTablePage::OnFrameSearch() {
  const DumpSource file = window_.CurrentFile();
  if (file.Empty()) return;
  const FrameSearchFields typed{loadThreshold_->text().toStdString(),
                                limitTriggeredBox_->isChecked(), faultCodesBox_->isChecked()};
  const PassDisplay display{kSearchRunningText, kSearchDoneText, kSearchProgressMaximum, {}};
  ui::ShownPass pass(window_, display);
  // The list empties as the search begins and stays empty when the file cannot be read.
  const PassResult<FrameSearchModel> result = RunFrameSearch(
      file, typed, window_.host(), pass.Hooks([this] { ui::ShowModel(this, FrameSearchModel{}); }));
  if (result.end != PassEnd::Refused) {
    ui::ShowModel(this, result.model);
    // The table goes to the first frame found, as choosing it in the list would.
    table->JumpTo(*foundFrames_);
  }
  pass.End(result.end);
}

// --- Opening and resetting ---

void FrameTablePage::ShowTable(const records::TablePage& page) {
  table->Show(page);
}

void FrameTablePage::ShowPeriod(const PeriodPanelModel& period) {
  ui::ShowModel(this, period);
}

void FrameTablePage::ClearPeriodLists() {
  ShowPeriod(PeriodPanelModel{});
}

void FrameTablePage::ResetTable() {
  table->Clear();
}

}  // namespace vertal::frames
