// Parsing and checking the override table.
#include "tools/gen_data/overrides.h"

#include <stdexcept>
#include <vector>

#include "tools/gen_data/sources.h"
#include "tools/gen_data/strokes.h"

namespace tavrel::gen {
namespace {

bool all_digits(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string four_corner_field(const std::string& field) {
  if (field == "-") return {};
  std::string digits = field;
  if (digits.size() == 6 && digits[4] == '.') digits.erase(4, 1);
  if ((digits.size() == 4 || digits.size() == 5) && all_digits(digits)) return digits;
  throw std::invalid_argument("four-corner value '" + field + "'");
}

std::string letters_field(const std::string& field) {
  if (field == "-") return {};
  for (char letter : field) {
    if (stroke_name(letter).empty())
      throw std::invalid_argument("stroke letter in '" + field + "'");
  }
  return field;
}

std::string code_field(const std::string& field) {
  if (field == "-") return {};
  if (field.size() == 5 && all_digits(field)) return field;
  throw std::invalid_argument("Tavrel code '" + field + "'");
}

}  // namespace

std::map<std::string, CodeOverride> read_code_overrides(std::istream& in) {
  std::map<std::string, CodeOverride> overrides;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(
          line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    try {
      if (fields.size() != 5) throw std::invalid_argument("five fields expected");
      if (split_utf8(fields[0]).size() != 1) throw std::invalid_argument("not one character");
      CodeOverride entry{four_corner_field(fields[1]), letters_field(fields[2]),
                         code_field(fields[3]), fields[4]};
      if (entry.reason.empty()) throw std::invalid_argument("no reason");
      if (entry.four_corner.empty() && entry.stroke_letters.empty() && entry.code.empty()) {
        throw std::invalid_argument("decides nothing");
      }
      if (!overrides.emplace(fields[0], entry).second) throw std::invalid_argument("listed twice");
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error("code overrides, line " + std::to_string(number) + ": " +
                               error.what());
    }
  }
  return overrides;
}

}  // namespace tavrel::gen
