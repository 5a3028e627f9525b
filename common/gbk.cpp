// GBK <-> UTF-8 conversion through iconv, with replacement of what cannot be converted.
#include "gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tavrel {
namespace {

// One iconv descriptor per call keeps the functions reentrant and free of shared state.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("系统缺少字符编码转换：") + from + " → " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; on a sequence it cannot convert it appends `replacement` and skips
  // `skip(rest)` bytes of input.
  template <typename Skip>
  std::string run(std::string_view in, std::string_view replacement, Skip skip, bool* lossless) {
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char buffer[4096];
    bool kept_all = true;
    while (src_left > 0) {
      char* dst = buffer;
      std::size_t dst_left = sizeof buffer;
      std::size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer, dst - buffer);
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (truncated sequence at the end): replace and move on.
      kept_all = false;
      out.append(replacement);
      std::size_t n = std::min(skip(std::string_view(src, src_left)), src_left);
      src += n;
      src_left -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    if (lossless) *lossless = kept_all;
    return out;
  }

 private:
  iconv_t cd_;
};

std::size_t utf8_sequence_length(std::string_view s) {
  auto lead = static_cast<unsigned char>(s[0]);
  std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  std::size_t i = 1;
  while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  return i;
}

}  // namespace

std::string utf8_from_gbk(std::string_view gbk) {
  Converter conv("UTF-8", "GBK");
  return conv.run(
      gbk, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; }, nullptr);
}

std::string gbk_from_utf8(std::string_view utf8, bool* lossless) {
  Converter conv("GBK", "UTF-8");
  return conv.run(utf8, "?", utf8_sequence_length, lossless);
}

std::string gbk_from_utf16(std::string_view utf16, bool big_endian) {
  Converter conv("GBK", big_endian ? "UTF-16BE" : "UTF-16LE");
  return conv.run(
      utf16, "?", [](std::string_view) { return std::size_t{2}; }, nullptr);
}

bool is_valid_utf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

bool is_valid_gbk(std::string_view gbk) {
  for (std::size_t i = 0; i < gbk.size();) {
    auto lead = static_cast<unsigned char>(gbk[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead == 0x80 || lead == 0xFF || i + 1 >= gbk.size()) return false;
    auto trail = static_cast<unsigned char>(gbk[i + 1]);
    if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    i += 2;
  }
  return true;
}

std::size_t gbk_char_length(std::string_view gbk, std::size_t pos) {
  auto lead = static_cast<unsigned char>(gbk[pos]);
  return (lead >= 0x81 && lead <= 0xFE && pos + 1 < gbk.size()) ? 2 : 1;
}

std::string_view gbk_prefix(std::string_view gbk, std::size_t max_bytes) {
  std::size_t end = 0;
  while (end < gbk.size()) {
    std::size_t next = end + gbk_char_length(gbk, end);
    if (next > max_bytes) break;
    end = next;
  }
  return gbk.substr(0, end);
}

}  // namespace tavrel
