#pragma once
// A caption that acts as a button: a left click, or Space or Enter while it has the keyboard
// focus, reports `clicked`. It takes the focus with Tab, shows a focus frame and a pointing hand.

#include <QLabel>

namespace vertal::dump {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace vertal::dump
