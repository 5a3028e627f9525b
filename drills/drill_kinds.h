// The twelve drill kinds and the three pages of the drill window: titles, items, families.
#pragma once

namespace tavrel::drills {

constexpr int kKindCount = 12;

// The family decides the board, the answer box and the judging path of a kind.
enum class Family { kBasic, kCharacter, kWord };

struct DrillKindInfo {
  int page;                       // 0 基本编码, 1 字编码, 2 词编码
  const char* title_on_choosing;  // UTF-8
  const char* title_at_start;
  int items;           // items of a run
  int chars_per_item;  // counted by the speed clock, whatever the real length of a word
};

// Kind 0-11; throws std::out_of_range for other numbers.
const DrillKindInfo& drill_kind(int kind);
Family family_of(int kind);

struct DrillPageInfo {
  const char* caption;
  const char* lines[4];     // the message lines shown on arrival
  int first_kind;           // the kind chosen on arrival
  const char* explanation;  // rich-text file shown in the explanation panel
};

constexpr int kPageCount = 3;
const DrillPageInfo& drill_page(int page);

}  // namespace tavrel::drills
