// Finding the strokes of each corner's shape: the shapes of the rhyme as stroke patterns, the
// pattern of the code's digit taken nearest to its corner.
#include "tools/drill_pictures/corner_strokes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "tools/gen_data/corner_reading.h"

namespace tavrel::drill_pictures {
namespace {

using gen::Glyph;
using gen::Point;
using gen::Stroke;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A crossing lies at least this far (font units) from the ends of both strokes, so that a
// stroke that only touches another (the 竖钩 under the 横 of 丁) does not cross it.
constexpr double kCrossingFromEnds = 35;
// Ends closer than this meet: two strokes meeting in a corner make a 角.
constexpr double kEndsMeet = 100;
// A direction change of at least this many degrees is a turn.
constexpr double kTurnDegrees = 55;
// What follows a turn must be at least this long, or the turn is a hook or a 提's end.
constexpr double kAfterTurn = 80;
// A stroke already used at an earlier corner counts this much further away for a one-stroke
// shape, so that a fresh stroke is taken where both could stand.
constexpr double kUsedPenalty = 120;
// A shape further from its corner than this share of the glyph's diagonal does not stand there.
constexpr double kReachShare = 0.8;
// A 撇 or hook gives a 0 at a later corner only when it is this near the corner.
constexpr double kZeroReachShare = 0.3;

struct Box {
  double left = kInfinity, right = -kInfinity, bottom = kInfinity, top = -kInfinity;
  double diagonal() const { return std::hypot(right - left, top - bottom); }
};

Box box_of(const Glyph& glyph, const std::vector<int>& only = {}) {
  Box box;
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    if (!only.empty() && std::find(only.begin(), only.end(), i) == only.end()) continue;
    for (const auto& p : glyph[static_cast<std::size_t>(i)].median) {
      box.left = std::min(box.left, p.x), box.right = std::max(box.right, p.x);
      box.bottom = std::min(box.bottom, p.y), box.top = std::max(box.top, p.y);
    }
  }
  return box;
}

Point corner_point(const Box& box, int position) {
  const bool left = position == 0 || position == 2, upper = position == 0 || position == 1;
  return {left ? box.left : box.right, upper ? box.top : box.bottom};
}

double distance(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y); }

double segment_distance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return distance(p, {a.x + t * dx, a.y + t * dy});
}

double stroke_distance(const Stroke& stroke, Point p) {
  if (stroke.median.size() == 1) return distance(p, stroke.median[0]);
  double best = kInfinity;
  for (std::size_t i = 1; i < stroke.median.size(); ++i)
    best = std::min(best, segment_distance(p, stroke.median[i - 1], stroke.median[i]));
  return best;
}

double length_of(const Stroke& stroke) {
  double total = 0;
  for (std::size_t i = 1; i < stroke.median.size(); ++i)
    total += distance(stroke.median[i - 1], stroke.median[i]);
  return total;
}

Point mean_of(const Stroke& stroke) {
  Point sum;
  for (const auto& p : stroke.median) sum.x += p.x, sum.y += p.y;
  const double n = stroke.median.empty() ? 1 : static_cast<double>(stroke.median.size());
  return {sum.x / n, sum.y / n};
}

bool has_letter(const Stroke& stroke, std::string_view letters) {
  return letters.find(stroke.letter) != std::string_view::npos;
}

