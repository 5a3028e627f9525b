// Which strokes make the shape that each digit of a character's code names, read from the
// stroke medians and names: what the pictures colour.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tools/gen_data/strokes.h"

namespace tavrel::drill_pictures {

// Code positions: the four corners in code order, then the 附角.
inline constexpr int kAttached = 4;

struct CornerStrokes {
  // Per position, the strokes (indexes into the glyph) that make its shape. Empty for a 0 that
  // stands for a shape already used or for nothing at that corner.
  std::array<std::vector<int>, 5> strokes;
  // Per position, whether the strokes were found to make the digit's shape. False means the
  // strokes are only the ones nearest the corner: a picture must not drill that position.
  std::array<bool, 5> shaped{};
  bool all_shaped() const;
  // Whether a stroke of the position belongs to no other position: a picture that shares the
  // strokes of several positions out among them shows this position's colour for sure.
  bool has_stroke_of_its_own(int position) const;
};

// Whether the glyph holds the shape of `digit` anywhere: for 1, 2, 3 and 0 a stroke of that kind
// (a 0 as a 撇 or left hook), for the others the strokes of the compound.
bool has_shape(const gen::Glyph& glyph, char digit);

// Reads the positions of a five-digit code (four corners, then the 附角) from the glyph. Throws
// std::invalid_argument for a code of another shape.
CornerStrokes find_corner_strokes(const gen::Glyph& glyph, std::string_view code);

}  // namespace tavrel::drill_pictures
