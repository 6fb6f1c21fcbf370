#include "app/ui/ButtonPictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace vertal::app {

namespace {

using Drawing = std::function<void(QPainter&)>;

QImage Draw(int size, const Drawing& draw) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return image;
}

// The disabled state: the picture in light grey, keeping its shape.
QImage Disabled(const QImage& normal) {
  QImage image = normal.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int alpha = qAlpha(line[x]);
      if (alpha == 0) continue;
      const int grey = 128 + qGray(line[x]) / 3;
      line[x] = qRgba(grey, grey, grey, alpha * 3 / 4);
    }
  }
  return image;
}

QIcon TwoStates(const Drawing& draw) {
  const QImage normal = Draw(kButtonPictureSize, draw);
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
  icon.addPixmap(QPixmap::fromImage(Disabled(normal)), QIcon::Disabled);
  return icon;
}

const QColor kOutline(40, 40, 40);

}  // namespace

QIcon ReadPicture() {
  return TwoStates([](QPainter& p) {
    // The processing unit with its display.
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(80, 100, 135));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 6), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 120));
    p.drawRect(QRectF(3.5, 3.5, 6, 2));
    p.setBrush(QColor(250, 80, 60));
    p.drawEllipse(QPointF(12, 4.5), 1, 1);
    // The information coming down out of it.
    p.setBrush(QColor(205, 35, 35));
    p.setPen(QPen(QColor(120, 20, 20), 0.8));
    QPainterPath arrow;
    arrow.moveTo(6.5, 8.5);
    arrow.lineTo(9.5, 8.5);
    arrow.lineTo(9.5, 11.5);
    arrow.lineTo(12.5, 11.5);
    arrow.lineTo(8, 15.5);
    arrow.lineTo(3.5, 11.5);
    arrow.lineTo(6.5, 11.5);
    arrow.closeSubpath();
    p.drawPath(arrow);
  });
}

QIcon OpenPicture() {
  return TwoStates([](QPainter& p) {
    p.setPen(QPen(QColor(140, 100, 20), 1));
    p.setBrush(QColor(235, 190, 70));
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7, 5);
    back.lineTo(12.5, 5);
    back.lineTo(12.5, 7);
    p.drawPath(back);
    p.setBrush(QColor(250, 220, 110));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4, 7.5);
    front.lineTo(15, 7.5);
    front.lineTo(12.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
  });
}

QIcon ExitPicture() {
  return TwoStates([](QPainter& p) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(150, 95, 50));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setBrush(QColor(230, 200, 90));
    p.drawEllipse(QPointF(8, 8.5), 0.9, 0.9);
    p.setPen(QPen(QColor(30, 130, 40), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(8, 5), QPointF(14.5, 5));
    p.drawLine(QPointF(12, 2.5), QPointF(14.5, 5));
    p.drawLine(QPointF(12, 7.5), QPointF(14.5, 5));
  });
}

QIcon AboutPicture() {
  return TwoStates([](QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 140), 1));
    p.setBrush(QColor(60, 120, 210));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QPixmap LogoPicture(int size) {
  const QImage image = Draw(size, [size](QPainter& p) {
    p.scale(size / 64.0, size / 64.0);
    // A round gauge in the background: the load moment indicator.
    p.setPen(QPen(QColor(30, 60, 110), 2));
    p.setBrush(QColor(225, 235, 248));
    p.drawEllipse(QRectF(2, 2, 60, 60));
    p.setPen(QPen(QColor(200, 40, 40), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(9, 9, 46, 46), 20 * 16, 40 * 16);
    p.setPen(QPen(QColor(240, 180, 40), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(9, 9, 46, 46), 60 * 16, 40 * 16);
    p.setPen(QPen(QColor(60, 170, 70), 5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(9, 9, 46, 46), 100 * 16, 60 * 16);
    // The crane: carrier, tower and boom with the hook rope.
    p.setPen(QPen(QColor(30, 30, 30), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(245, 170, 30));
    p.drawRect(QRectF(14, 46, 24, 6));
    p.drawRect(QRectF(20, 40, 8, 6));
    QPainterPath boom;
    boom.moveTo(22, 42);
    boom.lineTo(50, 16);
    boom.lineTo(52, 19);
    boom.lineTo(26, 44);
    boom.closeSubpath();
    p.drawPath(boom);
    p.drawLine(QPointF(51, 18), QPointF(51, 34));
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(48.5, 34, 5, 4));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QPointF(18, 53), 3, 3);
    p.drawEllipse(QPointF(34, 53), 3, 3);
  });
  return QPixmap::fromImage(image);
}

}  // namespace vertal::app
