// Key roles, answer comparison and the counting of wrong answers.
#include "drills/judging.h"

#include <algorithm>

#include "platform/keys.h"

namespace tavrel::drills {

KeyRole key_role(Family family, int key) {
  switch (key) {
    case vk::kDivide:
    case vk::kSpace:
    case vk::kReturn:
      return KeyRole::kSubmit;
    case vk::kMultiply:
      return family == Family::kWord ? KeyRole::kSubmit : KeyRole::kOther;
    case vk::kSubtract:
    case vk::kDecimal:
      return KeyRole::kDelete;
    case vk::kF1:
      return KeyRole::kHelp;
    default:
      return KeyRole::kOther;
  }
}

int digit_of_key(int key) {
  if (key >= vk::kDigit0 && key <= vk::kDigit0 + 9) return key - vk::kDigit0;
  if (key >= vk::kNumpad0 && key <= vk::kNumpad0 + 9) return key - vk::kNumpad0;
  return -1;
}

bool answer_is_right(std::string_view typed, std::string_view code) {
  auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; };
  return typed.size() == code.size() &&
         std::equal(typed.begin(), typed.end(), code.begin(),
                    [&](char a, char b) { return upper(a) == upper(b); });
}

WrongAnswer count_wrong_answer(Family family, int& errors, bool auto_hint, int hint_after) {
  WrongAnswer result;
  ++errors;
  result.message =
      family == Family::kBasic ? (errors >= 2 && errors <= 6) : (errors == 2 || errors == 4);
  if (result.message && !auto_hint) errors = 0;
  if (auto_hint && errors == hint_after) {
    result.hint = true;
    errors = 0;
  }
  return result;
}

}  // namespace tavrel::drills
