// Colours, fonts and small drawing helpers shared by all the launcher pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace tavrel::art {

// The program's blues, from the header band down to the faint tints of panels.
namespace colours {
inline const QColor kNavy{0x1b, 0x3f, 0x72};
inline const QColor kBlue{0x2b, 0x6c, 0xb0};
inline const QColor kSky{0x5b, 0x9b, 0xd5};
inline const QColor kPale{0xe8, 0xf0, 0xfa};
inline const QColor kPanel{0xf7, 0xf9, 0xfc};
inline const QColor kBorder{0xb4, 0xc8, 0xe0};
inline const QColor kInk{0x23, 0x2f, 0x3e};
inline const QColor kMuted{0x5f, 0x6b, 0x7a};
inline const QColor kAccent{0xf0, 0x9a, 0x24};
}  // namespace colours

// The colour that marks menu entry `entry` (1..5) on the face and in its preview.
QColor entry_accent(int entry);

// A 黑体-style face for headings, labels and screen text.
QFont hei_font(double pixel_size, bool bold = false);
// A 宋体-style face for the occasional printed-page look.
QFont song_font(double pixel_size);

// Turns on the render hints every picture wants.
void prepare_painter(QPainter& painter);

// A soft shadow under a rounded rectangle, built from stacked translucent outlines.
void draw_soft_shadow(QPainter& painter, const QRectF& rect, double radius, int spread = 8,
                      int strength = 40);

// A rounded button: vertical gradient, fine border, one-pixel highlight, centred label.
struct ButtonLook {
  QColor top;
  QColor bottom;
  QColor border;
  QColor text;
  double radius = 8;
  double font_px = 18;
  bool bold = false;
};
void draw_button(QPainter& painter, const QRectF& rect, const QString& label,
                 const ButtonLook& look);

// Text centred in `rect` with no wrapping.
void draw_centred(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                  const QColor& colour);

// `text` wrapped into `width` starting at `top_left`; returns the height used.
double draw_wrapped(QPainter& painter, QPointF top_left, double width, const QString& text,
                    const QFont& font, const QColor& colour, double line_spacing = 1.25);

// The height draw_wrapped() would use for the same arguments.
double wrapped_height(double width, const QString& text, const QFont& font,
                      double line_spacing = 1.25);

// Mixes `a` towards `b` by `t` (0 gives a, 1 gives b).
QColor mix(const QColor& a, const QColor& b, double t);

}  // namespace tavrel::art
