// The short looping animation shown in the launcher while the tutorial entry is hovered.
#include "intro_animation.h"

#include <QPainter>
#include <QString>
#include <array>
#include <cmath>

#include "art_style.h"
#include "gif_writer.h"

namespace tavrel::art {
namespace {

const QColor kBackground(Qt::white);
const QColor kBoxFill(0xff, 0xfb, 0xf5);
const QColor kBoxLine(0xc9, 0x8a, 0x8a);
const QColor kBoxGuide(0xe0, 0xb5, 0xb5);
const QColor kIdleCorner(0xc8, 0xd0, 0xda);
const QColor kDone(0x2f, 0x9e, 0x55);
// Left top, right top, left bottom, right bottom: the order the corners are taken in.
const std::array<QColor, 4> kCornerColours = {QColor(0xd9, 0x3b, 0x3b), QColor(0xe8, 0x9a, 0x10),
                                              QColor(0x2f, 0x9e, 0x55), QColor(0x2f, 0x6f, 0xd0)};

const QRectF kBox(33.5, 12.5, 62, 62);
constexpr double kSlotWidth = 20;
constexpr double kSlotHeight = 18;
constexpr double kSlotGap = 4;
constexpr double kSlotTop = 86.5;
const QRectF kCaption(0, 108, 129, 20);

// What one frame shows.
struct Scene {
  int lit_corners = 0;  // corners already taken, in order
  int flying = -1;      // the corner whose dot is on its way down, or -1
  double flight = 0;    // 0 at the corner, 1 in its slot
  bool ended = false;   // "/" pressed
  double entered = 0;   // 0..1, the character turning into an entered one
  QString caption;
};

QRectF slot_rect(int i) {
  const double total = 5 * kSlotWidth + 4 * kSlotGap;
  const double left = (kIntroSize.width() - total) / 2;
  return QRectF(left + i * (kSlotWidth + kSlotGap), kSlotTop, kSlotWidth, kSlotHeight);
}

QPointF corner_point(int i) {
  return QPointF(i % 2 == 0 ? kBox.left() : kBox.right(), i < 2 ? kBox.top() : kBox.bottom());
}

double ease(double t) { return t * t * (3 - 2 * t); }

void draw_box(QPainter& p, const Scene& s) {
  p.setPen(QPen(mix(kBoxLine, kDone, s.entered), 1.0));
  p.setBrush(mix(kBoxFill, QColor(0xe9, 0xf7, 0xee), s.entered));
  p.drawRect(kBox);
  p.setPen(QPen(mix(kBoxGuide, QColor(0xa8, 0xd8, 0xb8), s.entered), 1.0, Qt::DashLine));
  p.drawLine(QPointF(kBox.center().x(), kBox.top()), QPointF(kBox.center().x(), kBox.bottom()));
  p.drawLine(QPointF(kBox.left(), kBox.center().y()), QPointF(kBox.right(), kBox.center().y()));
  draw_centred(p, kBox, QStringLiteral("码"), song_font(48),
               mix(colours::kInk, kDone.darker(130), s.entered));
}

void draw_corners(QPainter& p, const Scene& s) {
  for (int i = 0; i < 4; ++i) {
    const QPointF c = corner_point(i);
    const bool lit = i < s.lit_corners || i == s.flying;
    if (i == s.flying) {
      // A ring spreads from the corner while its dot travels.
      QColor ring = kCornerColours[i];
      ring.setAlphaF(0.8 * (1 - s.flight));
      p.setPen(QPen(ring, 2.0));
      p.setBrush(Qt::NoBrush);
      const double r = 6 + 8 * s.flight;
      p.drawEllipse(c, r, r);
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(lit ? kCornerColours[i] : kIdleCorner);
    p.drawEllipse(c, 5.5, 5.5);
  }
}

void draw_slots(QPainter& p, const Scene& s) {
  for (int i = 0; i < 4; ++i) {
    const QRectF r = slot_rect(i);
    p.setPen(QPen(colours::kBorder, 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 4, 4);
    if (i < s.lit_corners) {
      p.setPen(Qt::NoPen);
      p.setBrush(kCornerColours[i]);
      p.drawEllipse(r.center(), 5, 5);
    }
  }
  const QRectF end = slot_rect(4);
  p.setPen(QPen(s.ended ? colours::kAccent.darker(115) : colours::kBorder, 1.0));
  p.setBrush(s.ended ? colours::kAccent : QColor(Qt::white));
  p.drawRoundedRect(end, 4, 4);
  draw_centred(p, end, QStringLiteral("/"), hei_font(14, true),
               s.ended ? QColor(Qt::white) : colours::kBorder);
}

void draw_flying_dot(QPainter& p, const Scene& s) {
  if (s.flying < 0) return;
  const QPointF from = corner_point(s.flying);
  const QPointF to = slot_rect(s.flying).center();
  const double t = ease(s.flight);
  // An arc rather than a straight line: the dot lifts a little before dropping.
  const QPointF at = from + (to - from) * t + QPointF(0, -14 * std::sin(t * M_PI));
  p.setPen(QPen(Qt::white, 1.2));
  p.setBrush(kCornerColours[s.flying]);
  p.drawEllipse(at, 5, 5);
}

QImage render(const Scene& s) {
  QImage image(kIntroSize, QImage::Format_RGB32);
  image.fill(kBackground);
  QPainter p(&image);
  prepare_painter(p);
  draw_box(p, s);
  draw_slots(p, s);
  draw_corners(p, s);
  draw_flying_dot(p, s);
  draw_centred(p, kCaption, s.caption, hei_font(12, true), colours::kMuted);
  return image;
}

// Ramps from the background to every colour used, then the standard palette for the rest.
std::vector<QRgb> make_palette() {
  const std::array<QColor, 13> inks = {colours::kInk,
                                       colours::kMuted,
                                       colours::kBorder,
                                       colours::kAccent,
                                       kBoxFill,
                                       kBoxLine,
                                       kBoxGuide,
                                       kIdleCorner,
                                       kDone.darker(130),
                                       kCornerColours[0],
                                       kCornerColours[1],
                                       kCornerColours[3],
                                       colours::kAccent.darker(115)};
  constexpr int kSteps = 15;
  std::vector<QRgb> palette = {kBackground.rgb()};
  for (const QColor& ink : inks) {
    for (int step = 1; step <= kSteps; ++step) {
      palette.push_back(mix(kBackground, ink, static_cast<double>(step) / kSteps).rgb());
    }
  }
  for (QRgb extra : standard_palette()) {
    if (palette.size() == 256) break;
    palette.push_back(extra);
  }
  return palette;
}

}  // namespace

IntroAnimation make_intro_animation() {
  const std::array<QString, 4> corner_names = {
      QStringLiteral("取左上角"), QStringLiteral("取右上角"), QStringLiteral("取左下角"),
      QStringLiteral("取右下角")};
  constexpr int kFlightFrames = 4;

  IntroAnimation animation;
  animation.palette = make_palette();
  auto add = [&animation](const Scene& s, int delay_cs) {
    animation.frames.push_back({render(s), delay_cs});
  };

  Scene s;
  s.caption = QStringLiteral("四角取码");
  add(s, 80);
  for (int corner = 0; corner < 4; ++corner) {
    s.caption = corner_names[corner];
    s.flying = corner;
    for (int f = 1; f <= kFlightFrames; ++f) {
      s.flight = static_cast<double>(f) / kFlightFrames;
      add(s, 8);
    }
    s.flying = -1;
    s.lit_corners = corner + 1;
    add(s, 25);
  }
  s.ended = true;
  s.caption = QStringLiteral("“/”结束字码");
  add(s, 50);
  s.caption = QStringLiteral("汉字上屏");
  for (int f = 1; f <= 3; ++f) {
    s.entered = f / 3.0;
    add(s, f < 3 ? 8 : 150);
  }
  return animation;
}

}  // namespace tavrel::art
