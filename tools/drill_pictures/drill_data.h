// The characters the drill pictures show: read from our drill lists, ranked and chosen.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::drill_pictures {

// Where Debian's python3-jieba keeps the word list our frequencies come from.
inline constexpr const char* kDefaultWordList = "/usr/lib/python3/dist-packages/jieba/dict.txt";

// How many of the most frequent drill characters stand for "common characters" when the corner
// drill shares its pictures out among the digits.
inline constexpr std::size_t kCommonCharacters = 1000;

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
  std::string code;  // the full code: four corner digits, then the supplementary digit
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

// Corners in the order of the code's digits.
enum Corner { kTopLeft = 0, kTopRight = 1, kBottomLeft = 2, kBottomRight = 3 };
inline constexpr const char* kCornerTags[4] = {"tl", "tr", "bl", "br"};

struct CornerPick {
  CodedChar ch;
  int corner = kTopLeft;
  char digit() const { return ch.code[static_cast<std::size_t>(corner)]; }
};

// Whether the corner drill may ask for this corner's digit. Every digit 1-9 names the shape at
// its corner. A 0 names a 撇 or left hook only at the upper left, where no shape can have been
// used before; at a later corner it may mean "already used", which a picture cannot show.
bool is_drilled_corner(char digit, int corner);

// How many of `total` corner pictures each digit gets: shares in proportion to how often the
// digit stands at a drilled corner of the `common` most frequent characters, at least `minimum`
// each, the remainder going to the largest fractions (lower digits first on ties).
std::array<std::size_t, 10> corner_quota(const std::vector<CodedChar>& ranked_chars,
                                         std::size_t total, std::size_t minimum,
                                         std::size_t common = kCommonCharacters);

// Whether a picture can show a character's corner (0-3), or all of its positions (-1): the
// strokes of those shapes were found in the stroke data.
using Drawable = std::function<bool(const CodedChar&, int corner)>;
inline bool always_drawable(const CodedChar&, int) { return true; }

// Characters with one corner each, most frequent first, up to quota[d] pictures of digit d,
// corners taken in turn so that all four are drilled; one picture per character, and only
// corners that are `drawable`.
std::vector<CornerPick> corner_choice(const std::vector<CodedChar>& ranked_chars,
                                      const std::array<std::size_t, 10>& quota,
                                      const Drawable& drawable = always_drawable);

// Characters whose four corners are all strokes of their own (no 0), most frequent first; those
// with a 附角 (a fifth digit other than 0) come first, so the fifth digit is practised. Only
// characters whose positions are all `drawable` (asked with corner -1).
std::vector<CodedChar> coloured_choice(const std::vector<CodedChar>& ranked_chars,
                                       std::size_t count,
                                       const Drawable& drawable = always_drawable);

// "u" and the code point in lower-case hex: keeps file names ASCII.
std::string code_point_tag(std::string_view utf8_char);

// `stem` + "_" + `code` + ".bmp". The drill reads the code back as the last run of digits before
// the extension; the underscore keeps digits at the end of the stem out of it. Throws
// std::invalid_argument on an empty stem or a code that is empty or not all digits.
std::string picture_file_name(std::string_view stem, std::string_view code);

}  // namespace tavrel::drill_pictures
