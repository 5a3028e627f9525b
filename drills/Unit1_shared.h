// What the drill window's files share: its colours, cue numbers and small text helpers.
#pragma once

#include <QColor>
#include <QString>

#include "drills/drill_kinds.h"

namespace unit1 {

inline const QColor kTeal(0, 128, 128), kRed(255, 0, 0), kNavy(0, 0, 128), kWhite(255, 255, 255);
inline const QColor kCellText(255, 255, 0);  // yellow reads well on teal, red and navy
constexpr int kCueJiayou = 1, kCueHero = 2, kCueZaixiang = 3, kCueStart = 4, kCueTimeUp = 5,
              kCueWin = 6, kCuePause = 7;

inline QString u8(const char* text) { return QString::fromUtf8(text); }

inline int family_index(tavrel::drills::Family family) { return static_cast<int>(family); }

}  // namespace unit1
