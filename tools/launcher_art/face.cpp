// The launcher's background picture: title, menu labels, panels and keypad decoration.
#include "face.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "art_style.h"
#include "keypad.h"

namespace tavrel::art {
namespace {

constexpr int kHeaderHeight = 100;
// The white card that holds the menu, the preview panel and the animation well.
const QRectF kCardRect(58, 112, 464, 458);
// The right-hand showcase: keypad, tagline and legend.
constexpr double kShowcaseCentreX = 768;

void draw_background(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kFaceSize.height());
  sky.setColorAt(0.0, QColor(0xf1, 0xf6, 0xfc));
  sky.setColorAt(1.0, QColor(0xd6, 0xe4, 0xf3));
  p.fillRect(QRect(QPoint(0, 0), kFaceSize), sky);

  // Large faint discs on the right keep the empty space from looking flat.
  p.setPen(Qt::NoPen);
  const struct {
    QPointF centre;
    double radius;
    int alpha;
  } discs[] = {{{930, 210}, 230, 34}, {{640, 620}, 170, 26}, {{1000, 600}, 140, 30}};
  for (const auto& d : discs) {
    QRadialGradient glow(d.centre, d.radius);
    glow.setColorAt(0.0, QColor(255, 255, 255, d.alpha * 4));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(d.centre, d.radius, d.radius);
  }
}

// A small keypad-like mark: a rounded tile with a 3 x 3 grid of dots, one of them lit.
void draw_logo(QPainter& p, const QRectF& tile) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(tile, 12, 12);
  const double step = tile.width() / 4;
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRectF cell(tile.left() + step * (col + 0.5) + 2, tile.top() + step * (row + 0.5) + 2,
                        step - 4, step - 4);
      p.setBrush(row == 1 && col == 1 ? colours::kAccent : colours::kBlue);
      p.drawRoundedRect(cell, 3, 3);
    }
  }
  p.restore();
}

