// The small pictures in the middle of each preview, one function per menu entry.
#include "illustrations.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QString>
#include <QStringList>
#include <array>

#include "art_style.h"
#include "keypad.h"

namespace tavrel::art {
namespace {

// The four corners in the colours the drills use for them.
const std::array<QColor, 4> kCornerColours = {QColor(0xd9, 0x3b, 0x3b), QColor(0xe8, 0x9a, 0x10),
                                              QColor(0x2f, 0x9e, 0x55), QColor(0x2f, 0x6f, 0xd0)};

void draw_text(QPainter& p, const QRectF& rect, int flags, const QString& text, const QFont& font,
               const QColor& colour) {
  p.save();
  p.setFont(font);
  p.setPen(colour);
  p.drawText(rect, flags, text);
  p.restore();
}

// A framed window with a coloured title bar; returns the client area.
QRectF draw_window(QPainter& p, const QRectF& frame, const QString& title, const QColor& accent) {
  draw_soft_shadow(p, frame, 6, 5, 45);
  p.setPen(QPen(accent.darker(120), 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(frame, 6, 6);
  const QRectF bar(frame.left(), frame.top(), frame.width(), 20);
  // Rounded on top only: a rounded bar with its lower half squared off by a plain rectangle.
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRoundedRect(bar, 6, 6);
  p.drawRect(bar.adjusted(0, 10, 0, 0));
  draw_text(p, bar.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title, hei_font(11),
            Qt::white);
  return frame.adjusted(1, 21, -1, -1);
}

// A square writing grid with a character and its four corners marked and named.
void draw_corner_diagram(QPainter& p, const QRectF& box) {
  p.setPen(QPen(QColor(0xc9, 0x8a, 0x8a), 1.0));
  p.setBrush(QColor(0xff, 0xfb, 0xf5));
  p.drawRect(box);
  p.setPen(QPen(QColor(0xe0, 0xb5, 0xb5), 1.0, Qt::DashLine));
  p.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
  p.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
  draw_text(p, box, Qt::AlignCenter, QStringLiteral("码"), song_font(box.height() * 0.78),
            colours::kInk);

  const std::array<QPointF, 4> corners = {box.topLeft(), box.topRight(), box.bottomLeft(),
                                          box.bottomRight()};
  const std::array<QString, 4> names = {QStringLiteral("左上"), QStringLiteral("右上"),
                                        QStringLiteral("左下"), QStringLiteral("右下")};
  for (int i = 0; i < 4; ++i) {
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kCornerColours[i]);
    p.drawEllipse(corners[i], 6, 6);
    const bool left = i % 2 == 0;
    const QRectF label(left ? corners[i].x() - 36 : corners[i].x() + 8, corners[i].y() - 9, 28, 18);
    draw_text(p, label, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, names[i],
              hei_font(11, true), kCornerColours[i]);
  }
}

void draw_rabbit(QPainter& p, QPointF hole_centre, double size) {
  p.save();
  p.translate(hole_centre);
  const QColor fur(0xf4, 0xf1, 0xec);
  const QColor outline(0x8a, 0x7f, 0x74);
  p.setPen(QPen(outline, 1.0));
  // Ears first so the head overlaps their roots.
  for (double side : {-1.0, 1.0}) {
    p.save();
    p.translate(side * size * 0.22, -size * 0.95);
    p.rotate(side * 12);
    p.setBrush(fur);
    p.drawEllipse(QPointF(0, 0), size * 0.15, size * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xb8, 0xc0));
    p.drawEllipse(QPointF(0, size * 0.04), size * 0.07, size * 0.3);
    p.restore();
  }
  p.setBrush(fur);
  p.drawEllipse(QPointF(0, -size * 0.4), size * 0.4, size * 0.36);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x33, 0x2b, 0x26));
  p.drawEllipse(QPointF(-size * 0.15, -size * 0.46), size * 0.055, size * 0.07);
  p.drawEllipse(QPointF(size * 0.15, -size * 0.46), size * 0.055, size * 0.07);
  p.setBrush(QColor(0xe8, 0x7a, 0x8c));
  p.drawEllipse(QPointF(0, -size * 0.33), size * 0.06, size * 0.045);
  p.setBrush(QColor(0xf7, 0xc6, 0xcc, 170));
  p.drawEllipse(QPointF(-size * 0.26, -size * 0.3), size * 0.08, size * 0.05);
  p.drawEllipse(QPointF(size * 0.26, -size * 0.3), size * 0.08, size * 0.05);
  p.restore();
}

