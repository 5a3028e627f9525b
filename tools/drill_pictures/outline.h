// Stroke outlines as the stroke data gives them: SVG path data of M, L, Q, C and Z commands.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tools/gen_data/strokes.h"

namespace tavrel::drill_pictures {

struct OutlineStep {
  enum Kind { kMove, kLine, kQuad, kCubic, kClose };
  Kind kind = kMove;
  // The end point last; a quadratic uses points[0] as its control, a cubic points[0] and [1].
  std::array<gen::Point, 3> points{};
};

// Parses absolute M, L, Q, C and Z commands (what the stroke data uses). Throws
// std::invalid_argument on any other command, a missing number or a path that does not begin
// with M, so a changed source is noticed instead of drawn wrongly.
std::vector<OutlineStep> parse_outline(std::string_view svg);

// The outline as closed polygons, each curve cut into `pieces` straight pieces.
std::vector<std::vector<gen::Point>> flatten(const std::vector<OutlineStep>& steps, int pieces = 8);

struct Bounds {
  double left = 0, right = 0, bottom = 0, top = 0;
  bool empty = true;
  void add(gen::Point p);
};

// The box round every outline of the glyph (the medians where a stroke has no outline).
Bounds glyph_bounds(const gen::Glyph& glyph, const std::vector<int>& only = {});

}  // namespace tavrel::drill_pictures
