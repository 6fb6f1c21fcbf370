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
  StringGrid_O_Otb = table->Grid();
  StringGrid_O_Otb->setToolTip(QStringLiteral("Для расшифровки кодов укажите ячейку"));
  ScrollBar_Cikl = table->ScrollBar();
  Label_O_OtbZap = table->Count();
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
  Label_NR = ui::MakeLabel(period, "Label_NR", QString());
  Label_KR = ui::MakeLabel(period, "Label_KR", QString());
  for (QLabel* label : {Label_NR, Label_KR}) {
    label->setAccessibleName(period->title());
    labels->addWidget(label);
  }
  ui::BoldTitle(period);
  column->addWidget(period);

  column->addWidget(BuildEpisodeGroup("GroupBox6", kOverloadEpisodesTitle.data(), Label_Cikl_M,
                                      ComboBox_Cikl_M, "ComboBox_Cikl_M", 0));
  column->addWidget(BuildEpisodeGroup("GroupBox4", kTuningEpisodesTitle.data(),
                                      Label_Cikl_NASTROYKA, ComboBox_Cikl_NASTROYKA,
                                      "ComboBox_Cikl_NASTROYKA", 0));
  column->addWidget(BuildEpisodeGroup("GroupBox2", kMzonEpisodesTitle.data(), Label_Cikl_MZON,
                                      ComboBox_Cikl_MZON, "ComboBox_Cikl_MZON", kTypedListLength));
  column->addWidget(BuildEpisodeGroup("GroupBox17", kSwitchOnEpisodesTitle.data(), Label_ON,
                                      ComboBox_ON, "ComboBox_ON", kTypedListLength));
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

  QLabel* label9 = ui::MakeLabel(box, "Label9", QString::fromUtf8("Загрузка    M% > "));
  Edit_O_M = new QLineEdit(QStringLiteral("0"), box);
  Edit_O_M->setObjectName(QStringLiteral("Edit_O_M"));
  Edit_O_M->setMaxLength(kThresholdLength);
  Edit_O_M->setFixedWidth(kThresholdWidth);
  ui::Caption(label9, Edit_O_M);
  CheckBox_Error = new QCheckBox(QString::fromUtf8("Коды отказа"), box);
  CheckBox_Error->setObjectName(QStringLiteral("CheckBox_Error"));
  CheckBox_SLim = new QCheckBox(QString::fromUtf8("Сработало ограничение"), box);
  CheckBox_SLim->setObjectName(QStringLiteral("CheckBox_SLim"));

  QGroupBox* result = ui::MakeGroup(box, "GroupBox8", "Результат поиска:");
  QVBoxLayout* resultColumn = Stack(result);
  ComboBox_Cikl = new JumpListCombo("ComboBox_Cikl", kTypedListLength, result);
  ComboBox_Cikl->setFixedWidth(kResultListWidth);
  ComboBox_Cikl->setAccessibleName(result->title());
  resultColumn->addWidget(ComboBox_Cikl);
  ui::BoldTitle(result);

  BitBtn1 = new QPushButton(ui::FindPicture(), QString::fromUtf8("Найти"), box);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

  row->addWidget(label9);
  row->addWidget(Edit_O_M);
  row->addWidget(CheckBox_Error);
  row->addWidget(CheckBox_SLim);
  row->addWidget(result);
  row->addWidget(BitBtn1, 0, Qt::AlignBottom);
  row->addStretch(1);
  ui::BoldTitle(box);
  return box;
}

void FrameTablePage::ConnectHandlers() {
  ui::ConnectCommand(ScrollBar_Cikl, &QScrollBar::valueChanged, this, window_.host(), &FrameTablePage::ScrollBar_CiklChange);
  ui::ConnectCommand(ComboBox_Cikl_MZON, &JumpListCombo::Chosen, this, window_.host(), &FrameTablePage::ComboBox_Cikl_MZONChange);
  ui::ConnectCommand(ComboBox_Cikl_NASTROYKA, &JumpListCombo::Chosen, this, window_.host(), &FrameTablePage::ComboBox_Cikl_NASTROYKAChange);
  ui::ConnectCommand(ComboBox_Cikl_M, &JumpListCombo::Chosen, this, window_.host(), &FrameTablePage::ComboBox_Cikl_MChange);
  ui::ConnectCommand(ComboBox_ON, &JumpListCombo::Chosen, this, window_.host(), &FrameTablePage::ComboBox_ONChange);
  ui::ConnectCommand(ComboBox_Cikl, &JumpListCombo::Chosen, this, window_.host(), &FrameTablePage::ComboBox_CiklChange);
  ui::ConnectCommand(StringGrid_O_Otb, &RecordGrid::CellSelected, this, window_.host(), &FrameTablePage::StringGrid_O_OtbSelectCell);
  ui::ConnectCommand(BitBtn1, &QPushButton::clicked, this, window_.host(), &FrameTablePage::BitBtn1Click);
}

// --- Handlers ---

void FrameTablePage::ScrollBar_CiklChange() {
  table->ShowPage();
}

void FrameTablePage::ComboBox_Cikl_MZONChange() {
  table->JumpTo(*ComboBox_Cikl_MZON);
}
void FrameTablePage::ComboBox_Cikl_NASTROYKAChange() {
  table->JumpTo(*ComboBox_Cikl_NASTROYKA);
}
void FrameTablePage::ComboBox_Cikl_MChange() {
  table->JumpTo(*ComboBox_Cikl_M);
}
void FrameTablePage::ComboBox_ONChange() {
  table->JumpTo(*ComboBox_ON);
}
void FrameTablePage::ComboBox_CiklChange() {
  table->JumpTo(*ComboBox_Cikl);
}

void FrameTablePage::StringGrid_O_OtbSelectCell(int column, int row) {
  // The field as the page model holds it, not as the cell shows it.
  if (const auto message = DecodeCell(row, table->ShownText(column, row)))
    window_.host().ShowMessage({MessageKind::Plain, *message});
}

void FrameTablePage::BitBtn1Click() {
  const std::string path = window_.CurrentFile();
  if (path.empty()) return;
  const FrameSearchFields typed{Edit_O_M->text().toStdString(), CheckBox_SLim->isChecked(),
                                CheckBox_Error->isChecked()};
  const PassDisplay display{kSearchRunningText, kSearchDoneText, kSearchProgressMaximum, {}, false};
  ui::ShownPass pass(window_, display);
  // The list empties as the search begins and stays empty when the file cannot be read.
  const PassResult<FrameSearchModel> result = RunFrameSearch(
      path, typed, window_.host(), pass.Hooks([this] { ui::ShowModel(this, FrameSearchModel{}); }));
  if (result.end != PassEnd::Refused) {
    ui::ShowModel(this, result.model);
    // The table goes to the first frame found, as choosing it in the list would.
    table->JumpTo(*ComboBox_Cikl);
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
