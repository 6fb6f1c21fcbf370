#include "frames/ui/KdsPage.h"

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
#include "frames/core/FrameSearch.h"
#include "frames/ui/EventPageParts.h"
#include "frames/ui/JumpListCombo.h"
#include "frames/ui/PageStyle.h"
#include "frames/ui/PagedTableView.h"
#include "frames/ui/ShownPass.h"

namespace vertal::frames {

namespace {

constexpr QSize kCell(104, 17);
constexpr int kResultListWidth = 250;  // "149-й кадр, дата: 20.09.08 в 23:59:59"
constexpr int kProgressMaximum = static_cast<int>(dump::kKdsRecords.count);

constexpr RowCaption kRows[] = {
    {"Label8", "Номер кадра"}, {"Label", "Значение параметра"},
    {"Label46", "Параметр"},   {"Label45", "Дата"},
    {"Label85", "Время"},      {"Label88", "Контрольная сумма"},
};
static_assert(std::size(kRows) == kKdsTableRows);

PagedTableSpec KdsTableSpec() {
  PagedTableSpec setup;
  setup.layout = &KdsTableLayout();
  setup.rows = kRows;
  setup.captionPanel = "Panel8";
  setup.grid = "StringGrid_KDS_Otbor";
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
  table = new PagedTableView(KdsTableSpec(), window, area);
  StringGrid_KDS_Otbor = table->Grid();
  ScrollBar_KDS = table->ScrollBar();
  Label_KDS_OtbZap = table->Count();
  row->addWidget(table, 0, Qt::AlignTop);
  row->addStretch(1);
  page->addWidget(area);

  page->addWidget(BuildSearchGroup());
  Label_MaxM2 = MakeSummary(this, "Label_MaxM2");
  page->addWidget(Label_MaxM2);
  page->addStretch(1);

  connect(ScrollBar_KDS, &QScrollBar::valueChanged, this, &KdsPage::ScrollBar_KDSChange);
  connect(ComboBox_KDS, &JumpListCombo::Chosen, this, &KdsPage::ComboBox_KDSChange);
  connect(BitBtn_Find_KDS, &QPushButton::clicked, this, &KdsPage::BitBtn_Find_KDSClick);
}

QGroupBox* KdsPage::BuildSearchGroup() {
  const KdsFields defaults;
  SearchGroup group(this, "GroupBox14");
  Edit_KDS_Data0 = group.AddDateField("Label91", "Дата с", "Edit_KDS_Data0", defaults.from);
  Edit_KDS_Data1 = group.AddDateField("Label92", "по ", "Edit_KDS_Data1", defaults.to);
  // A list to choose from, never typed into: a parameter is always chosen.
  ComboBox_KDS_PAR = new QComboBox(this);
  ComboBox_KDS_PAR->setObjectName(QStringLiteral("ComboBox_KDS_PAR"));
  ComboBox_KDS_PAR->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  group.AddListGroup("GroupBox16", "Выбор параметра:", ComboBox_KDS_PAR);
  ComboBox_KDS = group.AddResultList("GroupBox15", "ComboBox_KDS", kResultListWidth);
  BitBtn_Find_KDS = group.AddFindButton("BitBtn_Find_KDS");
  return group.Finish();
}

void KdsPage::FillParameterList() {
  ComboBox_KDS_PAR->clear();
  for (std::string_view name : kKdsParameterNames) ComboBox_KDS_PAR->addItem(Text(name));
  ComboBox_KDS_PAR->setCurrentIndex(0);
}

bool KdsPage::RecordsKept() const {
  return recorderVersion_() == kKdsRecorderVersion;
}

// --- Handlers ---

void KdsPage::ScrollBar_KDSChange() {
  if (!RecordsKept()) return;
  table->ShowPage();
}

void KdsPage::ComboBox_KDSChange() {
  table->JumpTo(*ComboBox_KDS);
}

KdsFields KdsPage::Typed() const {
  return {ComboBox_KDS_PAR->currentIndex() + 1, Edit_KDS_Data0->text().toStdString(),
          Edit_KDS_Data1->text().toStdString()};
}

void KdsPage::BitBtn_Find_KDSClick() {
  if (!RecordsKept()) return;
  const std::string path = window_.CurrentFile();
  if (path.empty()) return;
  // The dates are read once; one that cannot be read searches nothing.
  const KdsFields typed = Typed();
  const auto read = ReadKdsConditions(typed);
  if (const auto* refusal = std::get_if<std::string>(&read)) {
    window_.host().ShowMessage({MessageKind::Error, *refusal});
    return;
  }
  const KdsConditions& conditions = std::get<KdsConditions>(read);
  ControlSink& controls = window_.Controls();
  ClearKdsSearchList(controls);
  const PassDisplay display{kKdsSearchRunningText, kSearchDoneText, kProgressMaximum, {}, false};
  RunShownPass(window_, display, [&](const ProgressSink& progress) {
    const std::optional<JumpList> found = SearchKds(path, conditions, progress);
    if (found) ShowKdsSearch(*found, typed, controls);
    return found.has_value();
  });
}

// --- Opening and resetting ---

void KdsPage::AddOpenStages(dump::OpenSequence& sequence) {
  // Files of other versions leave the table neither filled nor cleared.
  sequence.Add(dump::OpenStage::KdsTable, [this](dump::OpenContext&) {
    if (!RecordsKept()) return true;
    table->ShowPage();
    table->MoveToEnd();
    return true;
  });
}

void KdsPage::ResetTable() {
  table->Clear();
}

}  // namespace vertal::frames
