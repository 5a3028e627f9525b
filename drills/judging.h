// The rules of the answer boxes: key roles, right answers, encouragement and automatic hints.
#pragma once

#include <string_view>

#include "drills/drill_kinds.h"

namespace tavrel::drills {

constexpr int kBoxFull = 7;  // characters a character or word box holds

enum class KeyRole {
  kSubmit,  // judge the box text
  kDelete,  // take the last digit off
  kHelp,    // show the code (F1)
  kOther,   // reaches the box; non-digits are cut again at once
};

KeyRole key_role(Family family, int key);

// The digit of a main-row or keypad digit key, or -1.
int digit_of_key(int key);

// Right when the typed code equals the item's code, letter case ignored.
bool answer_is_right(std::string_view typed, std::string_view code);

struct WrongAnswer {
  bool message = false;  // "再想想" and its companions
  bool hint = false;     // the automatic hint is due
};

// Counts one wrong answer in `errors` of the family's box.
WrongAnswer count_wrong_answer(Family family, int& errors, bool auto_hint, int hint_after);

}  // namespace tavrel::drills
