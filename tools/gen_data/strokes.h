// The strokes of a character as the stroke data gives them: each stroke's name and its median line.
#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

namespace tavrel::gen {

// A point of a median in font units: x to the right, y upwards (about -124 to 900).
struct Point {
  double x = 0;
  double y = 0;
};

// One stroke: its name as a letter of the stroke-name data (table in strokes.cpp) and the line
// through its middle from its first to its last point.
struct Stroke {
  char letter = '?';
  std::vector<Point> median;
  std::string outline;  // SVG path data (M, L, Q, C, Z) in the same units; empty when not read
};

using Glyph = std::vector<Stroke>;

// The standard name of a stroke letter ("横", "竖钩" ...), empty for an unknown letter.
std::string stroke_name(char letter);

// Reads the extracted stroke data, one character a line: the character (UTF-8), a tab, its stroke
// letters ("-" when the names are missing), a tab, the medians ("x,y x,y|x,y ..."), and
// optionally a tab and the outlines, one a stroke, separated by "|". A character
// whose names are missing or do not match its medians in number is returned with letters '?';
// `without_names` receives it. Throws std::runtime_error on a malformed line, or on outlines that
// do not match the medians in number.
std::map<std::string, Glyph> read_stroke_data(std::istream& in,
                                              std::vector<std::string>* without_names = nullptr);

}  // namespace tavrel::gen