// Where two medians cross, away from the ends of both.
std::optional<Point> crossing(const Stroke& a, const Stroke& b) {
  const double length_a = length_of(a), length_b = length_of(b);
  double along_a = 0;
  for (std::size_t i = 1; i < a.median.size(); ++i) {
    const Point p = a.median[i - 1], q = a.median[i];
    double along_b = 0;
    for (std::size_t j = 1; j < b.median.size(); ++j) {
      const Point r = b.median[j - 1], s = b.median[j];
      const double d = (q.x - p.x) * (s.y - r.y) - (q.y - p.y) * (s.x - r.x);
      if (d != 0) {
        const double t = ((r.x - p.x) * (s.y - r.y) - (r.y - p.y) * (s.x - r.x)) / d;
        const double u = ((r.x - p.x) * (q.y - p.y) - (r.y - p.y) * (q.x - p.x)) / d;
        if (t >= 0 && t <= 1 && u >= 0 && u <= 1) {
          const double at_a = along_a + t * distance(p, q), at_b = along_b + u * distance(r, s);
          if (at_a >= kCrossingFromEnds && at_a <= length_a - kCrossingFromEnds &&
              at_b >= kCrossingFromEnds && at_b <= length_b - kCrossingFromEnds)
            return Point{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
        }
      }
      along_b += distance(r, s);
    }
    along_a += distance(p, q);
  }
  return std::nullopt;
}

// The point of the median `reach` units before (negative) or after the vertex `at`.
Point along_from(const Stroke& stroke, std::size_t at, double reach) {
  const auto& m = stroke.median;
  const int step = reach < 0 ? -1 : 1;
  double left = std::abs(reach);
  std::size_t i = at;
  while (true) {
    const long next = static_cast<long>(i) + step;
    if (next < 0 || next >= static_cast<long>(m.size())) return m[i];
    const double d = distance(m[i], m[static_cast<std::size_t>(next)]);
    if (d >= left) {
      const double t = left / d;
      const Point a = m[i], b = m[static_cast<std::size_t>(next)];
      return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
    left -= d;
    i = static_cast<std::size_t>(next);
  }
}

double angle_between(Point from, Point at, Point to) {
  const double a1 = std::atan2(at.y - from.y, at.x - from.x);
  const double a2 = std::atan2(to.y - at.y, to.x - at.x);
  double turn = std::abs(a2 - a1) * 180 / M_PI;
  return turn > 180 ? 360 - turn : turn;
}

// Strokes whose names have a turn (折, 横撇, 竖弯, 竖提 ...); a 撇 or 点 only wiggles.
constexpr std::string_view kTurningLetters = "cerzwanmxhbvqpuo";

// The turning points of a stroke, not counting hooks and the ends of 提.
std::vector<Point> turns_of(const Stroke& stroke) {
  if (!has_letter(stroke, kTurningLetters)) return {};
  const auto& m = stroke.median;
  const double total = length_of(stroke);
  std::vector<Point> turns;
  double best_angle = 0, along = 0, best_along = 0;
  std::optional<Point> best;
  for (std::size_t i = 1; i + 1 < m.size(); ++i) {
    along += distance(m[i - 1], m[i]);
    // Turns are rounded over several points of the median: directions are taken further off.
    const double angle = angle_between(along_from(stroke, i, -80), m[i], along_from(stroke, i, 80));
    const bool turning = angle >= kTurnDegrees && total - along >= kAfterTurn && along >= 30;
    if (turning && (!best || angle > best_angle))
      best = m[i], best_angle = angle, best_along = along;
    if ((!turning || i + 2 == m.size()) && best && along - best_along > 100) {
      turns.push_back(*best);
      best.reset();
    }
  }
  if (best) turns.push_back(*best);
  return turns;
}

Point direction_at_end(const Stroke& stroke, bool start) {
  const std::size_t at = start ? 0 : stroke.median.size() - 1;
  const Point end = stroke.median[at];
  // Far enough in to pass the wiggle where the brush sets down.
  const Point inner = along_from(stroke, at, start ? 120 : -120);
  return {inner.x - end.x, inner.y - end.y};
}

// A shape found in the glyph: its strokes, and the point that stands for it at a corner (for a
// one-stroke shape, the stroke's point nearest the corner).
struct Shape {
  std::vector<int> strokes;
  std::optional<Point> anchor;
};

bool is_falling_or_hooked(const Stroke& s) {
  return gen::can_stand_as_vertical(s) && gen::vertical_kind(s) == gen::Standing::kFallingOrHooked;
}
bool is_straight_vertical(const Stroke& s) {
  return gen::can_stand_as_vertical(s) && gen::vertical_kind(s) == gen::Standing::kStraightVertical;
}

// A horizontal part of at least 80 units, for strokes that begin or end as a 横.
bool has_horizontal_part(const Stroke& s) {
  for (std::size_t i = 1; i < s.median.size(); ++i) {
    const double dx = s.median[i].x - s.median[i - 1].x, dy = s.median[i].y - s.median[i - 1].y;
    if (std::abs(dx) >= 80 && std::abs(dy) <= 0.35 * std::abs(dx)) return true;
  }
  return false;
}

std::vector<Shape> single_strokes(const Glyph& glyph, bool (*fits)(const Stroke&)) {
  std::vector<Shape> shapes;
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i)
    if (fits(glyph[static_cast<std::size_t>(i)])) shapes.push_back({{i}, std::nullopt});
  return shapes;
}

std::vector<Shape> crosses(const Glyph& glyph) {
  std::vector<Shape> shapes;
  for (int a = 0; a < static_cast<int>(glyph.size()); ++a)
    for (int b = a + 1; b < static_cast<int>(glyph.size()); ++b)
      if (auto at =
              crossing(glyph[static_cast<std::size_t>(a)], glyph[static_cast<std::size_t>(b)]))
        shapes.push_back({{a, b}, at});
  return shapes;
}

std::vector<Shape> piercings(const Glyph& glyph) {
  std::vector<Shape> shapes;
  for (int s = 0; s < static_cast<int>(glyph.size()); ++s) {
    Shape shape{{s}, std::nullopt};
    Point sum;
    int count = 0;
    for (int other = 0; other < static_cast<int>(glyph.size()); ++other) {
      if (other == s) continue;
      if (auto at = crossing(glyph[static_cast<std::size_t>(s)],
                             glyph[static_cast<std::size_t>(other)])) {
        shape.strokes.push_back(other);
        sum.x += at->x, sum.y += at->y, ++count;
      }
    }
    if (count < 2) continue;
    shape.anchor = Point{sum.x / count, sum.y / count};
    std::sort(shape.strokes.begin(), shape.strokes.end());
    shapes.push_back(shape);
  }
  return shapes;
}

// 口: a 竖, a 横折 beginning where it begins, and a later 横 from the 竖 to the 横折's 竖.
std::vector<Shape> boxes(const Glyph& glyph) {
  std::vector<Shape> shapes;
  const int n = static_cast<int>(glyph.size());
  for (int a = 0; a < n; ++a) {
    const Stroke& left = glyph[static_cast<std::size_t>(a)];
    if (left.letter != 'f') continue;
    for (int b = 0; b < n; ++b) {
      const Stroke& top = glyph[static_cast<std::size_t>(b)];
      if (top.letter != 'c' || distance(left.median.front(), top.median.front()) > 130) continue;
      for (int c = std::max(a, b) + 1; c < n; ++c) {
        const Stroke& bottom = glyph[static_cast<std::size_t>(c)];
        if (bottom.letter != 'j' || stroke_distance(left, bottom.median.front()) > 70 ||
            stroke_distance(top, bottom.median.back()) > 130 ||
            bottom.median.front().y >= left.median.front().y - 60)
          continue;
        const Point centre{(left.median.front().x + bottom.median.back().x) / 2,
                           (left.median.front().y + bottom.median.back().y) / 2};
        std::vector<int> strokes{a, b, c};
        std::sort(strokes.begin(), strokes.end());
        shapes.push_back({strokes, centre});
      }
    }
  }
  return shapes;
}

// 角: a stroke that turns, or two strokes whose ends meet at an angle.
std::vector<Shape> corners(const Glyph& glyph) {
  std::vector<Shape> shapes;
  const int n = static_cast<int>(glyph.size());
  for (int i = 0; i < n; ++i)
    for (const Point turn : turns_of(glyph[static_cast<std::size_t>(i)]))
      shapes.push_back({{i}, turn});
  for (int a = 0; a < n; ++a) {
    for (int b = a + 1; b < n; ++b) {
      const Stroke& s = glyph[static_cast<std::size_t>(a)];
      const Stroke& t = glyph[static_cast<std::size_t>(b)];
      if (crossing(s, t)) continue;
      for (const bool s_start : {true, false}) {
        for (const bool t_start : {true, false}) {
          const Point p = s_start ? s.median.front() : s.median.back();
          const Point q = t_start ? t.median.front() : t.median.back();
          if (distance(p, q) > kEndsMeet) continue;
          const Point u = direction_at_end(s, s_start), v = direction_at_end(t, t_start);
          const double angle = std::abs(std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y));
          if (angle * 180 / M_PI < 50 || angle * 180 / M_PI > 130) continue;
          shapes.push_back({{a, b}, Point{(p.x + q.x) / 2, (p.y + q.y) / 2}});
        }
      }
    }
  }
  return shapes;
}

