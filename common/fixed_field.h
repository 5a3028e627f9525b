// Fixed-width text fields filled with blanks (0x20), and trimming of blanks.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// `text` followed by blanks up to `width` bytes; a longer text is cut to `width` bytes.
std::string left_field(std::string_view text, std::size_t width);

// Blanks then `text`, `width` bytes in all; a longer text is cut to its first `width` bytes.
std::string right_field(std::string_view text, std::size_t width);

// `text` without leading and trailing blanks and control characters (bytes up to 0x20).
std::string_view trim_blanks(std::string_view text);

}  // namespace tavrel
