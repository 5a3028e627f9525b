// Writing the code table into the dictionary files, the drill lists and the record files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tools/gen_data/code_table.h"

namespace tavrel::gen {

// How many of the most frequent words the word drills draw from.
struct ListSizes {
  std::size_t two_char_words = 3000;
  std::size_t three_char_words = 1500;
  std::size_t four_char_words = 1500;
  std::size_t long_words = 500;  // five to eight characters
};

// One drill list file: records of a 6-byte code field, a text field and CR LF, both fields
// left-aligned and filled with blanks.
struct DrillList {
  const char* path;
  std::size_t text_bytes;
};

inline constexpr std::size_t kListCodeBytes = 6;
inline constexpr std::size_t kLongListMaxChars = 8;

inline constexpr DrillList kLevelOneList{"hzlib\\z1.txt", 2};
inline constexpr DrillList kLevelTwoList{"hzlib\\z2.txt", 2};
inline constexpr DrillList kOneKeyCharList{"hzlib\\z3.txt", 2};
inline constexpr DrillList kTwoKeyCharList{"hzlib\\z4.txt", 2};
inline constexpr DrillList kOneKeyWordList{"hzlib\\c1.txt", 4};
inline constexpr DrillList kTwoCharWordList{"hzlib\\c2.txt", 4};
inline constexpr DrillList kThreeCharWordList{"hzlib\\c3.txt", 6};
inline constexpr DrillList kFourCharWordList{"hzlib\\c4.txt", 8};
inline constexpr DrillList kLongWordList{"hzlib\\c5.txt", 16};

// "hzlib\zh1".."zh5" and "hzlib\zh1.hz".."zh5.hz" under `data_dir`.
void write_dictionary_files(const CodeTable& table, const std::filesystem::path& data_dir);

// "hzlib\z1.txt".."z4.txt" and "hzlib\c1.txt".."c5.txt" under `data_dir`. The word drills
// c2-c5 take the most frequent words that `confirmed` (GBK) also holds; all when it is empty.
void write_drill_lists(const CodeTable& table, const ListSizes& sizes,
                       const std::filesystem::path& data_dir,
                       const std::set<std::string>& confirmed = {});

// "files\phb.txt" as twelve blank records and an empty "files\record.dat".
void write_record_files(const std::filesystem::path& data_dir);

// Writes `bytes` to the program path `path` below `data_dir`, creating its folder.
void write_data_file(const std::filesystem::path& data_dir, const std::string& path,
                     const std::string& bytes);

}  // namespace tavrel::gen
