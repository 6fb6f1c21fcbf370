#include "ui_common/RecordGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace vertal::ui {

namespace {
constexpr int kGridLine = 1;  // each cell is followed by its grid line
constexpr int kBorderLine = 1;
}  // namespace

RecordGrid::RecordGrid(int columns, int rows, QSize cellSize, bool framed, QWidget* parent)
    : QTableWidget(rows, columns, parent), rowPitch_(cellSize.height() + kGridLine) {
  const int columnPitch = cellSize.width() + kGridLine;
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->hide();
    header->setMinimumSectionSize(1);
    header->setSectionResizeMode(QHeaderView::Fixed);
  }
  horizontalHeader()->setDefaultSectionSize(columnPitch);
  verticalHeader()->setDefaultSectionSize(rowPitch_);

  setFrameStyle(framed ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  setLineWidth(kBorderLine);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setFixedSize(columns * columnPitch + 2 * frameWidth(), rows * rowPitch_ + 2 * frameWidth());
}

void RecordGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableWidget::currentChanged(current, previous);
  // While the button is down the selection may still move; the release reports where it ends.
  if (!buttonDown_ && current.isValid()) emit CellSelected(current.column(), current.row());
}

void RecordGrid::mousePressEvent(QMouseEvent* event) {
  // Only the left button selects; the right one opens the pop-up menu where the cell stands.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  buttonDown_ = true;
  QTableWidget::mousePressEvent(event);
}

void RecordGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !buttonDown_) return;
  buttonDown_ = false;
  const QModelIndex current = currentIndex();
  if (current.isValid()) emit CellSelected(current.column(), current.row());
}

}  // namespace vertal::ui
