#pragma once
// A scroll bar that draws its resting look from cached pictures of its groove, its thumb and its
// arrows. Turning a page then costs three copies instead of the style's gradients and arrows.
// While the bar is hovered or pressed the style draws it as usual, so every state the user can
// see while working it looks exactly as a plain scroll bar.

#include <QPixmap>
#include <QScrollBar>

class QStyleOptionSlider;

namespace vertal::ui {

class CachedScrollBar : public QScrollBar {
 public:
  CachedScrollBar(Qt::Orientation orientation, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // What the pictures depend on; a change of any of them draws them again.
  struct Look {
    QSize size;
    int state = 0;
    qint64 palette = 0;
    bool atMinimum = false;
    bool atMaximum = false;
    QSize thumb;
    qreal pixelRatio = 1;
    bool operator==(const Look&) const = default;
  };

  bool AtRest() const;
  QPixmap Picture(const QStyleOptionSlider& option) const;

  Look look_;
  QPixmap groove_;
  QPixmap thumb_;
  QPixmap arrows_;
  bool grooveCoversAll_ = false;
};

}  // namespace vertal::ui
