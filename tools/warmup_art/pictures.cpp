// Drawing of the digits, rabbit, start button, keypad and classic background.
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include "warmup/layout.h"

namespace tavrel::warmup_art {
namespace {

namespace layout = tavrel::warmup::layout;

constexpr int kDigitSize = layout::kDigitSize;

QImage transparent_image(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QRectF to_rect(const layout::Box& box) { return QRectF(box.left, box.top, box.width, box.height); }

// --- digits ---------------------------------------------------------------------------------

// A segment between two points along its axis: a long hexagon of the given thickness.
QPolygonF segment(QPointF from, QPointF to, double thickness) {
  const double half = thickness / 2;
  if (from.y() == to.y())
    return QPolygonF({from,
                      {from.x() + half, from.y() - half},
                      {to.x() - half, to.y() - half},
                      to,
                      {to.x() - half, to.y() + half},
                      {from.x() + half, from.y() + half}});
  return QPolygonF({from,
                    {from.x() + half, from.y() + half},
                    {to.x() + half, to.y() - half},
                    to,
                    {to.x() - half, to.y() - half},
                    {from.x() - half, from.y() + half}});
}

// Segments a-g of each digit, as bits 0-6.
constexpr unsigned kSegmentsOf[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void draw_digit(QPainter& painter, QPointF origin, int digit) {
  // Wide and bold, so that the digit still reads when the displays squeeze it to 16 x 25.
  const double left = origin.x() + 12, right = origin.x() + 48;
  const double top = origin.y() + 6, bottom = origin.y() + 54, middle = (top + bottom) / 2;
  const double t = 8, gap = 1.5, half = t / 2;
  const QPolygonF segments[7] = {
      segment({left + half + gap, top + half}, {right - half - gap, top + half}, t),        // a
      segment({right - half, top + half + gap}, {right - half, middle - gap}, t),           // b
      segment({right - half, middle + gap}, {right - half, bottom - half - gap}, t),        // c
      segment({left + half + gap, bottom - half}, {right - half - gap, bottom - half}, t),  // d
      segment({left + half, middle + gap}, {left + half, bottom - half - gap}, t),          // e
      segment({left + half, top + half + gap}, {left + half, middle - gap}, t),             // f
      segment({left + half + gap, middle}, {right - half - gap, middle}, t),                // g
  };
  const QColor off(0x22, 0x09, 0x05), glow(255, 70, 30, 80), lit(0xff, 0x4e, 0x26);
  for (int s = 0; s < 7; ++s) {
    const bool on = kSegmentsOf[digit] >> s & 1;
    if (on) {
      painter.setPen(QPen(glow, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter.setBrush(lit);
    } else {
      painter.setPen(Qt::NoPen);
      painter.setBrush(off);
    }
    painter.drawPolygon(segments[s]);
  }
  // A paler core makes the lit segments glow.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 170, 120, 150));
  for (int s = 0; s < 7; ++s) {
    if (!(kSegmentsOf[digit] >> s & 1)) continue;
    const QRectF bounds = segments[s].boundingRect();
    const bool across = bounds.width() > bounds.height();
    const QRectF core = across ? bounds.adjusted(half + 1, half - 1, -half - 1, -half + 1)
                               : bounds.adjusted(half - 1, half + 1, -half + 1, -half - 1);
    painter.drawRoundedRect(core, 1, 1);
  }
}

// --- rabbit ---------------------------------------------------------------------------------

void draw_rabbit_at_scale(QPainter& painter) {
  const QColor outline(0x7d, 0x74, 0x6c), fur(0xfb, 0xfb, 0xf8), shade(0xe4, 0xe0, 0xda);
  const QColor pink(0xf4, 0x9a, 0xb0), eye(0x3a, 0x1c, 0x22);
  painter.setPen(QPen(outline, 4));
  // Ears, leaning apart, with pink insides.
  for (int side : {-1, 1}) {
    painter.save();
    painter.translate(64 + side * 15, 36);
    painter.rotate(side * 12);
    painter.setBrush(fur);
    painter.drawEllipse(QRectF(-11, -34, 22, 64));
    painter.setPen(Qt::NoPen);
    painter.setBrush(pink);
    painter.drawEllipse(QRectF(-5, -26, 10, 48));
    painter.restore();
  }
  // Shoulders and paws on the rim of the hole.
  painter.setPen(QPen(outline, 4));
  painter.setBrush(shade);
  painter.drawEllipse(QRectF(22, 96, 84, 56));
  painter.setBrush(fur);
  painter.drawEllipse(QRectF(30, 106, 26, 20));
  painter.drawEllipse(QRectF(72, 106, 26, 20));
  // Head.
  QRadialGradient head_light(QPointF(56, 62), 44);
  head_light.setColorAt(0, Qt::white);
  head_light.setColorAt(1, shade);
  painter.setBrush(head_light);
  painter.drawEllipse(QRectF(30, 46, 68, 60));
  // Eyes with a highlight, cheeks, nose and mouth.
  painter.setPen(Qt::NoPen);
  painter.setBrush(eye);
  painter.drawEllipse(QRectF(45, 64, 11, 14));
  painter.drawEllipse(QRectF(72, 64, 11, 14));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(48, 66, 4, 4));
  painter.drawEllipse(QRectF(75, 66, 4, 4));
  painter.setBrush(QColor(0xf7, 0xb3, 0xc2, 170));
  painter.drawEllipse(QRectF(36, 80, 14, 9));
  painter.drawEllipse(QRectF(78, 80, 14, 9));
  painter.setBrush(pink.darker(115));
  painter.drawPolygon(QPolygonF({{58, 82}, {70, 82}, {64, 89}}));
  painter.setPen(QPen(outline, 3, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(56, 86, 8, 8), 180 * 16, 180 * 16);
  painter.drawArc(QRectF(64, 86, 8, 8), 180 * 16, 180 * 16);
}

// --- keypad ---------------------------------------------------------------------------------

void draw_key(QPainter& painter, const QRectF& box, const char* label, bool pressed) {
  const QRectF face =
      pressed ? box.adjusted(1.5, 2.5, -0.5, -0.5) : box.adjusted(0.5, 0.5, -1.5, -2.5);
  if (!pressed) {  // the key's side, visible below an unpressed key
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1e, 0x22, 0x28));
    painter.drawRoundedRect(box.adjusted(0.5, 2.5, -0.5, -0.5), 6, 6);
  }
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  if (pressed) {
    fill.setColorAt(0, QColor(0xff, 0xb5, 0x4a));
    fill.setColorAt(1, QColor(0xf0, 0x80, 0x16));
    painter.setPen(QPen(QColor(0xa4, 0x52, 0x00), 1));
  } else {
    fill.setColorAt(0, QColor(0xfa, 0xfa, 0xf8));
    fill.setColorAt(1, QColor(0xd2, 0xd5, 0xda));
    painter.setPen(QPen(QColor(0x86, 0x8b, 0x94), 1));
  }
  painter.setBrush(fill);
  painter.drawRoundedRect(face, 6, 6);
  const QString text = QString::fromLatin1(label);
  const bool word = text.size() > 1;
  painter.setFont(hei(word ? 12 : 19, true));
  painter.setPen(pressed ? QColor(Qt::white) : QColor(0x26, 0x2b, 0x33));
  painter.drawText(face, Qt::AlignCenter, text);
}

}  // namespace

QFont hei(double pixel_size, bool bold) {
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setPixelSize(static_cast<int>(pixel_size));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont song(double pixel_size, bool bold) {
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPixelSize(static_cast<int>(pixel_size));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QImage draw_digits() {
  QImage image(10 * kDigitSize, kDigitSize, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  prepare(painter);
  for (int d = 0; d < 10; ++d) draw_digit(painter, QPointF(d * kDigitSize, 0), d);
  return image;
}

QImage draw_rabbit() {
  // Drawn four times as large and scaled down, for clean edges at 32 pixels.
  QImage large = transparent_image(128, 128);
  {
    QPainter painter(&large);
    prepare(painter);
    draw_rabbit_at_scale(painter);
  }
  return large.scaled(layout::kRabbitSize, layout::kRabbitSize, Qt::IgnoreAspectRatio,
                      Qt::SmoothTransformation);
}

QImage draw_start_button() {
  const auto& box = layout::kStartButton;
  QImage image = transparent_image(box.width, box.height);
  QPainter painter(&image);
  prepare(painter);
  const QRectF body(1, 1, box.width - 2, box.height - 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawRoundedRect(body.translated(0, 1.5), 9, 9);
  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  fill.setColorAt(0, QColor(0xff, 0xc8, 0x5a));
  fill.setColorAt(1, QColor(0xf2, 0x7a, 0x10));
  painter.setPen(QPen(QColor(0xa8, 0x4c, 0x00), 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(body, 9, 9);
  painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
  painter.drawLine(QPointF(body.left() + 8, body.top() + 1.5),
                   QPointF(body.right() - 8, body.top() + 1.5));
  // A play mark, then the word.
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPolygon(QPolygonF({{15, 10}, {15, 22}, {25, 16}}));
  painter.setFont(hei(17, true));
  const QRectF words(27, 0, box.width - 31, box.height - 2);
  painter.setPen(QColor(0x8a, 0x3c, 0x00));
  painter.drawText(words.translated(0, 1), Qt::AlignCenter, QStringLiteral("开始"));
  painter.setPen(Qt::white);
  painter.drawText(words, Qt::AlignCenter, QStringLiteral("开始"));
  return image;
}

QImage draw_keypad(bool pressed) {
  const auto& box = layout::kKeypad;
  QImage image = transparent_image(box.width, box.height);
  QPainter painter(&image);
  prepare(painter);
  painter.setPen(QPen(QColor(0x16, 0x19, 0x1e), 1));
  QLinearGradient housing(0, 0, 0, box.height);
  housing.setColorAt(0, QColor(0x4a, 0x50, 0x5a));
  housing.setColorAt(1, QColor(0x33, 0x38, 0x40));
  painter.setBrush(housing);
  painter.drawRoundedRect(QRectF(0.5, 0.5, box.width - 1, box.height - 1), 8, 8);
  for (const auto& key : layout::kKeypadKeys)
    draw_key(painter, to_rect(key.box), key.label, pressed && key.button >= 0);
  return image;
}

QImage draw_classic_background() {
  QImage image(layout::kClientWidth, layout::kClientHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  prepare(painter);
  QLinearGradient sky(0, 0, 0, layout::kClientHeight);
  sky.setColorAt(0, QColor(0x2f, 0x66, 0x9c));
  sky.setColorAt(1, QColor(0x10, 0x2b, 0x4c));
  painter.fillRect(image.rect(), sky);
  // The top bar with the score, the face and the time.
  painter.fillRect(QRectF(0, 0, layout::kClientWidth, 49), QColor(0x13, 0x2f, 0x52));
  painter.fillRect(QRectF(0, 49, layout::kClientWidth, 1), QColor(0x5c, 0x8d, 0xc2));

  // A plate under the keypad.
  const QRectF keypad = to_rect(layout::kKeypad).adjusted(-5, -5, 5, 5);
  painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
  painter.setBrush(QColor(255, 255, 255, 22));
  painter.drawRoundedRect(keypad, 11, 11);

  // Which finger of the right hand takes which keys, on both sides of the keypad.
  struct Finger {
    const char* name;
    const char* keys;
  };
  const Finger left[] = {{"食指", "1  4  7"}, {"中指", "2  5  8  /"}, {"拇指", "0"}};
  const Finger right[] = {{"无名指", "3  6  9  *  ."}, {"小指", "-  +  Enter"}};
  auto column = [&](double x, double width, const Finger* fingers, int count, double top) {
    for (int i = 0; i < count; ++i) {
      const double y = top + i * 52;
      painter.setPen(QColor(0xff, 0xd8, 0x6b));
      painter.setFont(hei(14, true));
      painter.drawText(QRectF(x, y, width, 20), Qt::AlignCenter,
                       QString::fromUtf8(fingers[i].name));
      painter.setPen(Qt::white);
      painter.setFont(hei(13));
      painter.drawText(QRectF(x, y + 21, width, 20), Qt::AlignCenter,
                       QString::fromUtf8(fingers[i].keys));
    }
  };
  const double side_width = keypad.left() - 8 - 4;
  painter.setPen(QColor(0xc9, 0xdc, 0xf2));
  painter.setFont(hei(13));
  painter.drawText(QRectF(6, layout::kKeypad.top, side_width, 20), Qt::AlignCenter,
                   QStringLiteral("右手指法"));
  column(6, side_width, left, 3, layout::kKeypad.top + 30);
  column(keypad.right() + 6, side_width, right, 2, layout::kKeypad.top + 56);
  return image;
}

}  // namespace tavrel::warmup_art
