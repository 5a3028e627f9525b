// Parsing the extracted stroke data, and the names of the stroke letters.
#include "tools/gen_data/strokes.h"

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string_view>

namespace tavrel::gen {
namespace {

struct LetterName {
  char letter;
  const char* name;
};

// The stroke letters of the stroke-name data and their standard names; where the data gives one
// letter to two strokes of the same family, both are named.
constexpr LetterName kStrokeNames[] = {
    {'j', "横"},
    {'f', "竖"},
    {'s', "撇"},
    {'k', "点"},
    {'l', "捺"},
    {'i', "提"},
    {'d', "点"},
    {'g', "竖钩"},
    {'t', "弯钩"},
    {'r', "横折钩"},
    {'z', "竖折折钩"},
    {'w', "横折折折钩|横撇弯钩"},
    {'a', "横折折撇"},
    {'e', "横撇|横钩"},
    {'n', "撇折"},
    {'m', "撇点"},
    {'x', "竖折撇|竖折折"},
    {'h', "竖提"},
    {'b', "竖弯|竖折"},
    {'c', "横折"},
    {'v', "横折折|横折弯"},
    {'q', "横折折折"},
    {'p', "横折提"},
    {'u', "竖弯钩"},
    {'y', "斜钩|卧钩"},
    {'o', "横斜钩|横折弯钩"},
};

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
       start = at + 1) {
    parts.emplace_back(text.substr(start, at - start));
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

Point parse_point(const std::string& text, const std::string& line) {
  auto comma = text.find(',');
  char* end = nullptr;
  Point p;
  if (comma != std::string::npos) {
    p.x = std::strtod(text.c_str(), &end);
    if (end == text.c_str() + comma) p.y = std::strtod(text.c_str() + comma + 1, &end);
  }
  if (comma == std::string::npos || end != text.c_str() + text.size()) {
    throw std::runtime_error("stroke data: bad point '" + text + "' in: " + line.substr(0, 40));
  }
  return p;
}

}  // namespace

std::string stroke_name(char letter) {
  for (const auto& entry : kStrokeNames) {
    if (entry.letter == letter) return entry.name;
  }
  return {};
}

std::map<std::string, Glyph> read_stroke_data(std::istream& in,
                                              std::vector<std::string>* without_names) {
  std::map<std::string, Glyph> glyphs;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    auto fields = split(line, '\t');
    if (fields.size() != 3 && fields.size() != 4)
      throw std::runtime_error("stroke data: bad line: " + line.substr(0, 40));
    Glyph glyph;
    for (const auto& median : split(fields[2], '|')) {
      Stroke stroke;
      for (const auto& point : split(median, ' '))
        stroke.median.push_back(parse_point(point, line));
      glyph.push_back(std::move(stroke));
    }
    if (fields.size() == 4) {
      auto outlines = split(fields[3], '|');
      if (outlines.size() != glyph.size())
        throw std::runtime_error("stroke data: outlines do not match medians: " +
                                 line.substr(0, 40));
      for (std::size_t i = 0; i < glyph.size(); ++i) glyph[i].outline = std::move(outlines[i]);
    }
    const std::string& letters = fields[1];
    bool named = letters.size() == glyph.size();
    for (char letter : letters) named = named && !stroke_name(letter).empty();
    for (std::size_t i = 0; i < glyph.size(); ++i) glyph[i].letter = named ? letters[i] : '?';
    if (!named && without_names) without_names->push_back(fields[0]);
    glyphs[fields[0]] = std::move(glyph);
  }
  return glyphs;
}

}  // namespace tavrel::gen
