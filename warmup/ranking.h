// The warm-up ranking file: its place, its entry lines, reading it and appending to it safely.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::warmup {

// The ranking file of the program whose folder (with its trailing separator) is `program_dir`.
std::filesystem::path ranking_path(std::string_view program_dir);

// One entry, GBK bytes without the line end: date, ": ", the name as typed, " 用时：", the
// game length, " 成绩：", the score.
std::string ranking_line(std::string_view date, std::string_view name, std::string_view game_time,
                         std::string_view game_score);

// `value` followed by `unit` (GBK), cut to 12 bytes without splitting a character.
std::string with_unit(std::string_view value, std::string_view unit);

// The file's lines (CR LF or LF ends, the last line end optional); nothing when there is no
// file. Throws tavrel::FileError when it exists but cannot be read, is no regular file or is
// larger than any ranking file.
std::optional<std::vector<std::string>> read_ranking(const std::filesystem::path& file);

// Appends `line` and CR LF, creating the file when there is none (its folder must exist).
// The file is replaced whole (replace_file), so that a failed write leaves it exactly as it
// was; a read-only file is refused. Failures are thrown as tavrel::FileError.
void append_ranking_line(const std::filesystem::path& file, std::string_view line);

}  // namespace tavrel::warmup