double height_of(const Stroke& s) {
  double low = kInfinity, high = -kInfinity;
  for (const auto& p : s.median) low = std::min(low, p.y), high = std::max(high, p.y);
  return high - low;
}

// How much of the lower stroke's height the two strokes share.
double vertical_overlap(const Stroke& a, const Stroke& b) {
  const Box x = box_of({a}), y = box_of({b});
  const double shared = std::min(x.top, y.top) - std::max(x.bottom, y.bottom);
  return shared / std::max(1.0, std::min(x.top - x.bottom, y.top - y.bottom));
}

// The horizontal travel from a stroke's top to its bottom.
double slant_of(const Stroke& s) {
  const Point first = s.median.front(), last = s.median.back();
  return first.y >= last.y ? last.x - first.x : first.x - last.x;
}

// 八 丷 人 入: a stroke and one to its right of like size side by side, slanting apart or
// together.
std::vector<Shape> eights(const Glyph& glyph) {
  std::vector<Shape> shapes;
  const int n = static_cast<int>(glyph.size());
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      const Stroke& l = glyph[static_cast<std::size_t>(a)];
      const Stroke& r = glyph[static_cast<std::size_t>(b)];
      if (a == b || !has_letter(l, "skd") || !has_letter(r, "lkds")) continue;
      const Point ml = mean_of(l), mr = mean_of(r);
      const double hl = height_of(l), hr = height_of(r);
      if (ml.x >= mr.x || hl < 20 || hr < 20 || std::max(hl, hr) > 4 * std::min(hl, hr)) continue;
      // The 八 under a 横 (共, 兵, 典) stands wide apart for its height.
      if (vertical_overlap(l, r) < 0.4 || mr.x - ml.x > 3.5 * std::max(hl, hr)) continue;
      if (slant_of(l) * slant_of(r) >= 0 || crossing(l, r)) continue;
      std::vector<int> strokes{a, b};
      std::sort(strokes.begin(), strokes.end());
      shapes.push_back({strokes, Point{(ml.x + mr.x) / 2, (ml.y + mr.y) / 2}});
    }
  }
  // 𠂉 (the top of 钅 and 午): a 撇 and a short 横 that begins on it.
  for (int a = 0; a + 1 < n; ++a) {
    const Stroke& fall = glyph[static_cast<std::size_t>(a)];
    const Stroke& bar = glyph[static_cast<std::size_t>(a + 1)];
    if (fall.letter != 's' || bar.letter != 'j' || length_of(bar) > 1.2 * length_of(fall) ||
        stroke_distance(fall, bar.median.front()) > 60)
      continue;
    shapes.push_back({{a, a + 1}, bar.median.front()});
  }
  return shapes;
}

