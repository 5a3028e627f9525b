// The drill window's own pictures, drawn at their sizes: face, vehicles, clock, marker, decoration.
#include "drills/drill_art.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "platform/fonts.h"

namespace tavrel::drills {

QPixmap draw_face(bool open) {
  QPixmap pixmap(60, 60);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(160, 110, 0), 2));
  p.setBrush(QColor(255, 214, 64));
  p.drawEllipse(QRectF(3, 3, 54, 54));
  p.setBrush(QColor(60, 40, 20));
  p.drawEllipse(QRectF(18, 19, 7, 9));
  p.drawEllipse(QRectF(35, 19, 7, 9));
  if (open) {
    p.setBrush(QColor(170, 30, 30));
    p.drawEllipse(QRectF(21, 36, 18, 13));
  } else {
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19, 30, 22, 14), 200 * 16, 140 * 16);
  }
  return pixmap;
}

QPixmap draw_vehicle(Vehicle vehicle) {
  QPixmap pixmap(88, 44);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 2));
  switch (vehicle) {
    case Vehicle::kBike:
      p.drawEllipse(QRectF(14, 22, 18, 18));
      p.drawEllipse(QRectF(54, 22, 18, 18));
      p.drawPolyline(
          QPolygonF({QPointF(23, 31), QPointF(36, 16), QPointF(55, 16), QPointF(63, 31)}));
      p.drawLine(QPointF(36, 16), QPointF(44, 31));
      p.drawLine(QPointF(44, 31), QPointF(55, 16));
      p.drawLine(QPointF(23, 31), QPointF(44, 31));
      p.drawLine(QPointF(57, 10), QPointF(55, 16));
      break;
    case Vehicle::kCar:
      p.setBrush(QColor(210, 40, 40));
      p.drawRoundedRect(QRectF(8, 18, 72, 16), 4, 4);
      p.drawPolygon(QPolygonF({QPointF(24, 18), QPointF(32, 7), QPointF(56, 7), QPointF(66, 18)}));
      p.setBrush(QColor(40, 40, 40));
      p.drawEllipse(QRectF(17, 28, 13, 13));
      p.drawEllipse(QRectF(57, 28, 13, 13));
      break;
    case Vehicle::kPlane:
      p.setBrush(QColor(60, 120, 210));
      p.drawRoundedRect(QRectF(8, 18, 72, 9), 4, 4);
      p.drawPolygon(
          QPolygonF({QPointF(36, 20), QPointF(50, 20), QPointF(40, 40), QPointF(32, 40)}));
      p.drawPolygon(QPolygonF({QPointF(36, 25), QPointF(50, 25), QPointF(40, 4), QPointF(32, 4)}));
      p.drawPolygon(QPolygonF({QPointF(8, 20), QPointF(16, 20), QPointF(10, 9), QPointF(5, 9)}));
      break;
  }
  return pixmap;
}

QPixmap draw_clock() {
  QPixmap pixmap(44, 44);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 60, 120), 3));
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(3, 3, 38, 38));
  p.setPen(QPen(QColor(30, 30, 30), 2));
  p.drawLine(QPointF(22, 22), QPointF(22, 10));
  p.drawLine(QPointF(22, 22), QPointF(31, 26));
  return pixmap;
}

QPixmap draw_marker() {
  QPixmap pixmap(17, 17);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 0, 0));
  p.drawPolygon(QPolygonF({QPointF(1, 2), QPointF(16, 2), QPointF(8.5, 15)}));
  return pixmap;
}

QPixmap draw_decoration() {
  QPixmap pixmap(156, 112);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, 112);
  ground.setColorAt(0, QColor(0x2f, 0x6f, 0xb8));
  ground.setColorAt(1, QColor(0x8f, 0xc8, 0xf0));
  p.fillRect(pixmap.rect(), ground);
  QFont title = tavrel::hei_font(24);
  title.setBold(true);
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 14, 156, 40), Qt::AlignCenter, QStringLiteral("Tavrel码"));
  p.setFont(tavrel::song_font(16));
  p.setPen(QColor(0xff, 0xf0, 0xa0));
  p.drawText(QRect(0, 58, 156, 24), Qt::AlignCenter, QStringLiteral("字词训练"));
  p.setFont(tavrel::song_font(12));
  p.setPen(Qt::white);
  p.drawText(QRect(0, 84, 156, 20), Qt::AlignCenter, QStringLiteral("小键盘 · 数字编码"));
  return pixmap;
}

QPixmap transparent_picture(const QPixmap& picture) {
  if (picture.isNull()) return picture;
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
  }
  return QPixmap::fromImage(image);
}

}  // namespace tavrel::drills
