// The numeric keypad drawing used on the launcher face and in the previews.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace tavrel::art {

// What a key does in Tavrel码 typing; it decides the key's colour.
enum class KeyRole {
  kDigit,    // 0-9: the digits of a code
  kCodeEnd,  // "/" and "*": end a character code or a word code
  kOther,    // the rest of the keypad
};

// One key of a standard numeric keypad on a 4 x 5 grid.
struct KeypadKey {
  QString label;
  int column = 0;
  int row = 0;
  int column_span = 1;
  int row_span = 1;
  KeyRole role = KeyRole::kDigit;
};

// The seventeen keys in their usual places ("+" and "Enter" two rows tall, "0" two wide).
const std::vector<KeypadKey>& keypad_keys();

// Where `key` sits when the 4 x 5 grid fills `grid` with `gap` pixels between keys.
QRectF key_rect(const KeypadKey& key, const QRectF& grid, double gap);

struct KeypadLook {
  double label_scale = 1.0;  // relative size of the key captions
};

// Draws the keypad, housing included, inside `area` (keeping the grid's 4:5 proportions).
void draw_keypad(QPainter& painter, const QRectF& area, const KeypadLook& look = {});

}  // namespace tavrel::art
