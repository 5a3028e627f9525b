// The five preview pictures shown beside the launcher menu, one per entry.
#pragma once

#include <QImage>
#include <QSize>

namespace tavrel::art {

inline constexpr QSize kPreviewSize{297, 424};
inline constexpr int kPreviewCount = 5;

// `entry` 1..5: tutorial, keypad warm-up, character and word drills, article practice,
// online page.
QImage draw_preview(int entry);

}  // namespace tavrel::art
