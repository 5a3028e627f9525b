// The drill's reading of a picture's code from its path, written out again for the tests.
#pragma once

#include <string>
#include <string_view>

namespace tavrel::drill_pictures::testing {

// Reading backwards from the character before the four-character extension, the last run of
// digits; empty when there is none.
inline std::string code_in_name(std::string_view path) {
  if (path.size() < 5) return {};
  auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t end = path.size() - 4;
  while (end > 0 && !is_digit(path[end - 1])) --end;
  std::size_t begin = end;
  while (begin > 0 && is_digit(path[begin - 1])) --begin;
  return std::string(path.substr(begin, end - begin));
}

}  // namespace tavrel::drill_pictures::testing
