// Reading one value from an INI file, in the manner of Windows profile files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The value of `key` in `[section]` of INI text: section and key names match without regard to
// ASCII case, blanks around the value are dropped, as is one pair of surrounding quotes; lines
// starting with ';' or '#' are comments; a UTF-8 byte-order mark is skipped. The first
// occurrence wins. Nothing when absent.
std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key);

// The same read from a file; nothing when there is no file. A file that is no regular file or
// is larger than any INI file is refused with tavrel::FileError.
std::optional<std::string> read_ini_value(const std::filesystem::path& file,
                                          std::string_view section, std::string_view key);

}  // namespace tavrel
