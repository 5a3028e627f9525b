// The short looping animation shown in the launcher while the tutorial entry is hovered.
#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <vector>

namespace tavrel::art {

inline constexpr QSize kIntroSize{129, 129};

struct AnimationFrame {
  QImage image;
  int delay_cs = 10;  // hundredths of a second
};

struct IntroAnimation {
  std::vector<QRgb> palette;  // made for these colours, so edges stay clean in 256 colours
  std::vector<AnimationFrame> frames;
};

// A character in a writing box whose four corners light up one after another; each sends a
// coloured dot down into its code slot, "/" ends the code and the character is entered.
IntroAnimation make_intro_animation();

}  // namespace tavrel::art