// 小 忄 ⺌: a vertical with a short stroke on either side of it.
std::vector<Shape> smalls(const Glyph& glyph) {
  std::vector<Shape> shapes;
  const int n = static_cast<int>(glyph.size());
  for (int v = 0; v < n; ++v) {
    const Stroke& middle = glyph[static_cast<std::size_t>(v)];
    // The middle of 小 is a 竖钩 or 竖; in 火 it is the long 撇.
    if (!has_letter(middle, "gfs")) continue;
    const double length = length_of(middle);
    const Point mm = mean_of(middle);
    auto beside = [&](const Stroke& s) {
      const Point m = mean_of(s);
      // The foot of 木 counts as 小: its 撇 and 捺 may be as long as the 竖.
      return has_letter(s, "kdsli") && length_of(s) < 1.1 * length + 60 &&
             vertical_overlap(s, middle) >= 0.3 && std::abs(m.x - mm.x) < 0.6 * length + 80 &&
             !crossing(s, middle);
    };
    for (int a = 0; a < n; ++a) {
      const Stroke& l = glyph[static_cast<std::size_t>(a)];
      if (a == v || !beside(l) || mean_of(l).x >= mm.x) continue;
      for (int b = 0; b < n; ++b) {
        const Stroke& r = glyph[static_cast<std::size_t>(b)];
        if (b == v || b == a || !beside(r) || mean_of(r).x <= mm.x) continue;
        std::vector<int> strokes{a, b, v};
        std::sort(strokes.begin(), strokes.end());
        const Point ml = mean_of(l), mr = mean_of(r);
        shapes.push_back({strokes, Point{(ml.x + mr.x + mm.x) / 3, (ml.y + mr.y + mm.y) / 3}});
      }
    }
  }
  return shapes;
}

