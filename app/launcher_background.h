// The launcher's background, decoded at build time and kept in the program as raw pixels.
#pragma once

#include <QImage>

namespace tavrel {

// Pixels in QImage::Format_RGB32, row after row; width 0 when the build had no picture.
struct RawPicture {
  const unsigned char* pixels;
  int width;
  int height;
  int bytes_per_line;
};
extern const RawPicture kLauncherBackground;

// The background as an image over the program's read-only bytes: nothing is decoded or copied.
inline QImage launcher_background() {
  const RawPicture& p = kLauncherBackground;
  if (p.width == 0) return {};
  return QImage(p.pixels, p.width, p.height, p.bytes_per_line, QImage::Format_RGB32);
}

}  // namespace tavrel
