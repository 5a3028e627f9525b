// Font mapping in one place: Song-style text in AR PL UMing, Hei-style text in WenQuanYi Zen Hei.
#include "app/fonts.h"

namespace tavrel {

QString font_family(const QString& windows_name) {
  if (windows_name == QStringLiteral("宋体") || windows_name.compare("SimSun", Qt::CaseInsensitive) == 0)
    return QStringLiteral("AR PL UMing CN");
  if (windows_name == QStringLiteral("黑体") || windows_name.compare("SimHei", Qt::CaseInsensitive) == 0)
    return QStringLiteral("WenQuanYi Zen Hei");
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