std::vector<Shape> shapes_of(const Glyph& glyph, char digit) {
  switch (digit) {
    case '0':
      return single_strokes(glyph, is_falling_or_hooked);
    case '1':
      return single_strokes(glyph, [](const Stroke& s) {
        return has_letter(s, "jiu") || (has_letter(s, "ecrvqpaow") && has_horizontal_part(s));
      });
    case '2':
      return single_strokes(glyph, is_straight_vertical);
    case '3':
      return single_strokes(glyph, [](const Stroke& s) { return has_letter(s, "kdl"); });
    case '4':
      return crosses(glyph);
    case '5':
      return piercings(glyph);
    case '6':
      return boxes(glyph);
    case '7':
      return corners(glyph);
    case '8':
      return eights(glyph);
    case '9':
      return smalls(glyph);
  }
  return {};
}

bool contains(const std::vector<int>& strokes, int stroke) {
  return std::find(strokes.begin(), strokes.end(), stroke) != strokes.end();
}

bool uses_any(const Shape& shape, const std::vector<int>& used) {
  return std::any_of(shape.strokes.begin(), shape.strokes.end(),
                     [&](int s) { return contains(used, s); });
}

double shape_distance(const Glyph& glyph, const Shape& shape, Point target) {
  if (shape.anchor) return distance(*shape.anchor, target);
  return stroke_distance(glyph[static_cast<std::size_t>(shape.strokes.front())], target);
}

int nearest_stroke(const Glyph& glyph, Point target) {
  int best = -1;
  double best_distance = kInfinity;
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    const double d = stroke_distance(glyph[static_cast<std::size_t>(i)], target);
    if (d < best_distance) best = i, best_distance = d;
  }
  return best;
}

// The stroke of a one-stroke shape stands alone at the top (or bottom): no other stroke reaches
// its level. It then gives its digit to the left corner only.
bool alone_at(const Glyph& glyph, const std::vector<int>& strokes, bool top) {
  if (strokes.size() != 1) return false;
  const Box own = box_of(glyph, strokes);
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    if (i == strokes.front()) continue;
    const Box other = box_of(glyph, {i});
    if (top ? other.top > own.bottom + 30 : other.bottom < own.top - 30) return false;
  }
  return true;
}

}  // namespace

bool CornerStrokes::has_stroke_of_its_own(int position) const {
  for (const int stroke : strokes[static_cast<std::size_t>(position)]) {
    int positions = 0;
    for (const auto& others : strokes) positions += contains(others, stroke);
    if (positions == 1) return true;
  }
  return false;
}

