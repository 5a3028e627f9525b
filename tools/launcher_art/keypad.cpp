// The numeric keypad drawing used on the launcher face and in the previews.
#include "keypad.h"

#include <QLinearGradient>
#include <algorithm>

#include "art_style.h"

namespace tavrel::art {
namespace {

constexpr int kColumns = 4;
constexpr int kRows = 5;

struct KeyColours {
  QColor top;
  QColor bottom;
  QColor text;
};

KeyColours colours_for(const KeypadKey& key) {
  switch (key.role) {
    case KeyRole::kDigit:
      return {QColor(0xff, 0xff, 0xff), QColor(0xe3, 0xe9, 0xf1), colours::kInk};
    case KeyRole::kCodeEnd:
      return {QColor(0xf8, 0xbb, 0x5c), QColor(0xe8, 0x8a, 0x14), Qt::white};
    case KeyRole::kOther:
      break;
  }
  return {QColor(0xd9, 0xdf, 0xe8), QColor(0xbd, 0xc7, 0xd4), colours::kMuted};
}

void draw_key(QPainter& painter, const KeypadKey& key, const QRectF& rect, double unit,
              const KeypadLook& look) {
  const KeyColours c = colours_for(key);
  const double radius = unit * 0.14;
  const double lip = std::max(2.0, unit * 0.06);
  painter.setPen(Qt::NoPen);
  // The darker lip under the key face makes it read as a raised key.
  painter.setBrush(c.bottom.darker(135));
  painter.drawRoundedRect(rect, radius, radius);
  const QRectF face = rect.adjusted(0, 0, 0, -lip);
  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0.0, c.top);
  fill.setColorAt(1.0, c.bottom);
  painter.setBrush(fill);
  painter.drawRoundedRect(face, radius, radius);

  const bool word = key.label.size() > 1;
  const double px = unit * (word ? 0.22 : 0.42) * look.label_scale;
  draw_centred(painter, face, key.label, hei_font(px, !word), c.text);
}

}  // namespace

const std::vector<KeypadKey>& keypad_keys() {
  static const std::vector<KeypadKey> keys = {
      {"Num", 0, 0, 1, 1, KeyRole::kOther},
      {"/", 1, 0, 1, 1, KeyRole::kCodeEnd},
      {"*", 2, 0, 1, 1, KeyRole::kCodeEnd},
      {"-", 3, 0, 1, 1, KeyRole::kOther},
      {"7", 0, 1},
      {"8", 1, 1},
      {"9", 2, 1},
      {"+", 3, 1, 1, 2, KeyRole::kOther},
      {"4", 0, 2},
      {"5", 1, 2},
      {"6", 2, 2},
      {"1", 0, 3},
      {"2", 1, 3},
      {"3", 2, 3},
      {"Enter", 3, 3, 1, 2, KeyRole::kOther},
      {"0", 0, 4, 2, 1},
      {".", 2, 4, 1, 1, KeyRole::kOther},
  };
  return keys;
}

QRectF key_rect(const KeypadKey& key, const QRectF& grid, double gap) {
  const double w = (grid.width() - gap * (kColumns - 1)) / kColumns;
  const double h = (grid.height() - gap * (kRows - 1)) / kRows;
  return QRectF(grid.left() + key.column * (w + gap), grid.top() + key.row * (h + gap),
                w * key.column_span + gap * (key.column_span - 1),
                h * key.row_span + gap * (key.row_span - 1));
}

void draw_keypad(QPainter& painter, const QRectF& area, const KeypadLook& look) {
  // Fit the 4:5 grid plus an even housing margin into the area, centred.
  constexpr double kMarginRatio = 0.07;
  auto height_for = [&](double w) {
    const double m = w * kMarginRatio;
    return (w - 2 * m) / kColumns * kRows + 2 * m;
  };
  double width = area.width();
  if (height_for(width) > area.height()) width *= area.height() / height_for(width);
  const double height = height_for(width);
  const QRectF outer(area.center().x() - width / 2, area.center().y() - height / 2, width, height);
  const double margin = width * kMarginRatio;
  const QRectF grid = outer.adjusted(margin, margin, -margin, -margin);
  const double unit = grid.width() / kColumns;
  const double gap = unit * 0.12;

  painter.save();
  const double radius = unit * 0.25;
  draw_soft_shadow(painter, outer, radius, 10, 60);
  QLinearGradient body(outer.topLeft(), outer.bottomLeft());
  body.setColorAt(0.0, QColor(0x46, 0x5a, 0x74));
  body.setColorAt(1.0, QColor(0x26, 0x33, 0x45));
  painter.setPen(QPen(QColor(0x1a, 0x24, 0x32), 1.0));
  painter.setBrush(body);
  painter.drawRoundedRect(outer, radius, radius);
  for (const KeypadKey& key : keypad_keys()) {
    draw_key(painter, key, key_rect(key, grid, gap), unit, look);
  }
  painter.restore();
}

}  // namespace tavrel::art
