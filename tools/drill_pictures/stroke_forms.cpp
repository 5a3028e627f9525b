// Reading the table of stroke forms.
#include "tools/drill_pictures/stroke_forms.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tavrel::drill_pictures {
namespace {

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
  return fields;
}

std::vector<int> stroke_numbers(const std::string& text) {
  std::vector<int> strokes;
  std::istringstream in(text);
  for (std::string number; std::getline(in, number, ',');) {
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(number) < 1)
      throw std::runtime_error("stroke forms: bad stroke number '" + number + "'");
    strokes.push_back(std::stoi(number) - 1);
  }
  return strokes;
}

}  // namespace

std::vector<StrokeForm> read_stroke_forms(const std::filesystem::path& table) {
  std::ifstream in(table);
  if (!in) throw std::runtime_error("cannot read " + table.string());
  std::vector<StrokeForm> forms;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    const auto fields = fields_of(line);
    const std::string where = table.filename().string() + ":" + std::to_string(number);
    if (fields.size() != 6 || fields[0].empty() || fields[1].empty() || fields[3].size() != 1 ||
        fields[3][0] < '0' || fields[3][0] > '9' || fields[5].empty())
      throw std::runtime_error(where + ": not stem, character, strokes, digit, caption, reason");
    forms.push_back({fields[0], fields[1], stroke_numbers(fields[2]), fields[3][0], fields[4]});
  }
  return forms;
}

}  // namespace tavrel::drill_pictures
