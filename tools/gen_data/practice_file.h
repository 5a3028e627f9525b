// The default article as a practice file: 30 characters a line, each followed by an empty line.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace tavrel::gen {

inline constexpr std::size_t kPracticeLineChars = 30;

// The Han characters of UTF-8 text as GBK, in order; punctuation, blanks and Latin text are
// dropped because an article holds only what can be typed by code. Throws std::runtime_error
// naming every Han character that is not in `table` (GBK texts of the coded characters).
std::string article_characters(std::string_view utf8, const std::set<std::string>& table);

// The practice file of GBK characters: full lines of 60 bytes and CR CR, a last line padded with
// blanks to 59 bytes and CR CR, then a blank and CR; 62q + 63 bytes for q full lines.
std::string practice_file_bytes(std::string_view gbk_chars);

}  // namespace tavrel::gen
