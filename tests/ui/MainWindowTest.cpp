// The frame of the main window, its start-up state and the commands that need no dump file.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <vector>

#include "MainWindowFixture.h"
#include "app/ui/StatusPanels.h"

using vertal::app::ResetStage;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void startsWithNoFileAndNoUnit() {
    auto& form = *f_->form;
    QCOMPARE(form.windowTitle(), Q("Анализ данных регистратора параметров VERTAL"));
    QCOMPARE(form.size(), QSize(844, 643));
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QCOMPARE(f_->port.opens, 1);
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 1000);
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Const);
    QCOMPARE(form.PageControl2->currentWidget(), form.TabSheet_Ident);
    QVERIFY(!form.TabSheet_Ident->isEnabled());
    QVERIFY(form.TabSheet3->isEnabled());
    QVERIFY(f_->host.messages.empty());
    QVERIFY(f_->host.openDialogs.empty());
    QCOMPARE(form.RecorderVersion, std::int8_t{0});
  }

  void frameHasItsBarsAndButtons() {
    auto& form = *f_->form;
    QCOMPARE(form.Panel_INSTR->height(), 33);
    QCOMPARE(form.ProgressBar1->minimum(), 0);
    QCOMPARE(form.ProgressBar1->maximum(), 100);
    QCOMPARE(form.ProgressBar1->height(), 15);
    QCOMPARE(form.StatusBar1->height(), 25);
    QCOMPARE(form.StatusBar1->Panel(0)->width(), 418);
    QVERIFY(!form.StatusBar1->Panel(0)->accessibleName().isEmpty());
    QVERIFY(!form.StatusBar1->Panel(1)->accessibleName().isEmpty());

    struct Button {
      QToolButton* button;
      const char* name;
      const char* hint;
    };
    const std::vector<Button> buttons = {
        {form.SpeedButton_REC, "SpeedButton_REC", ""},
        {form.SpeedButton_OPEN, "SpeedButton_OPEN", "Открыть"},
        {form.SpeedButton_EXIT, "SpeedButton_EXIT", "Выход"},
        {form.SpeedButton_ABOUT, "SpeedButton_ABOUT", "О программе"},
    };
    int place = -1;
    for (const Button& b : buttons) {
      QCOMPARE(form.findChild<QToolButton*>(QString::fromLatin1(b.name)), b.button);
      QCOMPARE(b.button->size(), QSize(23, 23));
      QCOMPARE(b.button->toolTip(), Q(b.hint));
      QVERIFY(!b.button->icon().isNull());
      QVERIFY(!b.button->accessibleName().isEmpty());
      // Left to right in this order.
      QVERIFY(form.Panel_INSTR->layout()->indexOf(b.button) > place);
      place = form.Panel_INSTR->layout()->indexOf(b.button);
    }
    QCOMPARE(form.SpeedButton_REC->accessibleName(), Q("Считать информацию"));
  }

  void pageTreeHasEveryPage_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    const char* rows[][3] = {
        {"PageControl_Main", "TabSheet_Const", "Основная"},
        {"PageControl_Main", "TabSheet_Cikl", "Циклическая"},
        {"PageControl_Main", "TabSheet_Grafik", "Графики"},
        {"PageControl2", "TabSheet_Ident", "Служебная"},
        {"PageControl2", "TabSheet3", "Наработка"},
        {"PageControl_Cikl", "TabSheet_Osn", "Общая"},
        {"PageControl_Cikl", "TabSheet_Per", "Перегрузки"},
        {"PageControl_Cikl", "TabSheet_KDS", "КДС"},
        {"PageControl8", "TabSheet19", "Параметры"},
        {"PageControl8", "TabSheet20", "Координатная защита"},
    };
    for (const auto& row : rows)
      QTest::newRow(row[1]) << QString::fromLatin1(row[0]) << QString::fromLatin1(row[1])
                            << Q(row[2]);
  }

  void pageTreeHasEveryPage() {
    QFETCH(QString, control);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    auto* tabs = f_->form->findChild<QTabWidget*>(control);
    QVERIFY(tabs);
    auto* sheet = f_->form->findChild<QWidget*>(page);
    QVERIFY(sheet);
    const int index = tabs->indexOf(sheet);
    QVERIFY(index >= 0);
    QCOMPARE(tabs->tabText(index), caption);
    QCOMPARE(tabs->tabPosition(),
             control == QLatin1String("PageControl_Main") ? QTabWidget::North : QTabWidget::West);
  }

  void panelsSitOnTheirPages() {
    auto& form = *f_->form;
    QCOMPARE(form.Panel_Slugebnaya->parentWidget(), form.TabSheet_Ident);
    QCOMPARE(form.Panel_N->parentWidget(), form.TabSheet3);
    QCOMPARE(form.Panel_N->size(), QSize(585, 369));
    QCOMPARE(form.Go_KZ->text(), Q("Показать графики"));
    QCOMPARE(form.PopupMenu_GRAFIKI->actions(), QList<QAction*>{form.Go_KZ});
  }

  void mainMenuHasEveryItem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("menu");
    struct Row {
      const char* name;
      const char* caption;
      QKeySequence key;
      const char* menu;
    };
    const Row rows[] = {
        {"N_REC", "С&читать", QKeySequence(QStringLiteral("Ctrl+X")), "N1"},
        {"N_OPEN", "&Открыть...", QKeySequence(QStringLiteral("Ctrl+O")), "N1"},
        {"M_IK", "Информационная карта", {}, "N_PRINT"},
        {"M_Grf", "Графики параметров", {}, "N_PRINT"},
        {"M_Oper", "Оперативная информация", {}, "N_PRINT"},
        {"M_Per", "Перегрузки", {}, "N_PRINT"},
        {"M_KZ", "Грфики КЗ", {}, "N_PRINT"},
        {"N_KDSPAR", "КДС параметры", {}, "N_PRINT"},
        {"N_EXIT", "В&ыход", {}, "N1"},
        {"N_INSTR_PANEL", "&Инструментальная  панель", {}, "N7"},
        {"N_ABOUT", "&О программе", {}, "N12"},
    };
    for (const Row& r : rows)
      QTest::newRow(r.name) << QString::fromLatin1(r.name) << Q(r.caption) << r.key
                            << QString::fromLatin1(r.menu);
  }

  void mainMenuHasEveryItem() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, menu);
    auto* item = f_->form->findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    auto* owner = f_->form->findChild<QMenu*>(menu);
    QVERIFY(owner);
    QVERIFY(owner->actions().contains(item));
  }

  void mainMenuHasItsMenusInOrder() {
    auto& form = *f_->form;
    QCOMPARE(form.menuBar()->objectName(), QStringLiteral("MainMenu1"));
    const QList<QAction*> top = form.MainMenu1->actions();
    QCOMPARE(top.size(), 3);
    QCOMPARE(top[0]->menu(), form.N1);
    QCOMPARE(top[1]->menu(), form.N7);
    QCOMPARE(top[2]->menu(), form.N12);
    QCOMPARE(form.N1->title(), Q("&Файл"));
    QCOMPARE(form.N7->title(), Q("Вид"));
    QCOMPARE(form.N12->title(), Q("&?"));
    QCOMPARE(form.N_PRINT->title(), Q("&Печать"));
    const QList<QAction*> file = form.N1->actions();
    QCOMPARE(file.size(), 5);
    QCOMPARE(file[2]->menu(), form.N_PRINT);
    QVERIFY(file[3]->isSeparator());
    QCOMPARE(file[3]->objectName(), QStringLiteral("N15"));
    QCOMPARE(file[4], form.N_EXIT);
  }

  void toolBarTogglesFromTheViewMenu() {
    auto& form = *f_->form;
    QVERIFY(form.N_INSTR_PANEL->isCheckable());
    QVERIFY(form.N_INSTR_PANEL->isChecked());
    form.N_INSTR_PANELClick();
    QVERIFY(!form.N_INSTR_PANEL->isChecked());
    QVERIFY(form.Panel_INSTR->isHidden());
    form.N_INSTR_PANELClick();
    QVERIFY(form.N_INSTR_PANEL->isChecked());
    QVERIFY(!form.Panel_INSTR->isHidden());
    // Chosen from the menu, the item inverts its own mark.
    form.N_INSTR_PANEL->trigger();
    QVERIFY(!form.N_INSTR_PANEL->isChecked());
    QVERIFY(form.Panel_INSTR->isHidden());
    form.N_INSTR_PANEL->trigger();
    QVERIFY(!form.Panel_INSTR->isHidden());
  }

  void hiddenToolBarGivesItsSpaceToThePages() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int before = form.PageControl_Main->height();
    form.N_INSTR_PANELClick();
    QCoreApplication::processEvents();
    QCOMPARE(form.PageControl_Main->height(), before + 33);
  }

  void readCommandsStopWhenNoUnitIsConnected() {
    auto& form = *f_->form;
    // Tool button: the views are reset first.
    form.SetStatusText(0, QStringLiteral("/data/old.bin"));
    form.SaveDialog1.fileName = "/data/old.bin";
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Grafik);
    form.Timer1->stop();
    form.SpeedButton_REC->click();
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QVERIFY(form.Timer1->isActive());
    QVERIFY(form.SaveDialog1.fileName.empty());
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Const);

    // Menu item: no reset, so the save dialog keeps its name and the pages stay.
    form.SetStatusText(0, QStringLiteral("/data/old.bin"));
    form.SetStatusText(1, QStringLiteral("x"));
    form.SaveDialog1.fileName = "/data/old.bin";
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Grafik);
    form.Timer1->stop();
    form.N_REC->trigger();
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.SaveDialog1.fileName, std::string("/data/old.bin"));
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Grafik);
    // With no file named, nothing was opened.
    QVERIFY(f_->host.messages.empty());
  }

  void timerTickLooksForTheUnitAgain() {
    auto& form = *f_->form;
    form.SetStatusText(1, QStringLiteral("x"));
    form.Timer1Timer();
    QCOMPARE(f_->port.opens, 2);
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QVERIFY(form.Timer1->isActive());
  }

  void resetViewEmptiesTheFileFirstThenRunsPageStepsByStage() {
    auto& form = *f_->form;
    QStringList order;
    form.ResetSteps().Add(ResetStage::Graphs, [&] { order << QStringLiteral("graphs"); });
    form.ResetSteps().Add(ResetStage::ServiceLabels, [&] {
      order << QStringLiteral("labels:") + f_->Panel(0) +
                   QString::number(form.SaveDialog1.fileName.size());
    });
    form.ResetSteps().Add(ResetStage::Tables, [&] { order << QStringLiteral("tables"); });
    form.SetStatusText(0, QStringLiteral("/data/a.bin"));
    form.SaveDialog1.fileName = "/data/a.bin";
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Cikl);
    form.PageControl2->setCurrentWidget(form.TabSheet3);
    form.ResetView();
    QCOMPARE(order, (QStringList{QStringLiteral("labels:0"), QStringLiteral("tables"),
                                 QStringLiteral("graphs")}));
    QCOMPARE(form.PageControl_Main->currentWidget(), form.TabSheet_Const);
    QCOMPARE(form.PageControl2->currentWidget(), form.TabSheet_Ident);
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
  }

  void formResizeCentresThePanelsTruncatingTowardZero() {
    auto& form = *f_->form;
    form.TabSheet_Ident->resize(300, 200);
    form.Panel_Slugebnaya->resize(300, 200);
    form.FormResize();
    QCOMPARE(form.Panel_Slugebnaya->pos(), QPoint(0, 0));
    // (300 - 585) / 2 = -142.5 and (200 - 369) / 2 = -84.5, both cut toward zero.
    QCOMPARE(form.Panel_N->pos(), QPoint(-142, -84));
    form.TabSheet_Ident->resize(700, 500);
    form.FormResize();
    QCOMPARE(form.Panel_N->pos(), QPoint(57, 65));
  }

  void resizingTheWindowKeepsPanelNCentred() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const QSize size : {QSize(844, 643), QSize(420, 330), QSize(1000, 760)}) {
      form.resize(size);
      QCoreApplication::processEvents();
      const QSize page = form.TabSheet_Ident->size();
      QCOMPARE(form.TabSheet3->size(), page);
      QCOMPARE(form.Panel_Slugebnaya->geometry(), QRect(QPoint(0, 0), page));
      QCOMPARE(form.Panel_N->pos(), QPoint((page.width() - 585) / 2, (page.height() - 369) / 2));
    }
    // At the smallest size the page is smaller than the panel.
    form.resize(420, 330);
    QCoreApplication::processEvents();
    QVERIFY(form.Panel_N->y() < 0);
    // The hidden page follows while another page is shown.
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Grafik);
    form.resize(900, 700);
    QCoreApplication::processEvents();
    form.PageControl_Main->setCurrentWidget(form.TabSheet_Const);
    form.PageControl2->setCurrentWidget(form.TabSheet3);
    QCoreApplication::processEvents();
    const QSize page = form.TabSheet3->size();
    QCOMPARE(form.Panel_N->pos(), QPoint((page.width() - 585) / 2, (page.height() - 369) / 2));
  }

  void exitClosesTheWindow() {
    auto& form = *f_->form;
    form.show();
    form.SpeedButton_EXIT->click();
    QVERIFY(!form.isVisible());
    form.show();
    form.N_EXIT->trigger();
    QVERIFY(!form.isVisible());
  }

  void aboutGoesThroughTheHook() {
    f_->form->SpeedButton_ABOUT->click();
    f_->form->N_ABOUT->trigger();
    QCOMPARE(f_->aboutBoxes, 2);
  }

 private:
  std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