void draw_stopwatch(QPainter& p, QPointF centre, double radius, const QColor& accent) {
  p.setPen(Qt::NoPen);
  p.setBrush(accent.darker(115));
  p.drawRoundedRect(QRectF(centre.x() - 5, centre.y() - radius - 7, 10, 6), 2, 2);
  p.setPen(QPen(accent.darker(115), 3));
  p.setBrush(Qt::white);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), 1.2));
  for (int i = 0; i < 12; ++i) {
    p.save();
    p.translate(centre);
    p.rotate(i * 30);
    p.drawLine(QPointF(0, -radius + 3), QPointF(0, -radius + 6));
    p.restore();
  }
  p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(radius * 0.55, -radius * 0.45));
  p.setPen(QPen(colours::kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(0, -radius * 0.7));
}

// The small round mark at the left of a drill tile: a tick once passed, else the number.
void draw_drill_badge(QPainter& p, QPointF centre, int number, bool passed, bool current,
                      const QColor& accent) {
  p.setPen(Qt::NoPen);
  p.setBrush(passed || current ? QColor(Qt::white) : QColor(0xe6, 0xea, 0xef));
  if (passed) p.setBrush(accent);
  p.drawEllipse(centre, 7.5, 7.5);
  if (passed) {
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QList<QPointF>{centre + QPointF(-3.5, 0), centre + QPointF(-1, 2.8),
                                  centre + QPointF(3.8, -2.8)});
    return;
  }
  draw_text(p, QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter,
            QString::number(number), hei_font(number > 9 ? 8.5 : 10, true),
            current ? accent.darker(120) : colours::kMuted);
}

void draw_chip(QPainter& p, const QRectF& rect, const QString& text, const QColor& accent) {
  p.setPen(QPen(accent, 1.0));
  p.setBrush(mix(Qt::white, accent, 0.1));
  p.drawRoundedRect(rect, rect.height() / 2, rect.height() / 2);
  draw_text(p, rect, Qt::AlignCenter, text, hei_font(12, true), accent.darker(120));
}

}  // namespace

void draw_tutorial_illustration(QPainter& p, const QRectF& area, const QColor& accent) {
  const QRectF client =
      draw_window(p, area.adjusted(2, 2, -2, -4), QStringLiteral("Tavrel码入门教程"), accent);
  const QRectF contents(client.left(), client.top(), 82, client.height());
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xee, 0xf3, 0xfa));
  p.drawRect(contents);

  const QStringList chapters = {QStringLiteral("十种笔形"), QStringLiteral("四个角"),
                                QStringLiteral("全码"), QStringLiteral("简码"),
                                QStringLiteral("词编码")};
  for (int i = 0; i < chapters.size(); ++i) {
    const QRectF row(contents.left() + 4, contents.top() + 6 + i * 23, contents.width() - 8, 20);
    const bool current = i == 1;
    if (current) {
      p.setPen(Qt::NoPen);
      p.setBrush(accent);
      p.drawRoundedRect(row, 3, 3);
    }
    draw_text(p, row.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, chapters[i],
              hei_font(12), current ? QColor(Qt::white) : colours::kInk);
  }

  const QRectF page = client.adjusted(contents.width(), 0, 0, 0);
  const double side = 70;
  draw_corner_diagram(
      p, QRectF(page.center().x() - side / 2, page.center().y() - side / 2 + 2, side, side));
}

