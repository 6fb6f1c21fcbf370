#pragma once
// The grid of a paged table: one column per record, one row per shown field, text only, read
// only, no headers, every cell the same size. The user selects one cell at a time; a click on a
// cell (also on the cell already selected) or a move of the selection by the keyboard reports
// that cell once. A press that is dragged over other cells reports the cell where it is let go.
//
// A page turn replaces every text at once, so the grid paints its plain cells itself from texts
// laid out once per change; only the selected, focused or hovered cell and a text too wide for
// its cell go through the item delegate. What it paints is what the table view would paint.
// Assistive tools see it as Qt's table: the hidden headers carry the row and column names.

#include <QTableWidget>
#include <vector>

#include "common/core/PageControls.h"
#include "common/ui/LineLayout.h"

namespace vertal::ui {

class RecordGrid : public QTableWidget {
  Q_OBJECT

 public:
  // `cellSize` is a cell's width and height without its grid line; `framed` draws a border.
  RecordGrid(int columns, int rows, QSize cellSize, bool framed, QWidget* parent = nullptr);

  // Distance from the grid's top edge to its first row, and from one row to the next.
  int FirstRowTop() const { return frameWidth(); }
  int RowPitch() const { return rowPitch_; }

  // Shows a page: column c, row r takes columns[c][r]; a cell the columns leave out is emptied.
  // Each column is named, for assistive tools, by its first cell (the record's number), and
  // the grid's description names the records of the page.
  void SetColumns(const GridColumns& columns);
  // Names the rows for assistive tools; the headers stay hidden.
  void SetRowNames(const QStringList& names);

 signals:
  void CellSelected(int column, int row);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct LaidOutText {
    LaidOutLine line;
    bool fits = true;   // no elision needed: the fast path draws it
    bool stale = true;  // the item's text changed since it was laid out
  };

  LaidOutText& Laid(int row, int column);
  void MarkStale(const QModelIndex& first, const QModelIndex& last);
  void MarkAllStale();
  void DescribePage();
  // The cells the item delegate paints: selected, current in a focused grid, under the mouse.
  QModelIndexList SpecialCells() const;
  void PaintThroughDelegate(QPainter& painter, QStyleOptionViewItem option,
                            const QModelIndex& index) const;

  int rowPitch_;
  bool buttonDown_ = false;
  std::vector<LaidOutText> laid_;  // row by row
  LineLayout layout_;
};

}  // namespace vertal::ui
