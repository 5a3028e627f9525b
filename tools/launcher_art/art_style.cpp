// Colours, fonts and small drawing helpers shared by all the launcher pictures.
#include "art_style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>
#include <array>

namespace tavrel::art {

QColor entry_accent(int entry) {
  static const std::array<QColor, 5> accents = {QColor(0x2b, 0x6c, 0xb0), QColor(0xdd, 0x6b, 0x20),
                                                QColor(0x2f, 0x85, 0x5a), QColor(0x6b, 0x46, 0xc1),
                                                QColor(0x0b, 0x7f, 0x95)};
  return accents.at(static_cast<std::size_t>(entry - 1));
}

QFont hei_font(double pixel_size, bool bold) {
  QFont font(QStringLiteral("WenQuanYi Zen Hei"));
  font.setPixelSize(static_cast<int>(pixel_size + 0.5));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont song_font(double pixel_size) {
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPixelSize(static_cast<int>(pixel_size + 0.5));
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void prepare_painter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void draw_soft_shadow(QPainter& painter, const QRectF& rect, double radius, int spread,
                      int strength) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  // Each ring is faint; together they fade out from the edge, offset a little downwards.
  for (int i = spread; i >= 1; --i) {
    const double t = static_cast<double>(i) / spread;
    const int alpha = static_cast<int>(strength * (1.0 - t) * (1.0 - t) / 2.0) + 1;
    painter.setPen(QPen(QColor(20, 40, 70, alpha), 2.0));
    const QRectF ring = rect.adjusted(-i, -i + 2, i, i + 2);
    painter.drawRoundedRect(ring, radius + i, radius + i);
  }
  painter.restore();
}

void draw_button(QPainter& painter, const QRectF& rect, const QString& label,
                 const ButtonLook& look) {
  painter.save();
  draw_soft_shadow(painter, rect, look.radius, 4, 50);
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0.0, look.top);
  fill.setColorAt(1.0, look.bottom);
  painter.setBrush(fill);
  painter.setPen(QPen(look.border, 1.0));
  const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
  painter.drawRoundedRect(body, look.radius, look.radius);
  // A thin light line under the top edge gives the button some relief.
  painter.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(body.adjusted(1, 1, -1, -1), look.radius - 1, look.radius - 1);
  painter.restore();
  draw_centred(painter, rect, label, hei_font(look.font_px, look.bold), look.text);
}

void draw_centred(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour) {
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
  painter.restore();
}

namespace {

// Breaks `text` into lines of `width`, placed `line_spacing` font heights apart; returns the
// height used.
double lay_out(QTextLayout& layout, double width, double line_spacing) {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  const double step = QFontMetricsF(layout.font()).height() * line_spacing;
  double y = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += step;
  }
  layout.endLayout();
  return y;
}

}  // namespace

double draw_wrapped(QPainter& painter, QPointF top_left, double width, const QString& text,
                    const QFont& font, const QColor& colour, double line_spacing) {
  QTextLayout layout(text, font);
  const double height = lay_out(layout, width, line_spacing);
  painter.save();
  painter.setPen(colour);
  layout.draw(&painter, top_left);
  painter.restore();
  return height;
}

double wrapped_height(double width, const QString& text, const QFont& font, double line_spacing) {
  QTextLayout layout(text, font);
  return lay_out(layout, width, line_spacing);
}

QColor mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

}  // namespace tavrel::art
