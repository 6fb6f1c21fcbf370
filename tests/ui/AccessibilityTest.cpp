// The window as assistive tools meet it: every value of the service page and the status bar
// reads its caption and its value and is available, the frame grid names its rows and
// columns and follows a page turn, a graph describes what it draws; and the keys that page
// the tables, move a graph and switch the side tabs.

#include <QAccessible>
#include <QCheckBox>
#include <QTabBar>
#include <QTest>

#include "FramePageFixture.h"
#include "graphs/ui/GraphChart.h"
#include "records/ui/PagedTableView.h"

using vertal::testing::DumpBuilder;
using vertal::testing::FindIn;
using vertal::testing::FramePageFixture;
using vertal::testing::LimiterIdent;
using vertal::testing::Q;
using vertal::testing::WorkFrame;

namespace {

QAccessibleInterface* Interface(QObject* object) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  if (!face) QTest::qFail("no accessible interface", __FILE__, __LINE__);
  return face;
}

// What a screen reader reads of a value: its name, its value and its text.
QStringList Read(QObject* object) {
  QAccessibleInterface* face = Interface(object);
  QAccessibleTextInterface* text = face->textInterface();
  return {face->text(QAccessible::Name), face->text(QAccessible::Value),
          text ? text->text(0, text->characterCount()) : QString()};
}

DumpBuilder Recording() {
  DumpBuilder b;
  b.Limiter(0, LimiterIdent{"0412", 5, 3, 12, 2, 31, "Вертал"});
  for (int n : {5, 60, 268300, 270335}) b.Frame(n, WorkFrame());
  return b;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { f_ = std::make_unique<FramePageFixture>(); }
  void cleanup() { f_.reset(); }

  void valuesGridsAndGraphsReadWhatTheyShow() {
    const std::string path = f_->OpenShown(Recording());

    // Service page: each value reads caption and value, and none is unavailable or takes focus.
    int read = 0;
    for (QLabel* caption : f_->Find("Panel_Slugebnaya")->findChildren<QLabel*>()) {
      QWidget* value = caption->buddy();
      if (!value) continue;
      const QString shown = static_cast<QLabel*>(value)->text();
      QCOMPARE(Read(value), (QStringList{caption->text(), shown, shown}));
      QVERIFY(!Interface(value)->state().disabled);
      read += shown.isEmpty() ? 0 : 1;
    }
    QVERIFY(read > 0);
    QCOMPARE(Read(f_->Find("Label_ModVERTAL"))[1], Q("VERTAL-5"));
    QWidget* sheet = f_->Sheet("TabSheet_Ident");
    QVERIFY(!Interface(sheet)->state().disabled);
    for (QWidget* widget : sheet->findChildren<QWidget*>())
      QCOMPARE(widget->focusPolicy(), Qt::NoFocus);

    // Status bar and the period's first line.
    QCOMPARE(Read(f_->Find("StatusBar1_Panel0")), (QStringList{Q("Файл"), Q(path), Q(path)}));
    QVERIFY(!Read(f_->Find("Label_NR"))[1].isEmpty());

    // Each table names its rows by the captions beside them, top to bottom.
    const auto tables = f_->form->findChildren<vertal::ui::PagedTableView*>();
    QCOMPARE(tables.size(), 3);
    for (const vertal::ui::PagedTableView* view : tables) {
      QAccessibleTableInterface* rows = Interface(view->Grid())->tableInterface();
      const QList<QLabel*> captions = view->CaptionPanel()->findChildren<QLabel*>();
      for (int r = 0; r < view->Grid()->rowCount(); ++r)
        QCOMPARE(rows->rowDescription(r), captions[r]->text());
    }

    // Frame grid: columns by their record numbers, and a description of the page shown.
    QAccessibleTableInterface* table = Interface(f_->Grid())->tableInterface();
    QCOMPARE(table->rowDescription(13), Q("Момент загрузки, %"));
    // The offscreen platform has no accessibility bridge, so Qt drops every change event before
    // a handler could see it; what a reader reads again after the turn is checked instead.
    f_->ScrollBar()->setValue(50);
    QCOMPARE(table->columnDescription(1), Q("51"));
    QAccessibleInterface* grid = Interface(f_->Grid());
    QCOMPARE(grid->text(QAccessible::Name), Q("Общая"));
    QCOMPARE(grid->text(QAccessible::Description), Q("Номер кадра: с 50 по 54"));

    // Parameter graph: title, the frames of its window and its shown series.
    auto* chart = f_->Find<vertal::graphs::GraphChart>("Chart_Param");
    const QString described = Interface(chart)->text(QAccessible::Description);
    QVERIFY2(described.startsWith(chart->Title() + Q(". Кадры с 268288 по 270335.")),
             qPrintable(described));
    QVERIFY(described.contains(Q("Процент загрузки M (%): от ")));
    QVERIFY(!described.contains(Q("Вылет R (м.)")));
    f_->Find<QCheckBox>("CheckBox_GrParR")->click();
    QVERIFY(Interface(chart)->text(QAccessible::Description).contains(Q("Вылет R (м.): от ")));
    QCOMPARE(Interface(f_->Find("CheckBox_GrParM"))->text(QAccessible::Name),
             Q("M(t) — Процент загрузки M (%)"));
  }

  void keysPageTablesMoveGraphsAndSwitchSideTabs() {
    f_->OpenShown(Recording());
    QTableWidget* grid = f_->Grid();
    QScrollBar* bar = f_->ScrollBar();
    QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
    bar->setValue(0);
    grid->setCurrentCell(0, 0);
    const int last = grid->columnCount() - 1;
    struct Step {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      int position;
    };
    const Step steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, bar->pageStep()},
        {Qt::Key_PageUp, Qt::NoModifier, 0},
        {Qt::Key_End, Qt::ControlModifier, bar->maximum()},
        {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_End, Qt::NoModifier, 0},  // the last column of the page
        {Qt::Key_Right, Qt::NoModifier, 1},
        {Qt::Key_Left, Qt::NoModifier, 1},
    };
    for (const Step& step : steps) {
      QTest::keyClick(grid, step.key, step.modifiers);
      QCOMPARE(bar->value(), step.position);
    }
    QCOMPARE(grid->currentColumn(), last - 1);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->value(), 2);

    auto* graphBar = f_->Find<QScrollBar>("ScrollBarGPar");
    graphBar->setValue(1000);
    QTest::keyClick(graphBar, Qt::Key_Right);
    QCOMPARE(graphBar->value(), 1001);
    QTest::keyClick(graphBar, Qt::Key_Left);
    QTest::keyClick(graphBar, Qt::Key_Left);
    QCOMPARE(graphBar->value(), 999);

    QTabBar* sideTabs = f_->Tabs("PageControl_Cikl")->tabBar();
    QCOMPARE(sideTabs->currentIndex(), 0);
    QTest::keyClick(sideTabs, Qt::Key_Down);
    QCOMPARE(sideTabs->currentIndex(), 1);
    QTest::keyClick(sideTabs, Qt::Key_Up);
    QTest::keyClick(sideTabs, Qt::Key_Up);
    QCOMPARE(sideTabs->currentIndex(), 0);
  }

 private:
  std::unique_ptr<FramePageFixture> f_;
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
