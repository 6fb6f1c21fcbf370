#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPalette>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui/Bodyprog.h"
#include "app/ui/MainWindowParts.h"
#include "dump/ui/LoadDistributionPage.h"
#include "dump/ui/ServicePage.h"
#include "frames/ui/FrameTablePage.h"

namespace vertal::app {

namespace {

constexpr QSize kLoadDistributionPanel(585, 369);

QTabWidget* MakeTabControl(QWidget* parent, const char* name, QTabWidget::TabPosition position) {
  auto* control = new QTabWidget(parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setTabPosition(position);
  control->setUsesScrollButtons(true);
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

// A page that shows information and takes no input, drawn in the colours of an enabled page
// so that what it shows stays easy to read.
void MakeReadOnly(QWidget* page) {
  QPalette palette = page->palette();
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    const auto r = static_cast<QPalette::ColorRole>(role);
    palette.setColor(QPalette::Disabled, r, palette.color(QPalette::Active, r));
  }
  page->setPalette(palette);
  page->setEnabled(false);
}

}  // namespace

void BuildPageTree(TForm_Main& form) {
  QTabWidget* main = MakeTabControl(&form, "PageControl_Main", QTabWidget::North);
  main->setDocumentMode(true);
  form.PageControl_Main = main;

  form.TabSheet_Const = AddPage(main, "TabSheet_Const", QStringLiteral("Основная"));
  form.PageControl2 = AddNestedControl(form.TabSheet_Const, "PageControl2");
  form.TabSheet_Ident = AddPage(form.PageControl2, "TabSheet_Ident", QStringLiteral("Служебная"));
  form.TabSheet3 = AddPage(form.PageControl2, "TabSheet3", QStringLiteral("Наработка"));
  MakeReadOnly(form.TabSheet_Ident);
  form.Panel_Slugebnaya = MakePanel(form.TabSheet_Ident, "Panel_Slugebnaya");
  form.Panel_N = MakePanel(form.TabSheet3, "Panel_N");
  form.Panel_N->setFixedSize(kLoadDistributionPanel);
  form.servicePage = new dump::ServicePage(form.Panel_Slugebnaya);
  form.loadDistributionPage = new dump::LoadDistributionPage(form.Panel_N);

  form.TabSheet_Cikl = AddPage(main, "TabSheet_Cikl", QStringLiteral("Циклическая"));
  form.PageControl_Cikl = AddNestedControl(form.TabSheet_Cikl, "PageControl_Cikl");
  form.TabSheet_Osn = AddPage(form.PageControl_Cikl, "TabSheet_Osn", QStringLiteral("Общая"));
  form.TabSheet_Per = AddPage(form.PageControl_Cikl, "TabSheet_Per", QStringLiteral("Перегрузки"));
  form.TabSheet_KDS = AddPage(form.PageControl_Cikl, "TabSheet_KDS", QStringLiteral("КДС"));

  form.TabSheet_Grafik = AddPage(main, "TabSheet_Grafik", QStringLiteral("Графики"));
  form.PageControl8 = AddNestedControl(form.TabSheet_Grafik, "PageControl8");
  form.TabSheet19 = AddPage(form.PageControl8, "TabSheet19", QStringLiteral("Параметры"));
  form.TabSheet20 = AddPage(form.PageControl8, "TabSheet20", QStringLiteral("Координатная защита"));

  // The pop-up menu of the tab control: a right click anywhere on its pages opens it.
  form.PopupMenu_GRAFIKI = new QMenu(main);
  form.PopupMenu_GRAFIKI->setObjectName(QStringLiteral("PopupMenu_GRAFIKI"));
  form.Go_KZ = form.PopupMenu_GRAFIKI->addAction(QStringLiteral("Показать графики"));
  form.Go_KZ->setObjectName(QStringLiteral("Go_KZ"));
  main->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(main, &QWidget::customContextMenuRequested, form.PopupMenu_GRAFIKI,
                   [main, menu = form.PopupMenu_GRAFIKI](const QPoint& at) {
                     menu->popup(main->mapToGlobal(at));
                   });

  form.frameTablePage = new frames::FrameTablePage(form.TabSheet_Osn, form, form.PopupMenu_GRAFIKI);
}

}  // namespace vertal::app