void draw_warmup_illustration(QPainter& p, const QRectF& area, const QColor& accent) {
  const QRectF board(area.left() + 2, area.top() + 2, 184, area.height() - 6);
  draw_soft_shadow(p, board, 10, 5, 45);
  QLinearGradient grass(board.topLeft(), board.bottomLeft());
  grass.setColorAt(0.0, QColor(0x9b, 0xd7, 0x70));
  grass.setColorAt(1.0, QColor(0x5f, 0xae, 0x48));
  p.setPen(QPen(QColor(0x4a, 0x8c, 0x38), 1.0));
  p.setBrush(grass);
  p.drawRoundedRect(board, 10, 10);

  // The holes sit where the keys sit; "Num" has none, which leaves sixteen. The rabbit comes
  // out under that empty place so its ears hide no other hole.
  const QRectF grid = board.adjusted(8, 10, -8, -2);
  const QString rabbit_key = QStringLiteral("7");  // under the empty "Num" place
  QPointF rabbit_hole;
  for (const KeypadKey& key : keypad_keys()) {
    if (key.role == KeyRole::kOther && key.label == QStringLiteral("Num")) continue;
    const QRectF cell = key_rect(key, grid, 4);
    const QPointF c(cell.center().x(), cell.bottom() - 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4b, 0x34, 0x22));
    p.drawEllipse(c, 16, 7.5);
    p.setBrush(QColor(0x2a, 0x1c, 0x12));
    p.drawEllipse(c + QPointF(0, 1), 13, 5.5);
    // The key's name sits in the hole, so the board stays readable when packed this tight.
    draw_text(p, QRectF(c.x() - 20, c.y() - 6, 40, 13), Qt::AlignCenter, key.label,
              hei_font(key.label.size() > 1 ? 9 : 11, true), QColor(0xff, 0xf3, 0xd6));
    if (key.label == rabbit_key) rabbit_hole = c;
  }
  draw_rabbit(p, rabbit_hole + QPointF(0, 1), 26);
  // The near rim of the hole covers the rabbit's chin.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4b, 0x34, 0x22));
  QPainterPath rim;
  rim.moveTo(rabbit_hole + QPointF(-16, 0));
  rim.arcTo(QRectF(rabbit_hole.x() - 16, rabbit_hole.y() - 7.5, 32, 15), 180, 180);
  rim.closeSubpath();
  p.drawPath(rim);

  const double right = board.right() + 10;
  const double width = area.right() - right;
  draw_stopwatch(p, QPointF(right + width / 2, area.top() + 34), 24, accent);
  draw_text(p, QRectF(right, area.top() + 64, width, 20), Qt::AlignCenter, QStringLiteral("1:00"),
            hei_font(16, true), colours::kInk);

  // A small ranking: three bars, the best on top.
  const std::array<double, 3> lengths = {1.0, 0.78, 0.6};
  for (int i = 0; i < 3; ++i) {
    const double y = area.top() + 94 + i * 17;
    draw_text(p, QRectF(right, y, 14, 13), Qt::AlignCenter, QString::number(i + 1),
              hei_font(11, true), accent.darker(110));
    p.setPen(Qt::NoPen);
    p.setBrush(mix(accent, Qt::white, 0.15 + 0.25 * i));
    p.drawRoundedRect(QRectF(right + 16, y + 2, (width - 18) * lengths[i], 9), 3, 3);
  }
}

void draw_drill_illustration(QPainter& p, const QRectF& area, const QColor& accent) {
  const QStringList drills = {
      QStringLiteral("简单"),     QStringLiteral("较难"),   QStringLiteral("彩色字"),
      QStringLiteral("全码字"),   QStringLiteral("稍难字"), QStringLiteral("一键简码"),
      QStringLiteral("二键简码"), QStringLiteral("二字词"), QStringLiteral("三字词"),
      QStringLiteral("四字词"),   QStringLiteral("一键词"), QStringLiteral("多字词")};
  constexpr int kPassed = 4;  // drills 1..4 done, the fifth under way
  const double gap = 5;
  const double tile_w = (area.width() - 2 * gap) / 3;
  const double tile_h = 22;
  for (int i = 0; i < drills.size(); ++i) {
    const QRectF tile(area.left() + (i % 3) * (tile_w + gap), area.top() + (i / 3) * (tile_h + gap),
                      tile_w, tile_h);
    const bool passed = i < kPassed;
    const bool current = i == kPassed;
    p.setPen(QPen(current ? accent.darker(115) : mix(accent, Qt::white, passed ? 0.4 : 0.7), 1.0));
    p.setBrush(current ? accent : passed ? mix(accent, Qt::white, 0.85) : QColor(Qt::white));
    p.drawRoundedRect(tile, 4, 4);
    draw_drill_badge(p, QPointF(tile.left() + 11, tile.center().y()), i + 1, passed, current,
                     accent);
    const QColor text = current ? QColor(Qt::white) : passed ? accent.darker(130) : colours::kMuted;
    draw_text(p, tile.adjusted(20, 0, -2, 0), Qt::AlignCenter, drills[i], hei_font(12), text);
  }

  const double row_y = area.top() + 4 * (tile_h + gap) + 10;
  draw_stopwatch(p, QPointF(area.left() + 14, row_y + 16), 12, accent);
  draw_text(p, QRectF(area.left() + 32, row_y + 4, 100, 24), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("稍难字  02:15"), hei_font(13, true), colours::kInk);
  draw_chip(p, QRectF(area.right() - 104, row_y + 5, 102, 22), QStringLiteral("速度 36 字/分"),
            accent);
}

