// Key codes as the windows' key handlers know them (the numeric keypad told apart).
#pragma once

class QKeyEvent;

namespace tavrel {

namespace vk {
constexpr int kBack = 8, kTab = 9, kReturn = 13, kEscape = 27, kSpace = 32;
constexpr int kPrior = 33, kNext = 34, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46;
constexpr int kDigit0 = 48;     // '0'..'9' are 48..57
constexpr int kLetterA = 65;    // 'A'..'Z' are 65..90
constexpr int kNumpad0 = 96;    // keypad 0..9 are 96..105
constexpr int kMultiply = 106, kAdd = 107, kSubtract = 109, kDecimal = 110, kDivide = 111;
constexpr int kF1 = 112;        // F1..F12 are 112..123
constexpr int kOemMinus = 189, kOemPeriod = 190, kOemSlash = 191;
}  // namespace vk

// The key code of a key event, 0 for keys the windows never handle.
int key_code(const QKeyEvent& event);

}  // namespace tavrel