void draw_header(QPainter& p) {
  const QRectF band(0, 0, kFaceSize.width(), kHeaderHeight);
  QLinearGradient fill(band.topLeft(), band.topRight());
  fill.setColorAt(0.0, colours::kNavy);
  fill.setColorAt(1.0, colours::kBlue);
  p.fillRect(band, fill);
  // A thin warm line separates the band from the page.
  p.fillRect(QRectF(0, kHeaderHeight - 3, kFaceSize.width(), 3), colours::kAccent);

  // Faint keypad digits on the right of the band, as a watermark.
  p.save();
  p.setFont(hei_font(46, true));
  p.setPen(QColor(255, 255, 255, 24));
  p.drawText(QRectF(640, 0, 340, kHeaderHeight - 3), Qt::AlignRight | Qt::AlignVCenter,
             QStringLiteral("789 456 123"));
  p.restore();

  draw_logo(p, QRectF(58, 20, 58, 58));

  p.save();
  p.setFont(hei_font(40, true));
  const QRectF title(136, 12, 720, 52);
  p.setPen(QColor(0, 0, 0, 70));
  p.drawText(title.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Tavrel码输入法教学训练软件"));
  p.setPen(Qt::white);
  p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tavrel码输入法教学训练软件"));
  p.setFont(hei_font(16));
  p.setPen(QColor(0xd4, 0xe4, 0xf7));
  p.drawText(QRectF(138, 64, 720, 24), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("小键盘数字编码汉字输入 · 从入门到熟练"));
  p.restore();
}

void draw_card(QPainter& p) {
  draw_soft_shadow(p, kCardRect, 14, 10, 60);
  p.setPen(QPen(QColor(0xc9, 0xd7, 0xe8), 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(kCardRect, 14, 14);

  // The preview panel: plain and light, framed just outside the picture it will show.
  const QRectF preview = QRectF(kPreviewRect).adjusted(-1.5, -1.5, 1.5, 1.5);
  p.setPen(QPen(colours::kBorder, 1.0));
  p.setBrush(colours::kPanel);
  p.drawRoundedRect(preview, 4, 4);

  // The animation well under the menu, likewise left empty.
  const QRectF well = QRectF(kAnimationRect).adjusted(-1.5, -1.5, 1.5, 1.5);
  p.drawRoundedRect(well, 4, 4);

  // A faint rule between the menu and the well.
  p.setPen(QPen(QColor(0xdc, 0xe5, 0xf0), 1.0));
  p.drawLine(QPointF(80, 413.5), QPointF(192, 413.5));
}

void draw_menu(QPainter& p) {
  const ButtonLook look{.top = QColor(0xff, 0xff, 0xff),
                        .bottom = QColor(0xdd, 0xe8, 0xf6),
                        .border = QColor(0x8f, 0xae, 0xd3),
                        .text = colours::kNavy,
                        .radius = 8,
                        .font_px = 18,
                        .bold = true};
  for (std::size_t i = 0; i < kMenuButtons.size(); ++i) {
    const FaceButton& b = kMenuButtons[i];
    draw_button(p, b.rect, QString::fromUtf8(b.label), look);
    // A short stripe in the entry's own colour ties the button to its preview's heading.
    const QRectF stripe(b.rect.left() + 1, b.rect.top() + 9, 4, b.rect.height() - 18);
    p.setPen(Qt::NoPen);
    p.setBrush(entry_accent(static_cast<int>(i) + 1));
    p.drawRoundedRect(stripe, 2, 2);
  }
}

void draw_legend_item(QPainter& p, QPointF at, const QString& key, const QColor& key_colour,
                      const QString& text) {
  const QRectF chip(at.x(), at.y(), 30, 24);
  p.setPen(Qt::NoPen);
  p.setBrush(key_colour);
  p.drawRoundedRect(chip, 5, 5);
  draw_centred(p, chip, key, hei_font(14, true), Qt::white);
  p.save();
  p.setFont(hei_font(14));
  p.setPen(colours::kInk);
  p.drawText(QRectF(chip.right() + 6, chip.top(), 110, chip.height()),
             Qt::AlignLeft | Qt::AlignVCenter, text);
  p.restore();
}

void draw_showcase(QPainter& p) {
  KeypadLook look;
  look.label_scale = 1.05;
  draw_keypad(p, QRectF(kShowcaseCentreX - 135, 128, 270, 350), look);

  draw_centred(p, QRectF(kShowcaseCentreX - 220, 494, 440, 36),
               QStringLiteral("数字编码 · 小键盘输入 · 循序渐进"), hei_font(24, true),
               colours::kNavy);

  // What the keys mean while typing, in one row under the tagline.
  const double top = 546;
  draw_legend_item(p, {kShowcaseCentreX - 214, top}, QStringLiteral("0-9"), colours::kBlue,
                   QStringLiteral("编码数字"));
  draw_legend_item(p, {kShowcaseCentreX - 72, top}, QStringLiteral("/"), colours::kAccent,
                   QStringLiteral("字码结束"));
  draw_legend_item(p, {kShowcaseCentreX + 70, top}, QStringLiteral("*"), colours::kAccent,
                   QStringLiteral("词码结束"));
}

void draw_footer(QPainter& p) {
  p.setPen(QPen(QColor(0xb9, 0xcb, 0xe0), 1.0));
  p.drawLine(QPointF(58, 620.5), QPointF(944, 620.5));

  p.save();
  p.setFont(hei_font(14));
  p.setPen(colours::kMuted);
  p.drawText(QRectF(60, 639, 420, 34), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("提示：将鼠标移到左侧项目上，可看到该项内容的介绍。"));
  p.restore();

  const ButtonLook look{.top = QColor(0x4a, 0x8a, 0xcf),
                        .bottom = QColor(0x25, 0x5f, 0xa3),
                        .border = QColor(0x1d, 0x4c, 0x85),
                        .text = Qt::white,
                        .radius = 7,
                        .font_px = 16};
  for (const FaceButton& b : kBottomButtons) {
    draw_button(p, b.rect, QString::fromUtf8(b.label), look);
  }
}

}  // namespace

QImage draw_face() {
  QImage image(kFaceSize, QImage::Format_RGB32);
  QPainter p(&image);
  prepare_painter(p);
  draw_background(p);
  draw_header(p);
  draw_card(p);
  draw_menu(p);
  draw_showcase(p);
  draw_footer(p);
  return image;
}

}  // namespace tavrel::art