void draw_article_illustration(QPainter& p, const QRectF& area, const QColor& accent) {
  const QRectF page = area.adjusted(2, 26, -2, -4);
  draw_soft_shadow(p, page, 3, 5, 45);
  p.setPen(QPen(QColor(0xcf, 0xd6, 0xe0), 1.0));
  p.setBrush(Qt::white);
  p.drawRect(page);

  draw_chip(p, QRectF(area.left() + 2, area.top(), 86, 20), QStringLiteral("计时 03:25"), accent);
  draw_chip(p, QRectF(area.right() - 104, area.top(), 102, 20), QStringLiteral("速度 42 字/分"),
            accent);

  // Each line: its text, how many characters are typed, and the marked words (start, length).
  struct Line {
    QString text;
    int typed;
    std::vector<std::pair<int, int>> words;
  };
  const std::array<Line, 4> lines = {{
      {QStringLiteral("春风吹过田野，柳枝轻轻摇动。"), 14, {{0, 2}, {4, 2}, {7, 2}, {9, 2}}},
      {QStringLiteral("小河边，孩子们正在放风筝，"), 6, {{0, 2}, {4, 3}, {7, 2}, {10, 2}}},
      {QStringLiteral("笑声随着风传得很远很远。"), 0, {{0, 2}, {2, 2}}},
      {QStringLiteral("田边的油菜花开得正好。"), 0, {{3, 3}}},
  }};
  const QFont font = song_font(15);
  const QFontMetricsF metrics(font);
  const double left = page.left() + 12;
  const double step = 26;
  p.setFont(font);
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    const Line& line = lines[i];
    const double base = page.top() + 24 + i * step;
    auto x_at = [&](int chars) { return left + metrics.horizontalAdvance(line.text.left(chars)); };
    // Marked words get a soft underline so word codes are thought of in time.
    p.setPen(QPen(mix(accent, Qt::white, 0.45), 2.0));
    for (const auto& [start, length] : line.words) {
      p.drawLine(QPointF(x_at(start) + 1, base + 5), QPointF(x_at(start + length) - 1, base + 5));
    }
    p.setPen(accent.darker(110));
    p.drawText(QPointF(left, base), line.text.left(line.typed));
    p.setPen(colours::kInk);
    p.drawText(QPointF(x_at(line.typed), base), line.text.mid(line.typed));
    if (i == 1) {
      const double x = x_at(line.typed);
      p.setPen(QPen(QColor(0xd9, 0x3b, 0x3b), 2.0));
      p.drawLine(QPointF(x, base - metrics.ascent()), QPointF(x, base + 3));
    }
  }
}

void draw_online_illustration(QPainter& p, const QRectF& area, const QColor& accent) {
  const QRectF window = area.adjusted(2, 2, -40, -4);
  const QRectF client = draw_window(p, window, QStringLiteral("Tavrel码"), accent);

  // Address bar with a small globe.
  const QRectF address(client.left() + 6, client.top() + 5, client.width() - 12, 16);
  p.setPen(QPen(QColor(0xcf, 0xd6, 0xe0), 1.0));
  p.setBrush(QColor(0xf5, 0xf7, 0xfa));
  p.drawRoundedRect(address, 8, 8);
  const QPointF globe(address.left() + 10, address.center().y());
  p.setPen(QPen(accent, 1.1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(globe, 5, 5);
  p.drawEllipse(globe, 2.2, 5);
  p.drawLine(globe + QPointF(-5, 0), globe + QPointF(5, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xd5, 0xdb, 0xe4));
  p.drawRoundedRect(QRectF(address.left() + 20, address.center().y() - 2.5, 110, 5), 2.5, 2.5);

  // The page: a banner and some paragraphs.
  const QRectF banner(client.left() + 6, address.bottom() + 6, client.width() - 12, 36);
  QLinearGradient band(banner.topLeft(), banner.topRight());
  band.setColorAt(0.0, accent);
  band.setColorAt(1.0, accent.lighter(140));
  p.setBrush(band);
  p.drawRoundedRect(banner, 4, 4);
  draw_text(p, banner.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Tavrel码"), hei_font(16, true), Qt::white);
  p.setBrush(QColor(0xdd, 0xe3, 0xeb));
  for (int i = 0; i < 5; ++i) {
    const double y = banner.bottom() + 10 + i * 11;
    const double w = (i % 3 == 2 ? 0.6 : 0.92) * banner.width();
    p.drawRoundedRect(QRectF(banner.left(), y, w, 5), 2.5, 2.5);
  }

  // Two speech bubbles at the window's edge stand for talking with other learners.
  auto bubble = [&](const QRectF& r, const QColor& fill, bool tail_left) {
    QPainterPath path;
    path.addRoundedRect(r, 9, 9);
    QPainterPath tail;
    const double tx = tail_left ? r.left() + 12 : r.right() - 12;
    tail.moveTo(tx - 5, r.bottom() - 2);
    tail.lineTo(tx + (tail_left ? -6 : 6), r.bottom() + 8);
    tail.lineTo(tx + 5, r.bottom() - 2);
    tail.closeSubpath();
    draw_soft_shadow(p, r, 9, 3, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path.united(tail));
    p.setBrush(Qt::white);
    for (int k = -1; k <= 1; ++k) p.drawEllipse(r.center() + QPointF(k * 9, 0), 2.6, 2.6);
  };
  bubble(QRectF(area.right() - 70, area.top() + 52, 52, 30), accent, true);
  bubble(QRectF(area.right() - 50, area.top() + 96, 48, 28), QColor(0xe8, 0x9a, 0x10), false);
}

}  // namespace tavrel::art
