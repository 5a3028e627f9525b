// The corner reading: strokes near the corners of the glyph's box, and the rhyme's digits.
#include "tools/gen_data/corner_reading.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace tavrel::gen {
namespace {

constexpr const char* kCornerNames[] = {"upper left", "upper right", "lower left", "lower right"};
constexpr std::string_view kFallingOrHookedLetters = "snmgtrzwae";
constexpr std::string_view kStraightVerticalLetters = "fhbcvqpu";
constexpr char kFoldThenFallOrFold = 'x';  // 竖折撇 or 竖折折
constexpr std::string_view kDotLetters = "kd";
// Strokes that begin with a horizontal, so a dot over their start makes a 亠.
constexpr std::string_view kHorizontalStartLetters = "jpecrvqawo";

// How far right of the glyph's middle a dot must sit to stand at the upper right on its own,
// how far below the top of the right half it may begin, and which part of its horizontal it must
// sit over (a 亠's dot sits over the middle, not the end, of its horizontal).
constexpr double kRightOfMiddle = 60;
constexpr double kBelowRightTop = 40;
constexpr double kCapMiddleFrom = 0.2, kCapMiddleTo = 0.8;
// How far below the dot's start the horizontal of a 亠 may begin.
constexpr double kCapOverlap = 50;

bool is_one_of(char letter, std::string_view letters) {
  return letters.find(letter) != std::string_view::npos;
}

struct Box {
  double left, right, bottom, top;
};

Box bounding_box(const Glyph& glyph) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  Box box{inf, -inf, inf, -inf};
  for (const auto& stroke : glyph) {
    for (const auto& p : stroke.median) {
      box.left = std::min(box.left, p.x), box.right = std::max(box.right, p.x);
      box.bottom = std::min(box.bottom, p.y), box.top = std::max(box.top, p.y);
    }
  }
  return box;
}

bool is_upper(Corner corner) {
  return corner == Corner::kUpperLeft || corner == Corner::kUpperRight;
}
bool is_left(Corner corner) { return corner == Corner::kUpperLeft || corner == Corner::kLowerLeft; }

Point corner_point(const Box& box, Corner corner) {
  return {is_left(corner) ? box.left : box.right, is_upper(corner) ? box.top : box.bottom};
}

double distance_to(const Stroke& stroke, Point target) {
  double best = std::numeric_limits<double>::infinity();
  for (const auto& p : stroke.median)
    best = std::min(best, std::hypot(p.x - target.x, p.y - target.y));
  return best;
}

double highest(const Stroke& s) {
  double y = -std::numeric_limits<double>::infinity();
  for (const auto& p : s.median) y = std::max(y, p.y);
  return y;
}
double lowest(const Stroke& s) {
  double y = std::numeric_limits<double>::infinity();
  for (const auto& p : s.median) y = std::min(y, p.y);
  return y;
}
double mean_x(const Stroke& s) {
  double sum = 0;
  for (const auto& p : s.median) sum += p.x;
  return s.median.empty() ? 0 : sum / s.median.size();
}

int nearest_stroke(const Glyph& glyph, Point target, int skipped = -1) {
  int best = -1;
  double best_distance = std::numeric_limits<double>::infinity();
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    if (i == skipped) continue;
    double d = distance_to(glyph[i], target);
    if (d < best_distance) best = i, best_distance = d;
  }
  return best;
}

// The strokes that make a 亠: indexes of dots directly followed by a stroke that begins with a
// horizontal under the dot.
std::vector<int> caps(const Glyph& glyph) {
  std::vector<int> found;
  for (int i = 0; i + 1 < static_cast<int>(glyph.size()); ++i) {
    const Stroke& dot = glyph[i];
    const Stroke& bar = glyph[i + 1];
    if (!is_one_of(dot.letter, kDotLetters) || !is_one_of(bar.letter, kHorizontalStartLetters)) {
      continue;
    }
    if (highest(dot) > highest(bar) && lowest(dot) > bar.median.front().y - kCapOverlap) {
      found.push_back(i);
    }
  }
  return found;
}

}  // namespace

char tavrel_digit(char four_corner_digit, Standing standing) {
  if (four_corner_digit == '2' && standing == Standing::kFallingOrHooked) return '0';
  if (four_corner_digit == '0' && standing == Standing::kDotOverHorizontal) return '3';
  return four_corner_digit;
}

bool can_stand_as_vertical(const Stroke& stroke) {
  return is_one_of(stroke.letter, kFallingOrHookedLetters) ||
         is_one_of(stroke.letter, kStraightVerticalLetters) || stroke.letter == kFoldThenFallOrFold;
}

Standing vertical_kind(const Stroke& stroke) {
  if (stroke.letter == kFoldThenFallOrFold && stroke.median.size() >= 2) {
    Point a = stroke.median[stroke.median.size() - 2], b = stroke.median.back();
    return b.x < a.x && b.y < a.y ? Standing::kFallingOrHooked : Standing::kStraightVertical;
  }
  return is_one_of(stroke.letter, kFallingOrHookedLetters) ? Standing::kFallingOrHooked
                                                           : Standing::kStraightVertical;
}

