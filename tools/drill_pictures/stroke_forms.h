// The reviewed table of stroke forms the stroke-shape drill shows, each cut from a character.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavrel::drill_pictures {

struct StrokeForm {
  std::string stem;          // file name before the digit
  std::string character;     // UTF-8, the character the strokes are taken from
  std::vector<int> strokes;  // indexes from 0, in writing order
  char digit = '0';
  std::string caption;  // the shape's name, as the course shows it
};

// Reads the table (comment lines begin with "#"; fields: stem, character, stroke numbers from 1
// separated by commas, digit, caption, reason). Throws std::runtime_error on a malformed line.
std::vector<StrokeForm> read_stroke_forms(const std::filesystem::path& table);

}  // namespace tavrel::drill_pictures
