// The conversion into practice files and the splitting of a file into box lines.
#include "article/tvm_format.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tavrel::article {
namespace {

constexpr char kCR = '\r';
constexpr std::size_t kLastLineBytes = 59;

bool is_kept_pair(unsigned char lead, unsigned char trail) {
  return lead >= 0xB0 && lead <= 0xF0 && trail >= 0xA1 && trail <= 0xFE;
}

std::runtime_error file_error(const char* what, const std::filesystem::path& path) {
  return std::runtime_error(std::string(what) + " " + path.string() + ": " + std::strerror(errno));
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
      b1 = b2;  // the window moves on by one byte only
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
  std::error_code error;
  if (output == source || std::filesystem::equivalent(output, source, error)) {
    throw ConversionRefused("“" + source.filename().string() +
                            "”已是练习文件（文件名以tvm结尾），转换会覆盖它本身。文件未改动。");
  }
  const Conversion converted = convert_text(read_file_bytes(source), chars_per_line);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out) throw file_error("无法创建文件", output);
  out.write(converted.bytes.data(), static_cast<std::streamsize>(converted.bytes.size()));
  out.close();
  if (!out) throw file_error("写入文件失败", output);
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

std::string read_file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw file_error("无法打开文件", path);
  const std::streamoff size = in.tellg();
  if (size < 0) throw file_error("读取文件失败", path);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) throw file_error("读取文件失败", path);
  return bytes;
}

}  // namespace tavrel::article
