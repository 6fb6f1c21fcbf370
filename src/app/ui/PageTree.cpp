#include "app/ui/PageTree.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QMenu>
#include <QResizeEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui/SideTabKeys.h"
#include "compare/ui/ComparePage.h"
#include "dump/ui/LoadDistributionPage.h"
#include "dump/ui/ServicePage.h"
#include "events/ui/KdsPage.h"
#include "events/ui/OverloadPage.h"
#include "frames/ui/FrameTablePage.h"
#include "graphs/ui/GraphPages.h"
#include "history/ui/HistoryPage.h"
#include "recording/ui/AuditPage.h"
#include "recording/ui/DayJournalPage.h"
#include "common/ui/GuardedCommand.h"
#include "common/ui/PageStyle.h"

namespace vertal::app {

namespace {

constexpr QSize kLoadDistributionPanel(585, 369);

QTabWidget* MakeTabControl(QWidget* parent, const char* name, QTabWidget::TabPosition position) {
  auto* control = new QTabWidget(parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setTabPosition(position);
  control->setUsesScrollButtons(true);
  if (position == QTabWidget::West) new SideTabKeys(control->tabBar());
  return control;
}

QWidget* AddPage(QTabWidget* control, const char* name, const QString& caption) {
  auto* page = new QWidget(control);
  page->setObjectName(QString::fromLatin1(name));
  page->setAccessibleName(caption);
  control->addTab(page, caption);
  return page;
}

// A page holding one second-level tab control that fills it.
QTabWidget* AddNestedControl(QWidget* page, const char* name) {
  QTabWidget* control = MakeTabControl(page, name, QTabWidget::West);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(control);
  return control;
}

QFrame* MakePanel(QWidget* page, const char* name) {
  auto* panel = new QFrame(page);
  panel->setObjectName(QString::fromLatin1(name));
  return panel;
}

// A page that shows information and takes no input: the mouse passes through everything on it
// to the tab control and nothing on it takes the focus. It stays enabled, so that it is drawn as
// it is and assistive tools read its contents as available.
void MakeReadOnly(QWidget* page) {
  QList<QWidget*> widgets = page->findChildren<QWidget*>();
  widgets << page;
  for (QWidget* widget : widgets) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
  }
}

}  // namespace

PageTree::PageTree(QWidget* parent, ui::PageWindow& window, DumpDocument& document)
    : QTabWidget(parent) {
  setObjectName(QStringLiteral("PageControl_Main"));
  setTabPosition(QTabWidget::North);
  setUsesScrollButtons(true);
  setDocumentMode(true);

  mainSheet_ = AddPage(this, "TabSheet_Const", QStringLiteral("Основная"));
  mainPages_ = AddNestedControl(mainSheet_, "PageControl2");
  serviceSheet_ = AddPage(mainPages_, "TabSheet_Ident", QStringLiteral("Служебная"));
  loadSheet_ = AddPage(mainPages_, "TabSheet3", QStringLiteral("Наработка"));
  servicePanel_ = MakePanel(serviceSheet_, "Panel_Slugebnaya");
  // The service page fills its sheet, and its rows set the least size of the window: below it
  // they would overlap.
  ui::FillWith(serviceSheet_, servicePanel_);
  loadPanel_ = MakePanel(loadSheet_, "Panel_N");
  loadPanel_->setFixedSize(kLoadDistributionPanel);
  servicePage_ = new dump::ServicePage(servicePanel_);
  loadPage_ = new dump::LoadDistributionPage(loadPanel_);
  MakeReadOnly(serviceSheet_);

  cyclicSheet_ = AddPage(this, "TabSheet_Cikl", QStringLiteral("Циклическая"));
  cyclicPages_ = AddNestedControl(cyclicSheet_, "PageControl_Cikl");
  frameSheet_ = AddPage(cyclicPages_, "TabSheet_Osn", QStringLiteral("Общая"));
  overloadSheet_ = AddPage(cyclicPages_, "TabSheet_Per", QStringLiteral("Перегрузки"));
  kdsSheet_ = AddPage(cyclicPages_, "TabSheet_KDS", QStringLiteral("КДС"));
  daysSheet_ = AddPage(cyclicPages_, "TabSheet_Days", QStringLiteral("Журнал по дням"));
  auditSheet_ = AddPage(cyclicPages_, "TabSheet_Audit", QStringLiteral("Проверка записи"));
  compareSheet_ = AddPage(cyclicPages_, "TabSheet_Compare", QStringLiteral("Сравнение"));
  historySheet_ = AddPage(cyclicPages_, "TabSheet_History", QStringLiteral("История крана"));

  graphsSheet_ = AddPage(this, "TabSheet_Grafik", QStringLiteral("Графики"));
  graphTabs_ = AddNestedControl(graphsSheet_, "PageControl8");
  paramGraphSheet_ = AddPage(graphTabs_, "TabSheet19", QStringLiteral("Параметры"));
  relayGraphSheet_ = AddPage(graphTabs_, "TabSheet20", QStringLiteral("Координатная защита"));

  // The pop-up menu of the tab control: a right click anywhere on its pages opens it.
  graphsMenu_ = new QMenu(this);
  graphsMenu_->setObjectName(QStringLiteral("PopupMenu_GRAFIKI"));
  showGraphsAction_ = graphsMenu_->addAction(QStringLiteral("Показать графики"));
  showGraphsAction_->setObjectName(QStringLiteral("Go_KZ"));
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, graphsMenu_,
          [this](const QPoint& at) { graphsMenu_->popup(mapToGlobal(at)); });

