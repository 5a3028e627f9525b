// The Chinese characters of GB2312, the character set the code table covers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrel::gen {

struct Gb2312Char {
  std::string gbk;  // two bytes, lead 0xB0-0xF7, trail 0xA1-0xFE
  std::string utf8;
};

// The 6,763 characters in GB2312 order: level 1 (lead bytes 0xB0-0xD7, by reading) first,
// then level 2 (0xD8-0xF7, by radical).
std::vector<Gb2312Char> gb2312_characters();

bool is_level_one(std::string_view gbk);

// True for the GB2312 entries that are components written only inside characters (丨 亻 讠 …):
// they are coded, but the character drills leave them out.
bool is_bare_radical(std::string_view gbk);

}  // namespace tavrel::gen
