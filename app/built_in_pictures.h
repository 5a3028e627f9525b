// Pictures shown at start-up (the launcher's background, the program icon), decoded at build time
// and kept in the program as raw pixels.
#pragma once

#include <QImage>

namespace tavrel {

// Pixels row after row in QImage::Format_ARGB32 when the picture has transparent parts, else in
// Format_RGB32; width 0 when the build had no picture.
struct RawPicture {
  const unsigned char* pixels;
  int width;
  int height;
  int bytes_per_line;
  bool has_alpha;
};
extern const RawPicture kLauncherBackground;
extern const RawPicture kProgramIcon;

// The picture as an image over the program's read-only bytes: nothing is decoded or copied.
inline QImage image_of(const RawPicture& p) {
  if (p.width == 0) return {};
  return QImage(p.pixels, p.width, p.height, p.bytes_per_line,
                p.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

}  // namespace tavrel