  framePage_ = new frames::FrameTablePage(frameSheet_, window, graphsMenu_);
  overloadPage_ = new events::OverloadPage(overloadSheet_, window);
  kdsPage_ =
      new events::KdsPage(kdsSheet_, window, [&document] { return document.RecorderVersion(); });
  overloadPage_->searched = [&document](const std::string& file, const auto& result) {
    document.OverloadSearchRan(file, result);
  };
  kdsPage_->searched = [&document](const std::string& file, const auto& result) {
    document.KdsSearchRan(file, result);
  };
  const graphs::MainPages pages{this,         graphsSheet_, cyclicSheet_,
                                cyclicPages_, frameSheet_,  framePage_->ScrollBar()};
  graphPages_ = new graphs::GraphPages(
      this, paramGraphSheet_, relayGraphSheet_, pages, [&window] { return window.CurrentFile(); },
      window.host());
  // Both pages analyse the whole file when first shown for it.
  daysPage_ = new recording::DayJournalPage(
      daysSheet_, window, [this](std::int64_t frame) { graphPages_->ShowFrameInGraphsToo(frame); });
  auditPage_ = new recording::AuditPage(
      auditSheet_, window, [this](std::int64_t frame) { graphPages_->ShowFrame(frame); });
  comparePage_ = new compare::ComparePage(compareSheet_);
  historyPage_ = new history::HistoryPage(historySheet_, window);
  ui::ConnectCommand(showGraphsAction_, &QAction::triggered, graphPages_, window.host(),
                     &graphs::GraphPages::OnShowGraphs);

  // The two pages of PageControl2 are kept the same size; the panels are placed on them.
  serviceSheet_->installEventFilter(this);
  loadSheet_->installEventFilter(this);
}

void PageTree::SelectServicePage() {
  setCurrentWidget(mainSheet_);
  mainPages_->setCurrentWidget(serviceSheet_);
}

void PageTree::ShowRead(const OpenedDump& opened) {
  // Each page is shown once: a value that does not change is not painted again.
  const dump::ServicePages shown = dump::OverStartTexts(opened.service);
  servicePage_->Show(shown.service);
  loadPage_->Show(shown.load);
  overloadPage_->ShowTable(opened.overloadTable);
  kdsPage_->ShowOpened(opened.kds);
  framePage_->ShowTable(opened.frameTable);
  daysPage_->FileChanged();
  auditPage_->FileChanged();
  comparePage_->Empty();
}

void PageTree::ShowComparison(const compare::ReadingDiff& diff) {
  comparePage_->Show(diff);
  setCurrentWidget(cyclicSheet_);
  cyclicPages_->setCurrentWidget(compareSheet_);
}

void PageTree::ShowHistory(history::HistoryPageModel model) {
  historyPage_->Show(std::move(model));
  setCurrentWidget(cyclicSheet_);
  cyclicPages_->setCurrentWidget(historySheet_);
}

void PageTree::ClearPeriodLists() {
  framePage_->ClearPeriodLists();
}

void PageTree::ShowScanned(OpenedDump& opened) {
  framePage_->ShowPeriod(opened.period.model);
  graphPages_->Open(std::move(opened.param), std::move(opened.relay), opened.overview);
}

void PageTree::Reset() {
  const dump::ServicePages empty = dump::EmptyServicePages();
  servicePage_->Show(empty.service);
  loadPage_->Show(empty.load);
  overloadPage_->ResetTable();
  kdsPage_->ResetTable();
  framePage_->ResetTable();
  graphPages_->Reset();
  daysPage_->FileChanged();
  auditPage_->FileChanged();
  comparePage_->Empty();
  historyPage_->Empty();
}

void PageTree::ShowUnreadable() {
  daysPage_->FileUnreadable();
  auditPage_->FileUnreadable();
}

void PageTree::FillKdsParameterList() {
  kdsPage_->FillParameterList();
}

void PageTree::CentreLoadPanel() {
  const QSize page = loadSheet_->size();
  loadPanel_->move((page.width() - loadPanel_->width()) / 2,
                   (page.height() - loadPanel_->height()) / 2);
}

bool PageTree::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == serviceSheet_ || watched == loadSheet_)) {
    // Only the shown page of a tab control follows its size; the hidden one is brought along
    // so that both always measure the same.
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    QWidget* other = watched == serviceSheet_ ? loadSheet_ : serviceSheet_;
    if (other->size() != size) other->resize(size);
    CentreLoadPanel();
  }
  return QTabWidget::eventFilter(watched, event);
}

}  // namespace vertal::app
