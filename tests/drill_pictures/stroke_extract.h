// The outlines of the characters whose pictures the tests check, as the generator wrote them
// beside the tests (the stroke data's own cache is not needed to run them).
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>

#include "tools/gen_data/strokes.h"

namespace tavrel::drill_pictures::testing {

inline const std::map<std::string, gen::Glyph>& extract_glyphs() {
  static const auto glyphs = [] {
    std::ifstream in(std::filesystem::path(TAVREL_TEST_DIR) / "stroke_extract.tsv");
    if (!in) throw std::runtime_error("stroke_extract.tsv is missing");
    std::string comment;
    std::getline(in, comment);  // the first line says where the extract comes from
    return gen::read_stroke_data(in);
  }();
  return glyphs;
}

inline const gen::Glyph& glyph_of(const std::string& character) {
  const auto found = extract_glyphs().find(character);
  if (found == extract_glyphs().end())
    throw std::runtime_error(character + " is not in the tests' extract");
  return found->second;
}

}  // namespace tavrel::drill_pictures::testing
