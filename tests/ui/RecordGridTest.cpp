// The record grid paints its cells itself, and the table's scroll bar draws its resting look from
// cached pictures; what the user sees must stay what the table view and a plain scroll bar
// paint: the same pixels for a page, a turn to another page, a selected and a focused cell, a
// text too wide for its cell, an item changed on its own, in the window's bold value font, and
// the scroll bar at either end, beside them and anywhere between.

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <string>
#include <vector>

#include "common/ui/CachedScrollBar.h"
#include "common/ui/RecordGrid.h"
#include "common/ui/ValueStyle.h"

using vertal::GridColumns;
using vertal::ui::RecordGrid;

namespace {

constexpr int kColumns = 3;
constexpr int kRows = 4;
constexpr QSize kCell(72, 18);

// The same grid painted the table view's way, cell by cell through the item delegate.
class DelegatePaintedGrid : public RecordGrid {
 public:
  using RecordGrid::RecordGrid;

 protected:
  void paintEvent(QPaintEvent* event) override { QTableWidget::paintEvent(event); }
};

GridColumns Page(int first) {
  GridColumns columns;
  for (int c = 0; c < kColumns; ++c) {
    const std::string number = std::to_string(first + c);
    columns.push_back({number, "19.09.08", c == 1 ? "77.94" : "0.65", "НОРМА"});
  }
  return columns;
}

struct GridPair {
  GridPair() : own(kColumns, kRows, kCell, true), reference(kColumns, kRows, kCell, true) {
    QFont font(QStringLiteral("Liberation Sans"), 8);
    for (RecordGrid* grid : {static_cast<RecordGrid*>(&own), static_cast<RecordGrid*>(&reference)}) {
      grid->setFont(font);
      vertal::ui::StyleAsValue(grid);
      grid->show();
    }
  }
  // Takes the step on each grid and grabs it as the screen then holds it: only what the grid
  // repainted has changed. One grid at a time, since only one of them can have the focus.
  template <typename Step>
  bool SamePixelsAfter(Step step) {
    const QImage painted = Stepped(own, step);
    return !painted.isNull() && painted == Stepped(reference, step);
  }
  template <typename Step>
  static QImage Stepped(RecordGrid& grid, Step step) {
    grid.activateWindow();
    if (!QTest::qWaitForWindowActive(&grid)) return {};
    // Whether activation focuses the grid is up to the platform; the steps say it.
    grid.clearFocus();
    step(grid);
    QApplication::processEvents();
    return grid.grab().toImage();
  }
  RecordGrid own;
  DelegatePaintedGrid reference;
};

}  // namespace

class RecordGridTest : public QObject {
  Q_OBJECT

 private slots:
  void paintsWhatTheTableViewPaints() {
    GridPair grids;
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) { g.SetColumns(Page(270'331)); }));
    // Another page changes only some cells; a shorter page empties the rest.
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) { g.SetColumns(Page(1'045)); }));
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) { g.SetColumns({{"7"}}); }));
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) { g.SetColumns(Page(12)); }));

    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) {
      g.setFocus();
      g.setCurrentCell(2, 1);
    }));
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) {
      g.setFocus();
      QTest::keyClick(&g, Qt::Key_Down);
    }));
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) { g.clearFocus(); }));
    QVERIFY(grids.SamePixelsAfter([](RecordGrid& g) {
      g.item(1, 2)->setText(QStringLiteral("a text far wider than its cell"));
    }));
  }

  void scrollBarPaintsWhatAPlainOnePaints() {
    constexpr int kLast = 270'331;
    vertal::ui::CachedScrollBar own(Qt::Horizontal, nullptr);
    QScrollBar reference(Qt::Horizontal);
    for (QScrollBar* bar : {static_cast<QScrollBar*>(&own), &reference}) {
      bar->setRange(0, kLast);
      bar->setPageStep(5);
      bar->setFixedSize(380, 17);
    }
    for (int position : {0, 1, 2, 7'919, 135'165, kLast - 2, kLast - 1, kLast, 0}) {
      own.setValue(position);
      reference.setValue(position);
      QCOMPARE(own.grab().toImage(), reference.grab().toImage());
    }
    own.setEnabled(false);
    reference.setEnabled(false);
    QCOMPARE(own.grab().toImage(), reference.grab().toImage());
  }

  void tellsWhatItShows() {
    RecordGrid grid(kColumns, kRows, kCell, false);
    grid.SetColumns(Page(5));
    QCOMPARE(grid.item(0, 2)->text(), QStringLiteral("7"));
    QCOMPARE(grid.item(3, 1)->text(), QStringLiteral("НОРМА"));
    grid.SetColumns({{"1"}});
    QCOMPARE(grid.item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(grid.item(1, 0)->text(), QString());
    QCOMPARE(grid.item(0, 1)->text(), QString());
  }
};

QTEST_MAIN(RecordGridTest)
#include "RecordGridTest.moc"
