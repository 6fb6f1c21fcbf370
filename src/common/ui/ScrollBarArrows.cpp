#include "common/ui/ScrollBarArrows.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace vertal::ui {

ScrollBarArrows::ScrollBarArrows(QScrollBar* bar) : QObject(bar), bar_(bar) {
  bar->installEventFilter(this);
}

bool ScrollBarArrows::eventFilter(QObject* watched, QEvent* event) {
  if (watched != bar_ || event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
  // The arrow points the way the handle goes: towards the end on the right in a left-to-right
  // layout, towards the start in a right-to-left one.
  const bool towardsEnd = (key == Qt::Key_Right) != bar_->isRightToLeft();
  bar_->triggerAction(towardsEnd ? QAbstractSlider::SliderSingleStepAdd
                                 : QAbstractSlider::SliderSingleStepSub);
  return true;
}

}  // namespace vertal::ui
