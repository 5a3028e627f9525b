// The tables of drill kinds and drill pages.
#include "drills/drill_kinds.h"

#include <stdexcept>
#include <string>

namespace tavrel::drills {
namespace {

constexpr DrillKindInfo kKinds[kKindCount] = {
    {0, "基本笔形训练", "基本笔形训练", 60, 1},
    {0, "较难笔形训练", "较难笔形训练", 60, 1},
    {0, "彩色字拆字训练", "彩色字拆字训练", 60, 1},
    {1, "全码字编码训练", "全码字编码训练", 119, 1},
    {1, "稍难字编码训练", "较难字编码训练", 119, 1},
    {1, "一键简码训练", "一键简码训练", 119, 1},
    {1, "二键简码训练", "二键简码训练", 119, 1},
    {2, "二字词训练", "二字词编码训练", 45, 2},
    {2, "三字词训练", "三字词编码训练", 45, 3},
    {2, "四字词训练", "四字词编码训练", 45, 4},
    {2, "一键词训练", "一键词训练", 45, 2},
    {2, "多字词训练", "多字词训练", 18, 5},
};

constexpr DrillPageInfo kPages[kPageCount] = {
    {"基本编码",
     {"基本编码训练", "请选择训练项目:", "<简单><较难>", "<彩色字>"},
     0,
     "files\\base.rtf"},
    {"字编码",
     {"字编码训练", "请选择训练项目:", "<全码字><稍难字>", "<一键码><二键码>"},
     3,
     "files\\single.rtf"},
    {"词编码",
     {"词编码训练", "请选择训练项目:", "<二字><三字><四字>", "<多字><一键词>"},
     7,
     "files\\word.rtf"},
};

}  // namespace

const DrillKindInfo& drill_kind(int kind) {
  if (kind < 0 || kind >= kKindCount)
    throw std::out_of_range("no drill kind " + std::to_string(kind));
  return kKinds[kind];
}

Family family_of(int kind) {
  switch (drill_kind(kind).page) {
    case 0:
      return Family::kBasic;
    case 1:
      return Family::kCharacter;
    default:
      return Family::kWord;
  }
}

const DrillPageInfo& drill_page(int page) {
  if (page < 0 || page >= kPageCount)
    throw std::out_of_range("no drill page " + std::to_string(page));
  return kPages[page];
}

}  // namespace tavrel::drills
