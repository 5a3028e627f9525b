// GBK <-> UTF-8 conversion at the edges of the program, through glibc's iconv.
#pragma once

#include <string>
#include <string_view>

namespace tavrel {

// Decodes GBK bytes. A byte sequence that is not GBK becomes U+FFFD, one per bad byte.
std::string utf8_from_gbk(std::string_view gbk);

// Encodes UTF-8 text as GBK. A character GBK cannot hold (or bad UTF-8) becomes '?'.
// When `lossless` is given it is set to whether every character was kept.
std::string gbk_from_utf8(std::string_view utf8, bool* lossless = nullptr);

// Encodes UTF-16 text (without its byte-order mark) as GBK; what GBK cannot hold becomes '?'.
std::string gbk_from_utf16(std::string_view utf16, bool big_endian);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(std::string_view bytes);

// True when every byte sequence is valid GBK (ASCII or a lead byte 0x81-0xFE with a trail byte).
bool is_valid_gbk(std::string_view gbk);

// Length of the character starting at `pos`: 2 for a GBK double-byte character, else 1.
std::size_t gbk_char_length(std::string_view gbk, std::size_t pos);

// The longest prefix of at most `max_bytes` bytes that does not split a double-byte character.
std::string_view gbk_prefix(std::string_view gbk, std::size_t max_bytes);

}  // namespace tavrel
