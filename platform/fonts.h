// The Windows font names the windows are designed with, mapped to installed families.
#pragma once

#include <QFont>
#include <QString>

namespace tavrel {

// "宋体" and "黑体" (and their English names) become installed CJK families; others pass through.
QString font_family(const QString& windows_name);

QFont song_font(int pixel_size);  // 宋体
QFont hei_font(int pixel_size);   // 黑体

}  // namespace tavrel