bool has_shape(const Glyph& glyph, char digit) { return !shapes_of(glyph, digit).empty(); }

bool CornerStrokes::all_shaped() const {
  return std::all_of(shaped.begin(), shaped.end(), [](bool s) { return s; });
}

CornerStrokes find_corner_strokes(const Glyph& glyph, std::string_view code) {
  if (code.size() != 5 || code.find_first_not_of("0123456789") != std::string_view::npos)
    throw std::invalid_argument("corner strokes: code '" + std::string(code) + "'");
  CornerStrokes found;
  if (glyph.empty()) return found;
  const Box box = box_of(glyph);
  const double reach = kReachShare * box.diagonal();
  std::vector<int> used;
  // Strokes used by a shape other than a 角: a 角 uses only its turn or its meeting ends, so the
  // rest of its strokes may still stand at a later corner as a 撇 or hook (the foot of 月's 撇).
  std::vector<int> used_whole;
  for (int position = 0; position < 5; ++position) {
    const char digit = code[static_cast<std::size_t>(position)];
    auto& strokes = found.strokes[static_cast<std::size_t>(position)];
    Point target;
    std::vector<int> excluded;
    if (position < kAttached) {
      target = corner_point(box, position);
    } else {
      // The 附角 stands directly above the lower right corner's shape.
      excluded = found.strokes[3];
      const double above = excluded.empty() ? box.bottom + 0.4 * (box.top - box.bottom)
                                            : box_of(glyph, excluded).top;
      target = {box.right, above};
    }
    if (digit == '0' && position > 0) {
      // A 撇 or hook of its own, else a shape already used or nothing: no strokes.
      found.shaped[static_cast<std::size_t>(position)] = true;
      if (position == kAttached) continue;
      if (position == 1 && alone_at(glyph, found.strokes[0], true)) continue;
      if (position == 3 && alone_at(glyph, found.strokes[2], false)) continue;
      const int nearest = nearest_stroke(glyph, target);
      const Stroke& stroke = glyph[static_cast<std::size_t>(nearest)];
      if (is_falling_or_hooked(stroke) && !contains(used_whole, nearest) &&
          stroke_distance(stroke, target) <= kZeroReachShare * box.diagonal())
        strokes = {nearest};
      used.insert(used.end(), strokes.begin(), strokes.end());
      used_whole.insert(used_whole.end(), strokes.begin(), strokes.end());
      continue;
    }
    std::vector<Shape> candidates = shapes_of(glyph, digit);
    // A one-stroke shape alone at the top (or bottom) stands at the left corner, whatever
    // stands nearer that corner below it (the dot of 宀 in 安, not the dot under it).
    if (digit <= '3' && (position == 0 || position == 2)) {
      const auto alone = std::find_if(candidates.begin(), candidates.end(), [&](const Shape& s) {
        return alone_at(glyph, s.strokes, position == 0);
      });
      if (alone != candidates.end()) candidates = {*alone};
    }
    const bool one_stroke = digit <= '3';
    const Shape* best = nullptr;
    double best_distance = kInfinity;
    for (const auto& shape : candidates) {
      if (!excluded.empty() && std::all_of(shape.strokes.begin(), shape.strokes.end(), [&](int s) {
            return std::find(excluded.begin(), excluded.end(), s) != excluded.end();
          }))
        continue;
      double d = shape_distance(glyph, shape, target);
      if (one_stroke && uses_any(shape, used)) d += kUsedPenalty;
      if (d < best_distance) best = &shape, best_distance = d;
    }
    if (best && best_distance <= reach) {
      strokes = best->strokes;
      found.shaped[static_cast<std::size_t>(position)] = true;
    } else {
      strokes = {nearest_stroke(glyph, target)};
    }
    used.insert(used.end(), strokes.begin(), strokes.end());
    if (digit != '7') used_whole.insert(used_whole.end(), strokes.begin(), strokes.end());
  }
  return found;
}

}  // namespace tavrel::drill_pictures
