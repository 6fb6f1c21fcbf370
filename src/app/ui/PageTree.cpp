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

  TabSheet_Const = AddPage(this, "TabSheet_Const", QStringLiteral("Основная"));
  PageControl2 = AddNestedControl(TabSheet_Const, "PageControl2");
  TabSheet_Ident = AddPage(PageControl2, "TabSheet_Ident", QStringLiteral("Служебная"));
  TabSheet3 = AddPage(PageControl2, "TabSheet3", QStringLiteral("Наработка"));
  Panel_Slugebnaya = MakePanel(TabSheet_Ident, "Panel_Slugebnaya");
  // The service page fills its sheet, and its rows set the least size of the window: below it
  // they would overlap.
  ui::FillWith(TabSheet_Ident, Panel_Slugebnaya);
  Panel_N = MakePanel(TabSheet3, "Panel_N");
  Panel_N->setFixedSize(kLoadDistributionPanel);
  servicePage_ = new dump::ServicePage(Panel_Slugebnaya);
  loadPage_ = new dump::LoadDistributionPage(Panel_N);
  MakeReadOnly(TabSheet_Ident);

  TabSheet_Cikl = AddPage(this, "TabSheet_Cikl", QStringLiteral("Циклическая"));
  PageControl_Cikl = AddNestedControl(TabSheet_Cikl, "PageControl_Cikl");
  TabSheet_Osn = AddPage(PageControl_Cikl, "TabSheet_Osn", QStringLiteral("Общая"));
  TabSheet_Per = AddPage(PageControl_Cikl, "TabSheet_Per", QStringLiteral("Перегрузки"));
  TabSheet_KDS = AddPage(PageControl_Cikl, "TabSheet_KDS", QStringLiteral("КДС"));
  TabSheet_Days = AddPage(PageControl_Cikl, "TabSheet_Days", QStringLiteral("Журнал по дням"));
  TabSheet_Audit = AddPage(PageControl_Cikl, "TabSheet_Audit", QStringLiteral("Проверка записи"));
  TabSheet_Compare = AddPage(PageControl_Cikl, "TabSheet_Compare", QStringLiteral("Сравнение"));

  TabSheet_Grafik = AddPage(this, "TabSheet_Grafik", QStringLiteral("Графики"));
  PageControl8 = AddNestedControl(TabSheet_Grafik, "PageControl8");
  TabSheet19 = AddPage(PageControl8, "TabSheet19", QStringLiteral("Параметры"));
  TabSheet20 = AddPage(PageControl8, "TabSheet20", QStringLiteral("Координатная защита"));

  // The pop-up menu of the tab control: a right click anywhere on its pages opens it.
  PopupMenu_GRAFIKI = new QMenu(this);
  PopupMenu_GRAFIKI->setObjectName(QStringLiteral("PopupMenu_GRAFIKI"));
  Go_KZ = PopupMenu_GRAFIKI->addAction(QStringLiteral("Показать графики"));
  Go_KZ->setObjectName(QStringLiteral("Go_KZ"));
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, PopupMenu_GRAFIKI,
          [this](const QPoint& at) { PopupMenu_GRAFIKI->popup(mapToGlobal(at)); });

  framePage_ = new frames::FrameTablePage(TabSheet_Osn, window, PopupMenu_GRAFIKI);
  overloadPage_ = new events::OverloadPage(TabSheet_Per, window);
  kdsPage_ = new events::KdsPage(TabSheet_KDS, window,
                                 [&document] { return document.RecorderVersion(); });
  overloadPage_->searched = [&document](const std::string& file, const auto& result) {
    document.OverloadSearchRan(file, result);
  };
  kdsPage_->searched = [&document](const std::string& file, const auto& result) {
    document.KdsSearchRan(file, result);
  };
  const graphs::MainPages pages{this, TabSheet_Grafik, TabSheet_Cikl, PageControl_Cikl,
                                TabSheet_Osn, framePage_->ScrollBar()};
  graphPages_ = new graphs::GraphPages(this, TabSheet19, TabSheet20, pages,
                                       [&window] { return window.CurrentFile(); }, window.host());
  // Both pages analyse the whole file when first shown for it.
  daysPage_ = new recording::DayJournalPage(TabSheet_Days, window, [this](std::int64_t frame) {
    graphPages_->ShowFrameInGraphsToo(frame);
  });
  auditPage_ = new recording::AuditPage(TabSheet_Audit, window,
                                        [this](std::int64_t frame) { graphPages_->ShowFrame(frame); });
  comparePage_ = new compare::ComparePage(TabSheet_Compare);
  ui::ConnectCommand(Go_KZ, &QAction::triggered, graphPages_, window.host(), &graphs::GraphPages::Go_KZClick);

  // The two pages of PageControl2 are kept the same size; the panels are placed on them.
  TabSheet_Ident->installEventFilter(this);
  TabSheet3->installEventFilter(this);
}

void PageTree::SelectServicePage() {
  setCurrentWidget(TabSheet_Const);
  PageControl2->setCurrentWidget(TabSheet_Ident);
}

void PageTree::ShowRead(const OpenedDump& opened) {
  // A value the new file does not give shows the start text, not the previous file's.
  const dump::ServicePages empty = dump::EmptyServicePages();
  servicePage_->Show(empty.service);
  loadPage_->Show(empty.load);
  servicePage_->Show(opened.service.service);
  loadPage_->Show(opened.service.load);
  overloadPage_->ShowTable(opened.overloadTable);
  kdsPage_->ShowOpened(opened.kds);
  framePage_->ShowTable(opened.frameTable);
  daysPage_->FileChanged();
  auditPage_->FileChanged();
  comparePage_->Empty();
}

void PageTree::ShowComparison(const compare::ReadingDiff& diff) {
  comparePage_->Show(diff);
  setCurrentWidget(TabSheet_Cikl);
  PageControl_Cikl->setCurrentWidget(TabSheet_Compare);
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
}

void PageTree::FillKdsParameterList() {
  kdsPage_->FillParameterList();
}

void PageTree::FormResize() {
  const QSize page = TabSheet3->size();
  Panel_N->move((page.width() - Panel_N->width()) / 2, (page.height() - Panel_N->height()) / 2);
}

bool PageTree::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == TabSheet_Ident || watched == TabSheet3)) {
    // Only the shown page of a tab control follows its size; the hidden one is brought along
    // so that both always measure the same.
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    QWidget* other = watched == TabSheet_Ident ? TabSheet3 : TabSheet_Ident;
    if (other->size() != size) other->resize(size);
    FormResize();
  }
  return QTabWidget::eventFilter(watched, event);
}

}  // namespace vertal::app
