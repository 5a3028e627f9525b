// A small INI reader: sections, keys, comments, quotes.
#include "ini_file.h"

#include <algorithm>
#include <system_error>

#include "common/safe_file.h"

namespace tavrel {
namespace {

std::string_view trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

std::optional<std::string> ini_value(std::string_view text, std::string_view section,
                                     std::string_view key) {
  // Editors save UTF-8 with a byte-order mark, which would hide the first section's name.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool in_section = false;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      in_section =
          close != std::string_view::npos && same_name(trim(line.substr(1, close - 1)), section);
      continue;
    }
    std::size_t eq = line.find('=');
    if (!in_section || eq == std::string_view::npos || !same_name(trim(line.substr(0, eq)), key))
      continue;
    std::string_view value = trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value);
  }
  return std::nullopt;
}

std::optional<std::string> read_ini_value(const std::filesystem::path& file,
                                          std::string_view section, std::string_view key) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return std::nullopt;
  return ini_value(read_regular_file(file, file_limits::kIniFile), section, key);
}

}  // namespace tavrel
