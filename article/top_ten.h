// The top-ten table of article test speeds kept in "files\record.dat".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::article {

inline constexpr int kTopTenSize = 10;
inline constexpr int kRecordBytes = 24;
inline constexpr int kNameBytes = 16;

struct TopTenRecord {
  std::string name;  // GBK, at most 16 bytes
  std::int32_t score = 0;
  bool operator==(const TopTenRecord&) const = default;
};

// The first ten records of the file; throws std::runtime_error when it cannot be read or ends
// inside a record.
std::vector<TopTenRecord> read_top_ten(const std::filesystem::path& file);

// A speed enters when it beats one of the scores or the table is not full.
bool enters_top_ten(const std::vector<TopTenRecord>& records, int speed);

// The table with `entry` added below any equal scores, cut to ten.
std::vector<TopTenRecord> with_entry(std::vector<TopTenRecord> records, TopTenRecord entry);

// Replaces the file as a whole (replace_file), so a failed write leaves the old table; a
// read-only file is refused.
void write_top_ten(const std::filesystem::path& file, const std::vector<TopTenRecord>& records);

// Reads, adds and writes back.
void file_entry(const std::filesystem::path& file, TopTenRecord entry);

// Empties the table, as a whole rewrite too.
void clear_top_ten(const std::filesystem::path& file);

// At most 16 bytes of a GBK name, never half a character.
std::string cut_name(std::string_view gbk_name);

std::string encode_record(const TopTenRecord& record);

}  // namespace tavrel::article
