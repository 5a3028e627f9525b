// The conversion into practice files and the splitting of a file into box lines.
#include "article/tvm_format.h"

#include "common/gbk.h"
#include "common/replace_file.h"
#include "common/safe_file.h"

namespace tavrel::article {
namespace {

constexpr char kCR = '\r';
constexpr std::size_t kLastLineBytes = 59;

bool is_kept_pair(unsigned char lead, unsigned char trail) {
  return lead >= 0xB0 && lead <= 0xF0 && trail >= 0xA1 && trail <= 0xFE;
}

// Any two-byte GBK character: a lead byte 0x81-0xFE, a trail byte 0x40-0xFE other than 0x7F.
bool is_gbk_pair(unsigned char lead, unsigned char trail) {
  return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

bool has_prefix(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool has_non_ascii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// Number of Unicode characters in UTF-8 text (continuation bytes do not start one).
std::size_t utf8_length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The byte offset at which the last `count` characters of UTF-8 text begin.
std::size_t utf8_tail_start(std::string_view text, std::size_t count) {
  std::size_t at = text.size();
  while (count > 0 && at > 0) {
    --at;
    if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) --count;
  }
  return at;
}

}  // namespace

std::string source_as_gbk(std::string_view source) {
  if (has_prefix(source, "\xEF\xBB\xBF")) return gbk_from_utf8(source.substr(3));
  if (has_prefix(source, "\xFF\xFE")) return gbk_from_utf16(source.substr(2), false);
  if (has_prefix(source, "\xFE\xFF")) return gbk_from_utf16(source.substr(2), true);
  // GBK text of any length is almost never well-formed UTF-8 as well.
  if (has_non_ascii(source) && is_valid_utf8(source)) return gbk_from_utf8(source);
  return std::string(source);
}

Conversion convert_text(std::string_view source, int chars_per_line) {
  if (source.empty()) throw std::runtime_error("读取源文件失败：文件是空的");
  Conversion out;
  out.bytes.reserve(source.size() + source.size() / 30 + 64);
  int on_line = 0;
  std::size_t next = 0;
  auto b1 = static_cast<unsigned char>(source[next++]);
  while (next < source.size()) {
    auto b2 = static_cast<unsigned char>(source[next++]);
    if (!is_kept_pair(b1, b2)) {
      if (!is_gbk_pair(b1, b2)) {
        b1 = b2;  // a byte that starts no character: the window moves on by one
        continue;
      }
      if (next == source.size()) break;
      b1 = static_cast<unsigned char>(source[next++]);  // a symbol goes as a whole
      continue;
    }
    out.bytes += static_cast<char>(b1);
    out.bytes += static_cast<char>(b2);
    ++out.characters;
    if (++on_line == chars_per_line) {
      out.bytes += "\r\r";
      on_line = 0;
    }
    if (next < source.size()) b1 = static_cast<unsigned char>(source[next++]);
  }
  out.bytes.append(kLastLineBytes - 2 * static_cast<std::size_t>(on_line), ' ');
  out.bytes += "\r\r \r";
  return out;
}

std::filesystem::path converted_path(const std::filesystem::path& source) {
  const std::string name = source.filename().string();
  if (utf8_length(name) < 3) {
    throw ConversionRefused("文件名太短，无法生成练习文件名：" + name);
  }
  return source.parent_path() / (name.substr(0, utf8_tail_start(name, 3)) + "tvm");
}

ConvertedFile convert_file(const std::filesystem::path& source, int chars_per_line) {
  const std::filesystem::path output = converted_path(source);
  if (output == source) {
    throw ConversionRefused("“" + source.filename().string() +
                            "”已是练习文件（文件名以tvm结尾），转换会覆盖它本身。文件未改动。");
  }
  const Conversion converted = convert_text(
      source_as_gbk(read_regular_file(source, file_limits::kConversionSource)), chars_per_line);
  if (converted.bytes.size() > file_limits::kPracticeFile) {
    throw ConversionRefused("转换结果有" + std::to_string(converted.characters) +
                            "个汉字，超过了练习文章的上限，无法用来练习。没有写入文件。");
  }
  // The source is read whole before anything is written, and the output is replaced by a
  // rename: an output name linked to the source (or to anything else) is never written through.
  replace_file(output, converted.bytes);
  return {output, converted.characters};
}

std::vector<std::string> split_box_lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != kCR && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == kCR && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string read_practice_file(const std::filesystem::path& path) {
  return read_regular_file(path, file_limits::kPracticeFile);
}

}  // namespace tavrel::article
