#include "app/ui/SideTabKeys.h"

#include <QKeyEvent>
#include <QTabBar>

namespace vertal::app {

SideTabKeys::SideTabKeys(QTabBar* tabs) : QObject(tabs), tabs_(tabs) {
  tabs->installEventFilter(this);
}

bool SideTabKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != tabs_ || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() != Qt::NoModifier) return false;
  int step = 0;
  if (key->key() == Qt::Key_Up) step = -1;
  if (key->key() == Qt::Key_Down) step = 1;
  if (step == 0) return false;
  // A disabled or hidden tab is passed over; the ends are not passed.
  for (int index = tabs_->currentIndex() + step; index >= 0 && index < tabs_->count();
       index += step) {
    if (tabs_->isTabEnabled(index) && tabs_->isTabVisible(index)) {
      tabs_->setCurrentIndex(index);
      break;
    }
  }
  return true;
}

}  // namespace vertal::app