int vertical_at_corner(const Glyph& glyph, Corner corner, const std::vector<int>& taken,
                       bool* near_tie, int* rival) {
  if (near_tie) *near_tie = false;
  const Box box = bounding_box(glyph);
  const Point target = corner_point(box, corner);
  struct Candidate {
    double distance;
    int index;
  };
  std::vector<Candidate> candidates;
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    if (!can_stand_as_vertical(glyph[i])) continue;
    if (std::find(taken.begin(), taken.end(), i) != taken.end()) continue;
    candidates.push_back({distance_to(glyph[i], target), i});
  }
  if (candidates.empty()) return -1;

  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const auto& a, const auto& b) { return a.distance < b.distance; });
  int chosen = candidates.front().index;
  const Standing kind = vertical_kind(glyph[chosen]);
  for (const auto& other : candidates) {
    if (other.distance - candidates.front().distance >= kNearTieUnits) break;
    if (vertical_kind(glyph[other.index]) == kind) continue;
    if (near_tie) *near_tie = true;
    const Stroke& a = glyph[chosen];
    const Stroke& b = glyph[other.index];
    bool other_reaches_further = is_upper(corner) ? highest(b) > highest(a) : lowest(b) < lowest(a);
    if (rival) *rival = other_reaches_further ? chosen : other.index;
    if (other_reaches_further) chosen = other.index;
    break;
  }
  return chosen;
}

bool cap_at_upper_right(const Glyph& glyph, char upper_left_digit) {
  const auto found = caps(glyph);
  if (found.empty()) return false;
  const Box box = bounding_box(glyph);
  // The stroke the upper left already took: its 亠 (written first), or the dot standing there.
  int taken = -1;
  if (upper_left_digit == '0') taken = found.front();
  if (upper_left_digit == '3') {
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
      double d = distance_to(glyph[i], corner_point(box, Corner::kUpperLeft));
      if (is_one_of(glyph[i].letter, kDotLetters) && d < best) best = d, taken = i;
    }
  }
  const double middle = (box.left + box.right) / 2;
  double right_top = -std::numeric_limits<double>::infinity();
  for (const auto& stroke : glyph) {
    for (const auto& p : stroke.median) {
      if (p.x > middle) right_top = std::max(right_top, p.y);
    }
  }
  for (int i : found) {
    if (i == taken) continue;
    const Stroke& bar = glyph[i + 1];
    double bar_left = bar.median.front().x, bar_right = bar.median.front().x;
    for (const auto& p : bar.median)
      bar_left = std::min(bar_left, p.x), bar_right = std::max(bar_right, p.x);
    const double x = mean_x(glyph[i]);
    bool over_middle = x >= bar_left + kCapMiddleFrom * (bar_right - bar_left) &&
                       x <= bar_left + kCapMiddleTo * (bar_right - bar_left);
    if (x > middle + kRightOfMiddle && over_middle &&
        highest(glyph[i]) >= right_top - kBelowRightTop) {
      return true;
    }
  }
  return false;
}

std::array<int, 4> strokes_at_corners(const Glyph& glyph) {
  const Box box = bounding_box(glyph);
  std::array<int, 4> found{};
  for (Corner corner :
       {Corner::kUpperLeft, Corner::kUpperRight, Corner::kLowerLeft, Corner::kLowerRight}) {
    found[static_cast<int>(corner)] = nearest_stroke(glyph, corner_point(box, corner));
  }
  return found;
}

TavrelReading tavrel_from_four_corner(std::string_view four_corner, const Glyph& glyph) {
  bool digits = four_corner.size() == 5;
  for (char c : four_corner) digits = digits && c >= '0' && c <= '9';
  if (!digits) throw std::invalid_argument("four-corner value '" + std::string(four_corner) + "'");
  TavrelReading reading;
  reading.code = std::string(four_corner);
  constexpr Corner kCorners[] = {Corner::kUpperLeft, Corner::kUpperRight, Corner::kLowerLeft,
                                 Corner::kLowerRight};
  std::vector<int> taken;  // a stroke gives its digit to one corner only
  for (int at = 0; at < 4; ++at) {
    Standing standing = Standing::kOther;
    if (four_corner[at] == '2') {
      bool near_tie = false;
      int rival = -1;
      int index = vertical_at_corner(glyph, kCorners[at], taken, &near_tie, &rival);
      if (index >= 0) standing = vertical_kind(glyph[index]), taken.push_back(index);
      reading.near_ties += near_tie;
      if (near_tie) {
        reading.near_tie_notes += std::string(kCornerNames[at]) + ":" +
                                  stroke_name(glyph[index].letter) + ">" +
                                  stroke_name(glyph[rival].letter) + ";";
      }
    } else if (four_corner[at] == '0' && at == 0) {
      standing = Standing::kDotOverHorizontal;  // the first corner cannot reuse a shape
      reading.cap_missing = caps(glyph).empty();
    } else if (four_corner[at] == '0' && at == 1 && cap_at_upper_right(glyph, four_corner[0])) {
      standing = Standing::kDotOverHorizontal;
    }
    reading.code[at] = tavrel_digit(four_corner[at], standing);
  }
  if (four_corner[4] == '2') {
    // The 附角 as a 垂: the vertical stroke nearest the lower right besides that corner's own.
    const Point corner = corner_point(bounding_box(glyph), Corner::kLowerRight);
    const int own = nearest_stroke(glyph, corner);
    int best = -1;
    double best_distance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
      if (i == own || !can_stand_as_vertical(glyph[i])) continue;
      if (std::find(taken.begin(), taken.end(), i) != taken.end()) continue;
      double d = distance_to(glyph[i], corner);
      if (d < best_distance) best = i, best_distance = d;
    }
    if (best >= 0) reading.code[4] = tavrel_digit('2', vertical_kind(glyph[best]));
  }
  return reading;
}

}  // namespace tavrel::gen
