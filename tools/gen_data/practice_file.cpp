// Writing an article into the practice file layout the article window reads.
#include "tools/gen_data/practice_file.h"

#include <stdexcept>

#include "common/gbk.h"
#include "tools/gen_data/sources.h"

namespace tavrel::gen {
namespace {

constexpr std::size_t kCharBytes = 2;
constexpr std::size_t kLastLineBytes = 59;  // one byte short of a full line, as the reader expects

bool is_han(char32_t cp) {
  return (cp >= 0x3400 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) || cp >= 0x20000;
}

}  // namespace

std::string article_characters(std::string_view utf8, const std::set<std::string>& table) {
  std::string gbk;
  std::string missing;
  for (const auto& part : split_utf8(utf8)) {
    if (!is_han(decode_utf8(part))) continue;
    std::string converted = gbk_from_utf8(part);
    if (table.contains(converted)) {
      gbk += converted;
    } else if (missing.find(part) == std::string::npos) {
      missing += part;
    }
  }
  if (!missing.empty()) throw std::runtime_error("article characters without a code: " + missing);
  return gbk;
}

std::string practice_file_bytes(std::string_view gbk_chars) {
  if (gbk_chars.size() % kCharBytes != 0) throw std::invalid_argument("odd GBK text length");
  const std::size_t line_bytes = kPracticeLineChars * kCharBytes;
  std::string bytes;
  std::size_t pos = 0;
  for (; gbk_chars.size() - pos >= line_bytes; pos += line_bytes) {
    bytes.append(gbk_chars.substr(pos, line_bytes));
    bytes += "\r\r";
  }
  std::string_view rest = gbk_chars.substr(pos);
  bytes.append(rest);
  bytes.append(kLastLineBytes - rest.size(), ' ');
  bytes += "\r\r \r";
  return bytes;
}

}  // namespace tavrel::gen
