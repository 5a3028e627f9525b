// The characters the drill pictures show: read from our drill lists, ranked and chosen.
#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::drill_pictures {

// Where Debian's python3-jieba keeps the word list our frequencies come from.
inline constexpr const char* kDefaultWordList = "/usr/lib/python3/dist-packages/jieba/dict.txt";

// How many of the most frequent drill characters get a code illustration.
inline constexpr std::size_t kStatementTop = 1000;

// One record of a character drill list.
struct ListRecord {
  std::string code;
  std::string utf8;
};

// The records of a character drill list ("hzlib/z1.txt" ...): a 6-byte code field, a
// two-byte GBK character and CR LF. Throws std::runtime_error when the file cannot be read
// or holds a record that is not a coded character.
std::vector<ListRecord> read_char_list(const std::filesystem::path& file);

struct CodedChar {
  std::string utf8;
  std::string code;  // the full code: four corner digits, then the supplementary digit if any
  int gb_order = 0;  // position in z1 then z2, which breaks frequency ties
  std::int64_t frequency = 0;
};

struct DrillChars {
  std::vector<CodedChar> chars;            // every character of z1 and z2, in list order
  std::set<std::string> short_code_chars;  // the characters of z3 and z4
};

// Reads z1-z4 below `data_dir`. Throws std::runtime_error when a short-code character has no
// full code in z1 or z2.
DrillChars read_drill_chars(const std::filesystem::path& data_dir);

// Sets each character's frequency from jieba's dict.txt (its own entry; 0 without one).
void read_frequencies(const std::filesystem::path& word_list, DrillChars& drill);

// Most frequent first; equal frequencies in list order.
std::vector<CodedChar> ranked(const DrillChars& drill);

// The characters that get a code illustration: the `top` most frequent, then every short-code
// character not among them (those drills show rare characters too), in ranked order.
std::vector<CodedChar> statement_choice(const std::vector<CodedChar>& ranked_chars,
                                        const std::set<std::string>& short_code_chars,
                                        std::size_t top = kStatementTop);

// Corners in the order of the code's digits.
enum Corner { kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3 };
inline constexpr const char* kCornerTags[4] = {"tl", "tr", "bl", "br"};

struct CornerPick {
  CodedChar ch;
  int corner = kTopLeft;
  char digit() const { return ch.code[static_cast<std::size_t>(corner)]; }
};

// Corner digits the corner drill asks for. 0 also stands for a stroke already taken by another
// corner, and 2 for a falling stroke that the rhyme on the board calls 0, so neither is asked.
bool is_drilled_corner_digit(char digit);

// Characters with one corner each, most frequent first, `per_digit` pictures for each drilled
// digit, corners taken in turn so that all four are drilled; one picture per character.
std::vector<CornerPick> corner_choice(const std::vector<CodedChar>& ranked_chars,
                                      std::size_t per_digit);

// Characters whose four corners are all strokes of their own (no 0), four-digit codes first,
// most frequent first within each.
std::vector<CodedChar> coloured_choice(const std::vector<CodedChar>& ranked_chars,
                                       std::size_t count);

// "u" and the code point in lower-case hex: keeps file names ASCII.
std::string code_point_tag(std::string_view utf8_char);

// `stem` + "_" + `code` + ".bmp". The drill reads the code back as the last run of digits before
// the extension; the underscore keeps digits at the end of the stem out of it. Throws
// std::invalid_argument on an empty stem or a code that is empty or not all digits.
std::string picture_file_name(std::string_view stem, std::string_view code);

}  // namespace tavrel::drill_pictures
