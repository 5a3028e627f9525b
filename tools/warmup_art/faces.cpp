// Drawing of the face button's three faces: ready to start, laughing at a hit, crying at a miss.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "pictures.h"
#include "warmup/layout.h"

namespace tavrel::warmup_art {
namespace {

constexpr int kSize = tavrel::warmup::layout::kFaceSize;
constexpr int kScale = 4;                // drawn large, then scaled down for clean edges
const QColor kGround(0xc0, 0xc0, 0xc0);  // the window makes the bottom-left colour transparent
const QColor kInk(0x4a, 0x2c, 0x06);

// Calls `features` on a painter over a yellow face, drawn in units of the 40-pixel picture.
template <typename Features>
QImage face(Features features) {
  QImage large(kSize * kScale, kSize * kScale, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::transparent);
  {
    QPainter painter(&large);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    QRadialGradient light(QPointF(15, 13), 22);
    light.setColorAt(0, QColor(0xff, 0xf3, 0x8a));
    light.setColorAt(1, QColor(0xf6, 0xbc, 0x12));
    painter.setPen(QPen(QColor(0x9a, 0x6a, 0x00), 1.4));
    painter.setBrush(light);
    painter.drawEllipse(QRectF(2.5, 2.5, 35, 35));
    features(painter);
  }
  QImage small = large.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage result(kSize, kSize, QImage::Format_RGB32);
  result.fill(kGround);
  QPainter painter(&result);
  painter.drawImage(0, 0, small);
  painter.end();
  // The corner must stay exactly the ground colour.
  result.setPixelColor(0, kSize - 1, kGround);
  return result;
}

void cheeks(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xff, 0x7a, 0x6a, 110));
  painter.drawEllipse(QRectF(7, 22, 6, 4));
  painter.drawEllipse(QRectF(27, 22, 6, 4));
}

}  // namespace

QImage draw_face_start() {
  return face([](QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QRectF(12.5, 12, 4, 6));
    painter.drawEllipse(QRectF(23.5, 12, 4, 6));
    cheeks(painter);
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(12, 15, 16, 14), 200 * 16, 140 * 16);
  });
}

QImage draw_face_laugh() {
  return face([](QPainter& painter) {
    // Eyes shut with laughter.
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(10.5, 12, 8, 8), 20 * 16, 140 * 16);
    painter.drawArc(QRectF(21.5, 12, 8, 8), 20 * 16, 140 * 16);
    cheeks(painter);
    // A wide open mouth with a tongue.
    QPainterPath mouth;
    mouth.moveTo(11, 21);
    mouth.lineTo(29, 21);
    mouth.cubicTo(29, 33, 11, 33, 11, 21);
    painter.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0x8c, 0x1a, 0x14));
    painter.drawPath(mouth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0x8a, 0x8a));
    painter.drawEllipse(QRectF(16, 26, 8, 4.5));
  });
}

QImage draw_face_cry() {
  return face([](QPainter& painter) {
    // Raised inner brows, eyes, and a downturned mouth.
    painter.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 11), QPointF(16.5, 9));
    painter.drawLine(QPointF(30, 11), QPointF(23.5, 9));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QRectF(12.5, 13, 4, 5));
    painter.drawEllipse(QRectF(23.5, 13, 4, 5));
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(13, 25, 14, 10), 30 * 16, 120 * 16);
    // Tears.
    QPainterPath tear;
    tear.moveTo(0, -3.5);
    tear.cubicTo(2.5, 0, 2.5, 2.5, 0, 2.5);
    tear.cubicTo(-2.5, 2.5, -2.5, 0, 0, -3.5);
    painter.setPen(QPen(QColor(0x1d, 0x6f, 0xc4), 0.8));
    painter.setBrush(QColor(0x6c, 0xc4, 0xff));
    painter.drawPath(tear.translated(13.5, 22));
    painter.drawPath(tear.translated(26.5, 22));
  });
}

}  // namespace tavrel::warmup_art
