// Helpers of the warm-up window tests: a program folder with telling pictures, keys, displays.
#pragma once

#include <QLabel>
#include <QWidget>
#include <initializer_list>
#include <string>
#include <string_view>

#include "temp_dir.h"

namespace tavrel::testing {

// Colours of the test pictures: each digit picture and each face is one plain colour.
QColor digit_colour(int digit);
extern const QColor kStartFace, kLaughFace, kCryFace;

// Writes "images/warmup/digits.png" and the three faces under "files" into `dir`.
void write_warmup_pictures(const TempDir& dir);

// The digits the labels show, '?' for a label that shows none of them, '-' for a hidden one.
std::string shown_digits(std::initializer_list<const QLabel*> labels);

// Types keys as the learner does: digits, "." and Enter on the numeric keypad, others on the
// main keyboard.
void type_keys(QWidget* target, std::string_view keys);

}  // namespace tavrel::testing
