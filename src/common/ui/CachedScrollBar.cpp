#include "common/ui/CachedScrollBar.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace vertal::ui {
namespace {

bool IsOpaque(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 255) return false;
  return true;
}

}  // namespace

CachedScrollBar::CachedScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

bool CachedScrollBar::AtRest() const {
  return !underMouse() && !isSliderDown() &&
         QApplication::mouseButtons() == Qt::NoButton;
}

QPixmap CachedScrollBar::Picture(const QStyleOptionSlider& option) const {
  const qreal ratio = devicePixelRatioF();
  QPixmap picture(size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
  return picture;
}

void CachedScrollBar::paintEvent(QPaintEvent* event) {
  if (!AtRest()) {
    QScrollBar::paintEvent(event);
    return;
  }
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls = QStyle::SC_All;
  option.activeSubControls = QStyle::SC_None;
  // The style may draw the thumb's border just outside the thumb's rectangle.
  constexpr int kThumbOverhang = 2;
  const QRect thumb =
      style()
          ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this)
          .adjusted(-kThumbOverhang, -kThumbOverhang, kThumbOverhang, kThumbOverhang)
          .intersected(rect());
  const Look look{size(),
                  static_cast<int>(option.state),
                  palette().cacheKey(),
                  option.sliderPosition == option.minimum,
                  option.sliderPosition == option.maximum,
                  thumb.size(),
                  devicePixelRatioF()};
  if (!(look == look_) || groove_.isNull()) {
    // Drawn in the style's order, groove, thumb, arrows, since the thumb's border may reach
    // under an arrow.
    constexpr QStyle::SubControls kArrows = QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine;
    QStyleOptionSlider part = option;
    part.subControls &= ~(QStyle::SC_ScrollBarSlider | kArrows);
    groove_ = Picture(part);
    part.subControls = kArrows;
    arrows_ = Picture(part);
    grooveCoversAll_ = IsOpaque(groove_.toImage());
    part.subControls = QStyle::SC_ScrollBarSlider;
    const qreal ratio = look.pixelRatio;
    thumb_ = Picture(part).copy(QRectF(QPointF(thumb.topLeft()) * ratio, QSizeF(thumb.size()) * ratio).toRect());
    thumb_.setDevicePixelRatio(ratio);
    look_ = look;
  }
  // Where the groove hides whatever lies under the bar, the window need not paint the bar's
  // parents under it on every turn. The style's polish clears this, so it is set here.
  if (testAttribute(Qt::WA_OpaquePaintEvent) != grooveCoversAll_)
    setAttribute(Qt::WA_OpaquePaintEvent, grooveCoversAll_);
  QPainter painter(this);
  painter.drawPixmap(0, 0, groove_);
  painter.drawPixmap(thumb.topLeft(), thumb_);
  painter.drawPixmap(0, 0, arrows_);
}

}  // namespace vertal::ui
