// Practice files ("*.tvm"): the conversion of any text file into one, and reading one as box lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::article {

inline constexpr int kCharsPerLine = 30;

// A failure the learner can act on (a refused conversion); the text is shown as it stands.
class ConversionRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Conversion {
  std::string bytes;            // the practice file
  std::int64_t characters = 0;  // characters kept
};

// The source text as GBK: UTF-8 (with or without its byte-order mark) and UTF-16 with its mark
// are converted; anything else is taken as GBK already.
std::string source_as_gbk(std::string_view source);

// Keeps every GB2312 character (lead byte 0xB0-0xF0, trail 0xA1-0xFE) of the source and lays
// them out as a practice file. Every other two-byte GBK character (punctuation, full-width
// letters) is dropped whole; a single byte that starts no character moves the window one byte.
// An empty source is an error, as the first byte cannot be read.
Conversion convert_text(std::string_view source, int chars_per_line = kCharsPerLine);

// The output of converting `source`: its last three characters replaced by "tvm".
std::filesystem::path converted_path(const std::filesystem::path& source);

// Converts the file `source` into its practice file beside it and returns the output path and
// the number of characters kept. Refuses a source that would be its own output, and an article
// too long to practise (file_limits::kPracticeFile). The practice file is replaced whole
// (replace_file): a failure leaves an existing one as it was.
struct ConvertedFile {
  std::filesystem::path path;
  std::int64_t characters = 0;
};
ConvertedFile convert_file(const std::filesystem::path& source, int chars_per_line = kCharsPerLine);

// The lines a text box shows for file bytes: CR, LF and CR LF each end a line.
std::vector<std::string> split_box_lines(std::string_view bytes);

// The whole content of a practice file; refuses a folder, a pipe and a file larger than any
// practice file (tavrel::FileError).
std::string read_practice_file(const std::filesystem::path& path);

}  // namespace tavrel::article
