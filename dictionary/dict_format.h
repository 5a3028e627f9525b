// Record format of the code dictionary "hzlib\zh1".."zh5" (by code) and "hzlib\zh1.hz".."zh5.hz"
// (by text), shared by the program's lookups and the data generator. See dict_format.md.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::dict {

inline constexpr std::size_t kMaxCodeDigits = 6;
inline constexpr std::size_t kPackedCodeSize = 3;
inline constexpr std::size_t kCharBytes = 2;  // one GBK character
inline constexpr int kFileCount = 5;          // zh1..zh5
inline constexpr int kMaxWordChars = 13;      // longest word the last file holds
inline constexpr int kMaxCandidates = 31;     // candidates of one code within one scope
inline constexpr char kFillByte = '\xFF';     // fills a text field after its text

// One record as the program sees it: a digit code and the GBK text without its filling.
struct DictRecord {
  std::string code;
  std::string text;

  bool operator==(const DictRecord&) const = default;
};

// True for a code the files can hold: 1 to 6 digits.
bool is_storable_code(std::string_view code);

// Three bytes, one digit per nibble, high nibble first, 0xF after the last digit.
// Throws std::invalid_argument for anything `is_storable_code` rejects.
std::string pack_code(std::string_view code);

// The digits of a packed code (its first three bytes): up to the first nibble above 9.
std::string unpack_code(std::string_view packed);

// The file that holds words of `word_chars` characters: 1-4 their own, 5-13 the fifth.
int file_number_for(int word_chars);

std::size_t record_size(int file_number);
std::size_t text_size(int file_number);

// Program paths of the code-ordered and the text-ordered file.
std::string code_file_path(int file_number);
std::string text_file_path(int file_number);

// The text of a field as lookups compare it: its bytes up to the first 0xFF.
std::string_view field_text(std::string_view field);

// The candidate shown to the learner: every 0xFF left out, blanks and controls trimmed.
std::string candidate_text(std::string_view field);

// One record of file `file_number`. Throws std::invalid_argument when the code cannot be
// stored or the text does not belong in that file.
std::string encode_record(const DictRecord& record, int file_number);
std::string encode_file(const std::vector<DictRecord>& records, int file_number);

// Every whole record of `bytes`; a trailing partial record is ignored, as the lookups do.
std::vector<DictRecord> decode_file(std::string_view bytes, int file_number);

// Dictionary order of the two kinds of file. Both sorts are stable, so records of one code
// keep the order in which their candidates are offered.
void sort_by_code(std::vector<DictRecord>& records);
void sort_by_text(std::vector<DictRecord>& records);

}  // namespace tavrel::dict
