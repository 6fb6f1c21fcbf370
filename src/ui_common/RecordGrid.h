#pragma once
// The grid of a paged table: one column per record, one row per shown field, text only, read
// only, no headers, every cell the same size. The user selects one cell at a time; a click on a
// cell (also on the cell already selected) or a move of the selection by the keyboard reports
// that cell once. A press that is dragged over other cells reports the cell where it is let go.

#include <QTableWidget>

namespace vertal::ui {

class RecordGrid : public QTableWidget {
  Q_OBJECT

 public:
  // `cellSize` is a cell's width and height without its grid line; `framed` draws a border.
  RecordGrid(int columns, int rows, QSize cellSize, bool framed, QWidget* parent = nullptr);

  // Distance from the grid's top edge to its first row, and from one row to the next.
  int FirstRowTop() const { return frameWidth(); }
  int RowPitch() const { return rowPitch_; }

 signals:
  void CellSelected(int column, int row);

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int rowPitch_;
  bool buttonDown_ = false;
};

}  // namespace vertal::ui
