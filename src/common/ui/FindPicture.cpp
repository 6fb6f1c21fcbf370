#include "common/ui/FindPicture.h"

#include <QPainter>
#include <QPixmap>

namespace vertal::ui {

namespace {
constexpr int kSize = 16;
const QColor kOutline(40, 40, 40);
const QColor kPage(250, 250, 240);
const QColor kLines(120, 120, 160);
const QColor kGlass(170, 215, 245, 200);
const QColor kHandle(150, 90, 40);
}  // namespace

QIcon FindPicture() {
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // The page with its rows.
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPage);
  p.drawRect(QRectF(0.5, 0.5, 10, 12));
  p.setPen(QPen(kLines, 1));
  for (double y : {3.5, 6.5, 9.5}) p.drawLine(QPointF(2.5, y), QPointF(8.5, y));
  // The glass and its handle.
  p.setPen(QPen(kHandle, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11.5, 11.5), QPointF(15, 15));
  p.setPen(QPen(kOutline, 1.5));
  p.setBrush(kGlass);
  p.drawEllipse(QPointF(8.5, 8.5), 4, 4);
  p.end();
  return QIcon(picture);
}

}  // namespace vertal::ui
