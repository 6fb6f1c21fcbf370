#include "common/ui/TableKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScrollBar>
#include <optional>

namespace vertal::ui {

namespace {

using Action = QAbstractSlider::SliderAction;

// The turn a key asks for in a grid whose current cell stands in `column` of `columns`.
std::optional<Action> TurnOf(const QKeyEvent& key, int column, int columns) {
  const bool control = key.modifiers().testFlag(Qt::ControlModifier);
  switch (key.key()) {
    case Qt::Key_PageDown:
      return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_PageUp:
      return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_Home:
      if (control) return QAbstractSlider::SliderToMinimum;
      break;
    case Qt::Key_End:
      if (control) return QAbstractSlider::SliderToMaximum;
      break;
    case Qt::Key_Right:
      if (column == columns - 1) return QAbstractSlider::SliderSingleStepAdd;
      break;
    case Qt::Key_Left:
      if (column == 0) return QAbstractSlider::SliderSingleStepSub;
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

TableKeys::TableKeys(QAbstractItemView* grid, QScrollBar* scrollBar)
    : QObject(grid), grid_(grid), scrollBar_(scrollBar) {
  grid->installEventFilter(this);
}

bool TableKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != grid_ || event->type() != QEvent::KeyPress) return false;
  const QModelIndex current = grid_->currentIndex();
  const int column = current.isValid() ? current.column() : 0;
  const auto turn =
      TurnOf(*static_cast<QKeyEvent*>(event), column, grid_->model()->columnCount());
  if (!turn) return false;
  scrollBar_->triggerAction(*turn);
  return true;
}

}  // namespace vertal::ui
