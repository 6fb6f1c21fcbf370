#include "frames/ui/OverloadPage.h"

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
#include "frames/core/FrameSearch.h"
#include "frames/ui/EventPageParts.h"
#include "frames/ui/JumpListCombo.h"
#include "frames/ui/PageStyle.h"
#include "frames/ui/PagedTableView.h"
#include "frames/ui/ShownPass.h"

namespace vertal::frames {

namespace {

constexpr QSize kCell(69, 17);
constexpr int kThresholdLength = 3;
constexpr int kThresholdWidth = 36;
constexpr int kResultListWidth = 200;  // "2599-й кадр, дата 20.09.08"
constexpr int kProgressMaximum = static_cast<int>(dump::kOverloadRecords.count);

constexpr RowCaption kRows[] = {
    {"LabelC_NKAD", "Номер кадра"},      {"LabelC_Time", "Вылет, м"},
    {"LabelC_H", "Грузоподъемность, т"}, {"LabelC_S", "Процент загрузки, %"},
    {"LabelC_P", "Дата перегрузки"},     {"Label36", "Режим работы"},
    {"Label35", "Контрольная сумма"},
};
static_assert(std::size(kRows) == kOverloadTableRows);

PagedTableSpec OverloadTableSpec() {
  PagedTableSpec setup;
  setup.layout = &OverloadTableLayout();
  setup.rows = kRows;
  setup.captionPanel = "PCikl_b";
  setup.grid = "StringGrid_Per_Otb";
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
  table = new PagedTableView(OverloadTableSpec(), window, area);
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

  connect(ScrollBar_Per, &QScrollBar::valueChanged, this, &OverloadPage::ScrollBar_PerChange);
  connect(ComboBox_Per, &JumpListCombo::Chosen, this, &OverloadPage::ComboBox_PerChange);
  connect(BitBtn_Find_Per, &QPushButton::clicked, this, &OverloadPage::BitBtn_Find_PerClick);
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
  // The fields are read once; one that cannot be read searches nothing.
  const OverloadFields typed = Typed();
  const auto read = ReadOverloadConditions(typed);
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    window_.host().ShowMessage({MessageKind::Error, *refusal});
    return;
  }
  const OverloadConditions& conditions = std::get<OverloadConditions>(read);
  ControlSink& controls = window_.Controls();
  ClearOverloadSearchList(controls);
  const PassDisplay display{kSearchRunningText, kSearchDoneText, kProgressMaximum, {}, false};
  RunShownPass(window_, display, [&](const ProgressSink& progress) {
    const std::optional<JumpList> found = SearchOverloads(path, conditions, progress);
    if (found) ShowOverloadSearch(*found, typed, controls);
    return found.has_value();
  });
}

// --- Opening and resetting ---

void OverloadPage::AddOpenStages(dump::OpenSequence& sequence) {
  // The page at the current position first; moving to the last page refills it, unless the
  // scroll bar stood there already.
  sequence.Add(dump::OpenStage::OverloadTable, [this](dump::OpenContext&) {
    table->ShowPage();
    table->MoveToEnd();
    return true;
  });
}

void OverloadPage::ResetTable() {
  table->Clear();
}

}  // namespace vertal::frames
