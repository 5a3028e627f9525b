// Geometry of the warm-up window, shared with the generator that draws its pictures.
#pragma once

#include <array>

namespace tavrel::warmup::layout {

struct Box {
  int left, top, width, height;
};

// The client area below the menu bar; both mode panels fill it.
inline constexpr int kClientWidth = 401;
inline constexpr int kClientHeight = 429;

// The digit pictures and the small copies in the score and time displays.
inline constexpr int kDigitSize = 60;
inline constexpr int kLedWidth = 16;
inline constexpr int kLedHeight = 25;

// Top bar, the same in both panels: the score display on the left (four places, the first
// only shown from 1000 hits on), the time display on the right, the start button between.
inline constexpr Box kScoreFrame{6, 8, 72, 33};
inline constexpr Box kTimeFrame{339, 8, 56, 33};
inline constexpr int kLedTop = 12;
inline constexpr int kScoreLeft = 10;  // the thousands place; the others follow every 16 pixels
inline constexpr int kTimeLeft = 343;
inline constexpr Box kScoreCaption{82, 8, 40, 33};
inline constexpr Box kTimeCaption{295, 8, 40, 33};
inline constexpr Box kStartButton{164, 8, 72, 32};
inline constexpr int kFaceSize = 40;
inline constexpr Box kFaceButton{177, 2, 46, 46};

// The fun panel's board.
inline constexpr Box kBoard{8, 52, 384, 369};
inline constexpr int kRabbitSize = 32;

// The classic panel: the black strip with the six digits, the input box, the keypad.
inline constexpr Box kDigitStrip{8, 58, 385, 84};
inline constexpr int kDigitGap = 3;
inline constexpr int kDigitsLeft = 8 + (385 - (6 * kDigitSize + 5 * kDigitGap)) / 2;
inline constexpr int kDigitsTop = 58 + (84 - kDigitSize) / 2;
inline constexpr Box kInput{48, 154, 305, 40};
inline constexpr Box kKeypad{104, 206, 192, 210};

// One key of the keypad picture, relative to the keypad. `button` is the key's toggle button
// (0-9 for the digits, 10 for DEL) or -1 for keys that are only drawn.
struct KeypadKey {
  Box box;
  const char* label;
  int button;
};
inline constexpr int kKeyWidth = 44, kKeyHeight = 38, kKeyGap = 4;
constexpr int key_column(int column) { return 2 + column * (kKeyWidth + kKeyGap); }
constexpr int key_row(int row) { return 2 + row * (kKeyHeight + kKeyGap); }
inline constexpr std::array<KeypadKey, 17> kKeypadKeys{{
    {{key_column(0), key_row(0), kKeyWidth, kKeyHeight}, "Num", -1},
    {{key_column(1), key_row(0), kKeyWidth, kKeyHeight}, "/", -1},
    {{key_column(2), key_row(0), kKeyWidth, kKeyHeight}, "*", -1},
    {{key_column(3), key_row(0), kKeyWidth, kKeyHeight}, "-", -1},
    {{key_column(0), key_row(1), kKeyWidth, kKeyHeight}, "7", 7},
    {{key_column(1), key_row(1), kKeyWidth, kKeyHeight}, "8", 8},
    {{key_column(2), key_row(1), kKeyWidth, kKeyHeight}, "9", 9},
    {{key_column(3), key_row(1), kKeyWidth, 2 * kKeyHeight + kKeyGap}, "+", -1},
    {{key_column(0), key_row(2), kKeyWidth, kKeyHeight}, "4", 4},
    {{key_column(1), key_row(2), kKeyWidth, kKeyHeight}, "5", 5},
    {{key_column(2), key_row(2), kKeyWidth, kKeyHeight}, "6", 6},
    {{key_column(0), key_row(3), kKeyWidth, kKeyHeight}, "1", 1},
    {{key_column(1), key_row(3), kKeyWidth, kKeyHeight}, "2", 2},
    {{key_column(2), key_row(3), kKeyWidth, kKeyHeight}, "3", 3},
    {{key_column(3), key_row(3), kKeyWidth, 2 * kKeyHeight + kKeyGap}, "Enter", -1},
    {{key_column(0), key_row(4), 2 * kKeyWidth + kKeyGap, kKeyHeight}, "0", 0},
    {{key_column(2), key_row(4), kKeyWidth, kKeyHeight}, "DEL", 10},
}};

}  // namespace tavrel::warmup::layout
