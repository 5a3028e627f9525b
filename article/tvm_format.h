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
  std::string bytes;           // the practice file
  std::int64_t characters = 0; // characters kept
};

// Keeps every GB2312 character (lead byte 0xB0-0xF0, trail 0xA1-0xFE) found by the two-byte
// window and lays them out as a practice file. An empty source is an error, as the first byte
// cannot be read.
Conversion convert_text(std::string_view source, int chars_per_line = kCharsPerLine);

// The output of converting `source`: its last three characters replaced by "tvm".
std::filesystem::path converted_path(const std::filesystem::path& source);

// Converts the file `source` into its practice file beside it and returns the output path and
// the number of characters kept. Refuses a source that would be its own output.
struct ConvertedFile {
  std::filesystem::path path;
  std::int64_t characters = 0;
};
ConvertedFile convert_file(const std::filesystem::path& source,
                           int chars_per_line = kCharsPerLine);

// The lines a text box shows for file bytes: CR, LF and CR LF each end a line.
std::vector<std::string> split_box_lines(std::string_view bytes);

// The whole content of a file given by a file-system path; throws std::runtime_error.
std::string read_file_bytes(const std::filesystem::path& path);

}  // namespace tavrel::article
