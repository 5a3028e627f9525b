// Animated GIF89a encoder: fixed palette, nearest-colour mapping, LZW, endless looping.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tavrel::art {

// 216 web-safe colours (six levels per channel) followed by 40 greys: 256 entries in all.
std::vector<QRgb> standard_palette();

// Maps colours to the nearest palette entry (squared RGB distance, first entry on ties).
// Results are cached, so repeated colours cost one lookup.
class PaletteMapper {
 public:
  explicit PaletteMapper(std::vector<QRgb> palette);

  const std::vector<QRgb>& palette() const { return palette_; }
  std::uint8_t index_of(QRgb colour);

 private:
  std::vector<QRgb> palette_;
  std::unordered_map<QRgb, std::uint8_t> cache_;
};

// LZW-compresses 8-bit palette indices the way GIF image data wants them (minimum code size
// 8), returning the raw code stream before it is cut into sub-blocks. The table is cleared
// whenever it fills, so no deferred-clear handling is needed on the reading side.
QByteArray lzw_compress(const std::vector<std::uint8_t>& indices);

// Collects frames of one size and writes them out as a single looping GIF. Every frame covers
// the whole picture, so frames are independent of each other.
class GifWriter {
 public:
  // `loop_count` 0 means loop forever.
  GifWriter(QSize size, std::vector<QRgb> palette, int loop_count = 0);

  // Adds `image` (scaled to the writer's size if it differs) shown for `delay_cs` hundredths
  // of a second. Alpha is ignored: the frame is taken as opaque.
  void add_frame(const QImage& image, int delay_cs);

  int frame_count() const { return static_cast<int>(frames_.size()); }

  // The complete file: header, colour table, loop extension, frames, trailer.
  QByteArray encode() const;

  // Writes encode() to `path`; false when the file cannot be written.
  bool save(const QString& path) const;

 private:
  struct Frame {
    std::vector<std::uint8_t> indices;
    int delay_cs = 0;
  };

  QSize size_;
  int loop_count_ = 0;
  PaletteMapper mapper_;
  std::vector<Frame> frames_;
};

}  // namespace tavrel::art
