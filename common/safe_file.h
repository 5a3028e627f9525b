// Reading files whole and checking them before writing: regular files only, within size limits,
// every failure told in Chinese.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tavrel {

// A file the program could not read or write; the text is Chinese and names the file.
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& text, int error = 0) : std::runtime_error(text), error_(error) {}
  int error() const { return error_; }  // the errno behind it, or 0

 private:
  int error_;
};

// The largest file of each kind the program reads. Each lies far above any real file of its kind,
// so only a wrong or damaged file meets it, and it keeps memory and waiting in bounds.
namespace file_limits {
// About a million characters (30 per 62-byte line pair): a novel, and some thirty times what the
// fastest learner types in the longest test (120 minutes at 300 characters a minute).
inline constexpr std::uint64_t kPracticeFile = 2u << 20;
// Conversion sources: a whole novel in UTF-16 with room for markup and other text.
inline constexpr std::uint64_t kConversionSource = 16u << 20;
// Drill lists: the largest, all 3,008 level-2 characters at 10 bytes each, is 30 KB.
inline constexpr std::uint64_t kListFile = 1u << 20;
// "files\phb.txt" holds twelve records, "files\record.dat" ten of 24 bytes.
inline constexpr std::uint64_t kRecordFile = 64u << 10;
// "files\record.txt": twenty thousand ranking lines of about fifty bytes.
inline constexpr std::uint64_t kRankingFile = 1u << 20;
// The help documents with their pictures.
inline constexpr std::uint64_t kDocument = 16u << 20;
// "Server.ini" holds one address.
inline constexpr std::uint64_t kIniFile = 64u << 10;
}  // namespace file_limits

// Why a file operation failed, in Chinese, for an errno value.
std::string chinese_reason(int error);

// The file's name as messages show it, in Chinese quotation marks.
std::string quoted_name(const std::filesystem::path& file);

// The whole content of `file`. Refuses what is not a regular file (a folder, a pipe, a device:
// opening a pipe never blocks) and what is larger than `limit` bytes.
std::string read_regular_file(const std::filesystem::path& file, std::uint64_t limit);

// The same checks for a reader that opens the file itself; a missing file passes.
void check_regular_file(const std::filesystem::path& file, std::uint64_t limit);

// Refuses to replace or change `file` when it is a symbolic link, not a regular file, or
// read-only (no write permission bit, also for the superuser); a missing file passes.
void check_rewritable(const std::filesystem::path& file);

// A write beyond the file-size limit fails with EFBIG instead of killing the process; called at
// the start of every program.
void report_oversize_writes();

}  // namespace tavrel
