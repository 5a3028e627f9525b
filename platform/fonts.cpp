// Font mapping in one place: Song-style text in Noto Serif CJK SC, Hei-style in Noto Sans CJK SC.
#include "platform/fonts.h"

namespace tavrel {

// Noto's Latin letters and digits are those of a text face: "l" and "1" differ, so the
// program's own name reads "Tavrel" (AR PL UMing drew it as "Tavre1").
QString font_family(const QString& windows_name) {
  if (windows_name == QStringLiteral("宋体") ||
      windows_name.compare("SimSun", Qt::CaseInsensitive) == 0)
    return QStringLiteral("Noto Serif CJK SC");
  if (windows_name == QStringLiteral("黑体") ||
      windows_name.compare("SimHei", Qt::CaseInsensitive) == 0)
    return QStringLiteral("Noto Sans CJK SC");
  return windows_name;
}

static QFont font_of(const char* windows_name, int pixel_size, QFont::StyleHint hint) {
  QFont font(font_family(QString::fromUtf8(windows_name)));
  font.setPixelSize(pixel_size);
  font.setStyleHint(hint);
  return font;
}

QFont song_font(int pixel_size) { return font_of("宋体", pixel_size, QFont::Serif); }
QFont hei_font(int pixel_size) { return font_of("黑体", pixel_size, QFont::SansSerif); }

}  // namespace tavrel
