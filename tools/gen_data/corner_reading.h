// Reading a character's Tavrel code from its four-corner value and its strokes: which stroke
// stands at a corner, and how the rhyme counts it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tools/gen_data/strokes.h"

namespace tavrel::gen {

enum class Corner { kUpperLeft, kUpperRight, kLowerLeft, kLowerRight };

// What stands at a corner, as far as the digit change cares.
enum class Standing {
  kOther,              // the four-corner digit stands as it is
  kStraightVertical,   // a 垂 that is a 竖, 竖提, 竖折 ...: 2
  kFallingOrHooked,    // a 垂 that is a 撇 or ends in a left hook: 0
  kDotOverHorizontal,  // 亠 at an upper corner: its dot, 3
};

// The Tavrel digit for a four-corner digit and what stands at its corner.
char tavrel_digit(char four_corner_digit, Standing standing);

// True for a stroke that can stand at a corner as a 垂 (it goes downwards at some point).
bool can_stand_as_vertical(const Stroke& stroke);
// For such a stroke: kFallingOrHooked for a 撇 or a stroke ending in a left hook, else
// kStraightVertical. 竖折撇 and 竖折折 share a letter; the direction of the last segment decides.
Standing vertical_kind(const Stroke& stroke);

// The index of the stroke that stands as a 垂 at `corner`: of the strokes that can and are not
// `taken` by an earlier corner, the one nearest to that corner of the glyph's bounding box. Where
// two strokes of different kinds are within kNearTieUnits of each other, the one reaching higher
// (upper corners) or lower (lower corners) stands there, and `near_tie` is set. -1 when no
// stroke can.
inline constexpr double kNearTieUnits = 30;
// `rival` receives the index of the stroke that lost the near tie.
int vertical_at_corner(const Glyph& glyph, Corner corner, const std::vector<int>& taken = {},
                       bool* near_tie = nullptr, int* rival = nullptr);

// True when a 亠 (a dot over a stroke that begins with a horizontal) stands at the upper right
// apart from the shape of the upper left (`upper_left_digit` is that corner's four-corner digit).
bool cap_at_upper_right(const Glyph& glyph, char upper_left_digit);

// The stroke nearest each corner of the glyph's box: upper left, upper right, lower left, lower
// right.
std::array<int, 4> strokes_at_corners(const Glyph& glyph);

struct TavrelReading {
  std::string code;            // five digits
  int near_ties = 0;           // corners decided by the near-tie rule
  std::string near_tie_notes;  // per such corner: where, the stroke taken and the one left
  bool cap_missing = false;    // an upper left 0 without a 亠 in the strokes
};

// The Tavrel code for a four-corner value of five digits (the 附角 last). Throws
// std::invalid_argument for another shape.
TavrelReading tavrel_from_four_corner(std::string_view four_corner, const Glyph& glyph);

}  // namespace tavrel::gen
