// The frame of the main window: its start-up state, menus and tool bar, the commands that need
// no dump file, the view reset, and the widgets every page model names.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <string_view>

#include "MainWindowFixture.h"
#include "app/ui/ReadoutController.h"
#include "dump/core/ServicePages.h"
#include "events/core/KdsRecords.h"
#include "events/core/OverloadRecords.h"
#include "frames/core/FrameSearch.h"
#include "frames/core/FrameTable.h"
#include "frames/core/PeriodScan.h"

using vertal::testing::DumpBuilder;
using vertal::testing::MainWindowFixture;
using vertal::testing::Q;

namespace {

// Records every control name a page model gives.
struct NameList {
  std::vector<std::string> names;
  template <typename Value>
  void operator()(std::string_view name, const Value&) {
    names.emplace_back(name);
  }
};

template <typename Model>
std::vector<std::string> NamesOf(const Model& model) {
  NameList list;
  VisitControls(model, list);
  return list.names;
}

}  // namespace

// Waits, driving the event loop, until a readout that runs has ended.
static void WaitForReadout(vertal::app::MainWindow& form) {
  QSignalSpy ended(&form.Reader(), &vertal::app::ReadoutController::ended);
  if (form.Reader().Running()) QVERIFY(ended.wait(30'000));
}

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<MainWindowFixture>(); }
  void cleanup() { f_.reset(); }

  void startsWithNoFileAndNoUnit() {
    auto& form = *f_->form;
    QCOMPARE(form.windowTitle(), Q("Анализ данных регистратора параметров VERTAL"));
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QCOMPARE(f_->port.opens, 1);
    QVERIFY(f_->Find<QTimer>("Timer1")->isActive());
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Const"));
    QCOMPARE(f_->CurrentSheet("PageControl2"), f_->Sheet("TabSheet_Ident"));
    // The service page only shows: the mouse passes through it and it takes no focus, while it
    // stays enabled for assistive tools. The load spectrum page takes clicks.
    QWidget* service = f_->Sheet("TabSheet_Ident");
    QVERIFY(service->isEnabled());
    QVERIFY(service->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(service->focusPolicy(), Qt::NoFocus);
    QVERIFY(f_->Sheet("TabSheet3")->isEnabled());
    QVERIFY(f_->host.messages.empty());
    QVERIFY(f_->host.openDialogs.empty());
    QCOMPARE(form.RecorderVersion(), std::int8_t{0});
  }

  void everyControlAPageModelNamesHasItsWidgetOnItsPage() {
    const vertal::dump::ServicePages service = vertal::dump::EmptyServicePages();
    vertal::events::KdsPageModel kds;
    kds.search = vertal::events::KdsSearchModel{};
    const std::pair<const char*, std::vector<std::string>> pages[] = {
        {"ServicePage", NamesOf(service.service)},
        {"TabSheet3", NamesOf(service.load)},
        {"FrameTablePage", NamesOf(vertal::frames::PeriodPanelModel{})},
        {"FrameTablePage", NamesOf(vertal::frames::FrameSearchModel{})},
        {"FrameTablePage", {std::string(vertal::frames::FrameTableLayout().grid)}},
        {"OverloadPage", NamesOf(vertal::events::OverloadSearchModel{})},
        {"OverloadPage", {std::string(vertal::events::OverloadTableLayout().grid)}},
        {"KdsPage", NamesOf(vertal::events::KdsSearchModel{})},
        {"KdsPage", NamesOf(kds)},
        {"ServicePage",
         std::vector<std::string>(vertal::dump::kVersion31Rows.begin(),
                                  vertal::dump::kVersion31Rows.end())},
    };
    for (const auto& [pageName, names] : pages) {
      QWidget* page = f_->Find(pageName);
      QVERIFY(!names.empty());
      for (const std::string& name : names)
        QVERIFY2(page->findChild<QWidget*>(QString::fromStdString(name)),
                 qPrintable(QString::fromStdString(name) + Q(" on ") + Q(pageName)));
    }
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
    QTabWidget* tabs = f_->Tabs(control.toLatin1().constData());
    const int index = tabs->indexOf(f_->Sheet(page.toLatin1().constData()));
    QVERIFY(index >= 0);
    QCOMPARE(tabs->tabText(index), caption);
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
    auto* item = f_->Find<QAction>(name.toLatin1().constData());
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QVERIFY(f_->Find<QMenu>(menu.toLatin1().constData())->actions().contains(item));
  }

  void menusStandInOrderWithTheirTitles() {
    QStringList titles;
    for (QAction* top : f_->Find<QMenuBar>("MainMenu1")->actions()) titles << top->text();
    QCOMPARE(titles, (QStringList{Q("&Файл"), Q("Вид"), Q("&?")}));
    QCOMPARE(f_->Find<QMenu>("N_PRINT")->title(), Q("&Печать"));
    // "Выход" closes the file menu, below a separator.
    const QList<QAction*> file = f_->Find<QMenu>("N1")->actions();
    QCOMPARE(file.last(), f_->Find<QAction>("N_EXIT"));
    QVERIFY(file[file.size() - 2]->isSeparator());
  }

  void toolButtonsShowTheirHints() {
    const std::pair<const char*, const char*> buttons[] = {
        {"SpeedButton_REC", ""},
        {"SpeedButton_OPEN", "Открыть"},
        {"SpeedButton_EXIT", "Выход"},
        {"SpeedButton_ABOUT", "О программе"},
    };
    for (const auto& [name, hint] : buttons) {
      auto* button = f_->Find<QToolButton>(name);
      QCOMPARE(button->toolTip(), Q(hint));
      QVERIFY(!button->icon().isNull());
      QVERIFY(!button->accessibleName().isEmpty());
    }
    QCOMPARE(f_->Find<QToolButton>("SpeedButton_REC")->accessibleName(), Q("Считать информацию"));
  }

  void toolBarTogglesFromTheViewMenu() {
    auto& form = *f_->form;
    auto* item = f_->Find<QAction>("N_INSTR_PANEL");
    QWidget* panel = f_->Find("Panel_INSTR");
    QVERIFY(item->isCheckable());
    QVERIFY(item->isChecked());
    form.OnToolPanelToggle();
    QVERIFY(!item->isChecked());
    QVERIFY(panel->isHidden());
    form.OnToolPanelToggle();
    QVERIFY(item->isChecked());
    QVERIFY(!panel->isHidden());
    // Chosen from the menu, the item inverts its own mark.
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(panel->isHidden());
    item->trigger();
    QVERIFY(!panel->isHidden());
  }

  void hiddenToolBarGivesItsSpaceToThePages() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTabWidget* pages = f_->Tabs("PageControl_Main");
    const int before = pages->height();
    const int panel = f_->Find("Panel_INSTR")->height();
    form.OnToolPanelToggle();
    QCoreApplication::processEvents();
    QCOMPARE(pages->height(), before + panel);
  }

  void readCommandsStopWhenNoUnitIsConnected() {
    auto& form = *f_->form;
    auto* timer = f_->Find<QTimer>("Timer1");
    // Tool button: the views are reset first.
    form.OpenFile("/data/old.bin");  // current, though it cannot be read
    f_->ShowSheet("TabSheet_Grafik");
    timer->stop();
    f_->Find<QToolButton>("SpeedButton_REC")->click();
    WaitForReadout(form);
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QVERIFY(timer->isActive());
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Const"));

    // Menu item: no reset, so the pages stay.
    form.OpenFile("/data/old.bin");
    f_->host.messages.clear();
    form.SetStatusText(1, QStringLiteral("x"));
    f_->ShowSheet("TabSheet_Grafik");
    timer->stop();
    f_->Find<QAction>("N_REC")->trigger();
    WaitForReadout(form);
    QCOMPARE(f_->Panel(0), QStringLiteral("/data/old.bin"));
    QCOMPARE(f_->Panel(1), Q(" Устройство не подключено"));
    QVERIFY(timer->isActive());
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Grafik"));
    // The file named stays current and is not read again.
    QVERIFY(f_->host.messages.empty());
  }

  void timerTickLooksForTheUnitAgain() {
    // A tick that finds the link as before leaves the last message readable.
    f_->form->SetStatusText(1, QStringLiteral("x"));
    f_->form->OnReconnectTick();
    QCOMPARE(f_->port.opens, 2);
    QCOMPARE(f_->Panel(1), QStringLiteral("x"));
    QVERIFY(f_->Find<QTimer>("Timer1")->isActive());
  }

  void resetViewEmptiesTheFileFirstAndReadsNothing() {
    auto& form = *f_->form;
    DumpBuilder dump;
    dump.LoadCycles(0, 1, 5);
    const std::string path = f_->Open(dump);
    QVERIFY(!f_->Find<QLineEdit>("Edit_N_10")->text().isEmpty());
    f_->ShowSheet("TabSheet_KDS");
    f_->ShowSheet("TabSheet3");
    f_->ShowSheet("TabSheet_Cikl");
    const QString status = f_->Panel(1);
    // Every page moves back to its first record: with the file still current, each move
    // would read the file that is gone and say so.
    std::filesystem::remove(path);
    form.ResetView();
    QCOMPARE(f_->Panel(0), QString());
    QCOMPARE(f_->Panel(1), status);
    QCOMPARE(f_->CurrentSheet("PageControl_Main"), f_->Sheet("TabSheet_Const"));
    QCOMPARE(f_->CurrentSheet("PageControl2"), f_->Sheet("TabSheet_Ident"));
    QCOMPARE(f_->Find<QLineEdit>("Edit_N_10")->text(), QString());
    QCOMPARE(f_->Find<QLabel>("Label_ModVERTAL")->text(), QString());
    QVERIFY(f_->host.messages.empty());
  }

  void resizingTheWindowKeepsPanelNCentred() {
    auto& form = *f_->form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget* ident = f_->Sheet("TabSheet_Ident");
    QWidget* load = f_->Sheet("TabSheet3");
    QWidget* service = f_->Find("Panel_Slugebnaya");
    QWidget* panelN = f_->Find("Panel_N");
    const auto centred = [panelN](QSize page) {
      // Halves are cut toward zero.
      return QPoint((page.width() - panelN->width()) / 2, (page.height() - panelN->height()) / 2);
    };
    for (const QSize size : {QSize(844, 643), QSize(420, 330), QSize(1000, 760)}) {
      form.resize(size);
      QCoreApplication::processEvents();
      const QSize page = ident->size();
      QCOMPARE(load->size(), page);
      QCOMPARE(service->geometry(), QRect(QPoint(0, 0), page));
      QCOMPARE(panelN->pos(), centred(page));
    }
    // The hidden page follows while another page is shown.
    f_->ShowSheet("TabSheet_Grafik");
    form.resize(900, 700);
    QCoreApplication::processEvents();
    f_->ShowSheet("TabSheet3");
    QCOMPARE(panelN->pos(), centred(load->size()));
  }

  void exitClosesTheWindow() {
    auto& form = *f_->form;
    form.show();
    f_->Find<QToolButton>("SpeedButton_EXIT")->click();
    QVERIFY(!form.isVisible());
    form.show();
    f_->Find<QAction>("N_EXIT")->trigger();
    QVERIFY(!form.isVisible());
  }

  void aboutGoesThroughTheHook() {
    f_->Find<QToolButton>("SpeedButton_ABOUT")->click();
    f_->Find<QAction>("N_ABOUT")->trigger();
    QCOMPARE(f_->aboutBoxes, 2);
  }

 private:
  std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
