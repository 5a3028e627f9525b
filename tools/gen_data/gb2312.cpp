// Enumeration of GB2312's character rows through the program's GBK decoder.
#include "tools/gen_data/gb2312.h"

#include <string>

#include "common/gbk.h"
#include "tools/gen_data/sources.h"

namespace tavrel::gen {
namespace {

constexpr unsigned char kFirstLead = 0xB0;
constexpr unsigned char kLastLead = 0xF7;
constexpr unsigned char kLevelTwoLead = 0xD8;
constexpr unsigned char kFirstTrail = 0xA1;
constexpr unsigned char kLastTrail = 0xFE;
constexpr char32_t kReplacement = 0xFFFD;
// GB2312's radicals and components that running text never uses on their own (none of them has
// a running-text count in Unihan's kHanyuPinlu).
constexpr std::string_view kBareRadicals =
    "丨丿丶亠冫冖讠凵卩阝刂勹匚厶廴艹廾扌彳彡犭夂饣忄丬氵宀辶彐屮纟灬礻疒衤钅亻攵殳肀虍冂尢";

}  // namespace

std::vector<Gb2312Char> gb2312_characters() {
  std::vector<Gb2312Char> chars;
  for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
      std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
      std::string utf8 = utf8_from_gbk(gbk);
      // The last row ends early (0xD7FA-0xD7FE are unassigned); such pairs decode to nothing
      // usable or to a private-use point and are left out.
      auto parts = split_utf8(utf8);
      if (parts.size() != 1) continue;
      char32_t cp = decode_utf8(parts[0]);
      if (cp == kReplacement || (cp >= 0xE000 && cp <= 0xF8FF)) continue;
      chars.push_back({std::move(gbk), std::move(utf8)});
    }
  }
  return chars;
}

bool is_bare_radical(std::string_view gbk) {
  static const std::string radicals = gbk_from_utf8(kBareRadicals);
  for (std::size_t at = 0; at + 1 < radicals.size(); at += 2) {
    if (radicals.compare(at, 2, gbk) == 0) return true;
  }
  return false;
}

bool is_level_one(std::string_view gbk) {
  return !gbk.empty() && static_cast<unsigned char>(gbk[0]) < kLevelTwoLead;
}

}  // namespace tavrel::gen
