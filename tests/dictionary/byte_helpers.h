// Helpers for the dictionary tests: bytes written in hexadecimal and GBK text from UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "common/gbk.h"

namespace tavrel::testing {

// "1F FF FF" -> the three bytes 0x1F 0xFF 0xFF.
inline std::string hex(std::string_view spaced) {
  std::string bytes;
  for (std::size_t i = 0; i < spaced.size(); ++i) {
    if (spaced[i] == ' ') continue;
    bytes += static_cast<char>(std::stoi(std::string(spaced.substr(i, 2)), nullptr, 16));
    ++i;
  }
  return bytes;
}

inline std::string gbk(std::string_view utf8) { return gbk_from_utf8(utf8); }

}  // namespace tavrel::testing
