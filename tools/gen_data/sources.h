// Readers of the two public sources: Unihan's four-corner codes and jieba's word list.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::gen {

// Character (UTF-8) -> its kFourCornerCode values in the source's order, each as four digits and
// the 附角 when the value has one ("1022.7" -> "10227", "5030" -> "5030").
// Throws std::runtime_error on a value of another shape, so a changed source is noticed.
std::map<std::string, std::vector<std::string>> read_four_corner_values(std::istream& unihan);

// Character (UTF-8) -> its count in running text: the sum of the counts of its kHanyuPinlu
// readings ("yī(32747) yí(8)" -> 32755). Throws std::runtime_error on a value of another shape.
std::map<std::string, std::int64_t> read_running_text_counts(std::istream& unihan_readings);

struct SourceWord {
  std::string utf8;
  std::int64_t frequency = 0;
  std::string tag;  // part of speech, "nr" for a person's name, "ns" for a place ...
};

// The entries of dict.txt ("word frequency [tag]") in file order; a word listed twice keeps
// its first entry. Throws std::runtime_error on a line without a frequency.
std::vector<SourceWord> read_word_list(std::istream& dict);

// One string per code point of UTF-8 text.
std::vector<std::string> split_utf8(std::string_view text);

std::string encode_utf8(char32_t code_point);
char32_t decode_utf8(std::string_view one_char);

}  // namespace tavrel::gen
