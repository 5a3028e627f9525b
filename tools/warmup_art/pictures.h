// The warm-up window's pictures, each drawn into an image of the size the window shows it at.
#pragma once

#include <QFont>
#include <QImage>

namespace tavrel::warmup_art {

// Fonts by the families installed for "宋体" and "黑体".
QFont hei(double pixel_size, bool bold = false);
QFont song(double pixel_size, bool bold = false);

// The ten digits 0-9 side by side, 60 x 60 each: lit segments of a seven-segment display.
QImage draw_digits();
// The rabbit, 32 x 32 with transparency, peeping out of a hole.
QImage draw_rabbit();
// The fun game's start button, 72 x 32 with transparency.
QImage draw_start_button();
// The keypad, its toggle keys up or pressed.
QImage draw_keypad(bool pressed);
// The classic panel's background, 401 x 429.
QImage draw_classic_background();

// The face button's pictures, 40 x 40 on a grey ground that the window makes transparent.
QImage draw_face_start();
QImage draw_face_laugh();
QImage draw_face_cry();

}  // namespace tavrel::warmup_art
