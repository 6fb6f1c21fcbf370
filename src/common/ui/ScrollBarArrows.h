#pragma once
// Left and Right on a horizontal scroll bar move it in the direction of the arrow: a scroll bar
// of Qt 6.4 inverts its controls for the wheel and for Up and Down, and with them Left and Right.

#include <QObject>

class QScrollBar;

namespace vertal::ui {

class ScrollBarArrows : public QObject {
 public:
  // Belongs to `bar`.
  explicit ScrollBarArrows(QScrollBar* bar);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QScrollBar* bar_;
};

}  // namespace vertal::ui
