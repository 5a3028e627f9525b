// Parsing and flattening of the stroke outlines.
#include "tools/drill_pictures/outline.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace tavrel::drill_pictures {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool at_end() {
    skip_blanks();
    return at_ >= text_.size();
  }
  bool next_is_command() {
    skip_blanks();
    return at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_]));
  }
  char command() { return text_[at_++]; }
  gen::Point point() { return {number(), number()}; }

 private:
  void skip_blanks() {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == ',')) ++at_;
  }
  double number() {
    skip_blanks();
    const std::string rest(text_.substr(at_, 32));
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str())
      throw std::invalid_argument("outline: number expected at " + std::to_string(at_));
    at_ += static_cast<std::size_t>(end - rest.c_str());
    return value;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

gen::Point along_quad(gen::Point a, gen::Point c, gen::Point b, double t) {
  const double u = 1 - t;
  return {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y};
}

gen::Point along_cubic(gen::Point a, gen::Point c1, gen::Point c2, gen::Point b, double t) {
  const double u = 1 - t;
  const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
  return {w0 * a.x + w1 * c1.x + w2 * c2.x + w3 * b.x, w0 * a.y + w1 * c1.y + w2 * c2.y + w3 * b.y};
}

}  // namespace

std::vector<OutlineStep> parse_outline(std::string_view svg) {
  Reader in(svg);
  std::vector<OutlineStep> steps;
  while (!in.at_end()) {
    if (!in.next_is_command()) throw std::invalid_argument("outline: command expected");
    const char command = in.command();
    OutlineStep step;
    switch (command) {
      case 'M':
        step.kind = OutlineStep::kMove, step.points[2] = in.point();
        break;
      case 'L':
        step.kind = OutlineStep::kLine, step.points[2] = in.point();
        break;
      case 'Q':
        step.kind = OutlineStep::kQuad;
        step.points[0] = in.point(), step.points[2] = in.point();
        break;
      case 'C':
        step.kind = OutlineStep::kCubic;
        step.points[0] = in.point(), step.points[1] = in.point(), step.points[2] = in.point();
        break;
      case 'Z':
        step.kind = OutlineStep::kClose;
        break;
      default:
        throw std::invalid_argument(std::string("outline: unknown command ") + command);
    }
    if (steps.empty() && step.kind != OutlineStep::kMove)
      throw std::invalid_argument("outline: does not begin with M");
    steps.push_back(step);
  }
  return steps;
}

std::vector<std::vector<gen::Point>> flatten(const std::vector<OutlineStep>& steps, int pieces) {
  std::vector<std::vector<gen::Point>> polygons;
  gen::Point at;
  for (const auto& step : steps) {
    const gen::Point end = step.points[2];
    switch (step.kind) {
      case OutlineStep::kMove:
        polygons.push_back({end});
        break;
      case OutlineStep::kLine:
        polygons.back().push_back(end);
        break;
      case OutlineStep::kQuad:
        for (int i = 1; i <= pieces; ++i)
          polygons.back().push_back(along_quad(at, step.points[0], end, double(i) / pieces));
        break;
      case OutlineStep::kCubic:
        for (int i = 1; i <= pieces; ++i)
          polygons.back().push_back(
              along_cubic(at, step.points[0], step.points[1], end, double(i) / pieces));
        break;
      case OutlineStep::kClose:
        continue;  // polygons are closed by definition
    }
    at = end;
  }
  return polygons;
}

void Bounds::add(gen::Point p) {
  if (empty) {
    left = right = p.x, bottom = top = p.y, empty = false;
    return;
  }
  left = std::min(left, p.x), right = std::max(right, p.x);
  bottom = std::min(bottom, p.y), top = std::max(top, p.y);
}

Bounds glyph_bounds(const gen::Glyph& glyph, const std::vector<int>& only) {
  Bounds bounds;
  for (int i = 0; i < static_cast<int>(glyph.size()); ++i) {
    if (!only.empty() && std::find(only.begin(), only.end(), i) == only.end()) continue;
    const auto& stroke = glyph[static_cast<std::size_t>(i)];
    if (stroke.outline.empty()) {
      for (const auto& p : stroke.median) bounds.add(p);
      continue;
    }
    for (const auto& polygon : flatten(parse_outline(stroke.outline)))
      for (const auto& p : polygon) bounds.add(p);
  }
  return bounds;
}

}  // namespace tavrel::drill_pictures
