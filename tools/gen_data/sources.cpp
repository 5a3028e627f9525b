// Line parsers for Unihan_DictionaryLikeData.txt and jieba's dict.txt.
#include "tools/gen_data/sources.h"

#include <set>
#include <sstream>
#include <stdexcept>

#include "common/utf8.h"

namespace tavrel::gen {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// "1022.7" or "1022": four digits, optionally a dot and the supplementary digit.
std::string four_corner_digits(std::string_view value) {
  bool four = value.size() >= 4 && is_digit(value[0]) && is_digit(value[1]) && is_digit(value[2]) &&
              is_digit(value[3]);
  if (four && value.size() == 4) return std::string(value);
  if (four && value.size() == 6 && value[4] == '.' && is_digit(value[5])) {
    return std::string(value.substr(0, 4)) + value[5];
  }
  throw std::runtime_error("unexpected four-corner value '" + std::string(value) + "'");
}

char32_t parse_code_point(std::string_view field) {
  if (field.size() < 3 || field.substr(0, 2) != "U+") {
    throw std::runtime_error("unexpected code point '" + std::string(field) + "'");
  }
  return static_cast<char32_t>(std::stoul(std::string(field.substr(2)), nullptr, 16));
}

// Calls `take(character, values)` for every line of `property` in a Unihan file.
template <typename Take>
void for_each_property(std::istream& unihan, const std::string& property, Take take) {
  std::string line;
  while (std::getline(unihan, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string code_point, name, values;
    if (!std::getline(fields, code_point, '\t') || !std::getline(fields, name, '\t')) continue;
    if (name != property) continue;
    std::getline(fields, values);
    take(encode_utf8(parse_code_point(code_point)), values);
  }
}

}  // namespace

std::map<std::string, std::vector<std::string>> read_four_corner_values(std::istream& unihan) {
  std::map<std::string, std::vector<std::string>> codes;
  for_each_property(unihan, "kFourCornerCode", [&](const std::string& ch, const std::string& all) {
    std::istringstream values(all);
    for (std::string value; values >> value;) codes[ch].push_back(four_corner_digits(value));
  });
  return codes;
}

std::map<std::string, std::int64_t> read_running_text_counts(std::istream& unihan_readings) {
  std::map<std::string, std::int64_t> counts;
  for_each_property(
      unihan_readings, "kHanyuPinlu", [&](const std::string& ch, const std::string& all) {
        std::istringstream values(all);
        for (std::string value; values >> value;) {
          auto open = value.find('(');
          bool shaped = open != std::string::npos && value.size() > open + 2 && value.back() == ')';
          for (std::size_t i = open + 1; shaped && i + 1 < value.size(); ++i)
            shaped = is_digit(value[i]);
          if (!shaped) throw std::runtime_error("unexpected kHanyuPinlu value '" + value + "'");
          counts[ch] += std::stoll(value.substr(open + 1, value.size() - open - 2));
        }
      });
  return counts;
}

std::vector<SourceWord> read_word_list(std::istream& dict) {
  std::vector<SourceWord> words;
  std::set<std::string> seen;
  std::string line;
  while (std::getline(dict, line)) {
    std::istringstream fields(line);
    SourceWord word;
    if (!(fields >> word.utf8)) continue;
    if (!(fields >> word.frequency)) {
      throw std::runtime_error("word list line without a frequency: '" + line + "'");
    }
    fields >> word.tag;
    if (seen.insert(word.utf8).second) words.push_back(std::move(word));
  }
  return words;
}

std::vector<std::string> split_utf8(std::string_view text) {
  std::vector<std::string> chars;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    chars.emplace_back(text.substr(i, n));
    i += n;
  }
  return chars;
}

std::string encode_utf8(char32_t cp) {
  std::string out;
  append_utf8(out, cp);
  return out;
}

char32_t decode_utf8(std::string_view one_char) {
  if (one_char.empty()) return 0;
  auto byte = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(one_char[i]));
  };
  switch (one_char.size()) {
    case 1:
      return byte(0);
    case 2:
      return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
      return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default:
      return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
             (byte(3) & 0x3F);
  }
}

}  // namespace tavrel::gen
