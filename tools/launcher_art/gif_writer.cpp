// Animated GIF89a encoder: fixed palette, nearest-colour mapping, LZW, endless looping.
#include "gif_writer.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace tavrel::art {
namespace {

constexpr int kPaletteEntries = 256;
constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
constexpr int kFirstFreeCode = kClearCode + 2;
constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;
constexpr int kMaxSubBlock = 255;

// Packs variable-width codes least significant bit first, as GIF expects.
class BitPacker {
 public:
  void put(int code, int width) {
    accumulator_ |= static_cast<std::uint32_t>(code) << bit_count_;
    bit_count_ += width;
    while (bit_count_ >= 8) {
      bytes_.append(static_cast<char>(accumulator_ & 0xFF));
      accumulator_ >>= 8;
      bit_count_ -= 8;
    }
  }

  QByteArray finish() {
    if (bit_count_ > 0) bytes_.append(static_cast<char>(accumulator_ & 0xFF));
    accumulator_ = 0;
    bit_count_ = 0;
    return std::move(bytes_);
  }

 private:
  QByteArray bytes_;
  std::uint32_t accumulator_ = 0;
  int bit_count_ = 0;
};

void put_u16(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put_bytes(QByteArray& out, std::initializer_list<int> bytes) {
  for (int b : bytes) out.append(static_cast<char>(b));
}

// Cuts a code stream into the length-prefixed sub-blocks of GIF, ending with an empty block.
void put_sub_blocks(QByteArray& out, const QByteArray& data) {
  for (qsizetype pos = 0; pos < data.size(); pos += kMaxSubBlock) {
    const qsizetype len = std::min<qsizetype>(kMaxSubBlock, data.size() - pos);
    out.append(static_cast<char>(len));
    out.append(data.constData() + pos, len);
  }
  out.append('\0');
}

int squared_distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

std::vector<QRgb> standard_palette() {
  std::vector<QRgb> palette;
  palette.reserve(kPaletteEntries);
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) palette.push_back(qRgb(r * 51, g * 51, b * 51));
    }
  }
  // Black and white are already in the cube, so the greys fill the steps between them.
  const int greys = kPaletteEntries - static_cast<int>(palette.size());
  for (int i = 1; i <= greys; ++i) {
    const int v = (i * 255 + (greys + 1) / 2) / (greys + 1);
    palette.push_back(qRgb(v, v, v));
  }
  return palette;
}

PaletteMapper::PaletteMapper(std::vector<QRgb> palette) : palette_(std::move(palette)) {
  if (palette_.empty() || palette_.size() > kPaletteEntries) {
    throw std::invalid_argument("a GIF palette holds 1 to 256 colours");
  }
}

std::uint8_t PaletteMapper::index_of(QRgb colour) {
  colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
  if (auto it = cache_.find(colour); it != cache_.end()) return it->second;
  std::size_t best = 0;
  int best_distance = squared_distance(colour, palette_[0]);
  for (std::size_t i = 1; i < palette_.size() && best_distance > 0; ++i) {
    const int d = squared_distance(colour, palette_[i]);
    if (d < best_distance) {
      best = i;
      best_distance = d;
    }
  }
  const auto index = static_cast<std::uint8_t>(best);
  cache_.emplace(colour, index);
  return index;
}

QByteArray lzw_compress(const std::vector<std::uint8_t>& indices) {
  // children[code][byte] is the code for string(code) + byte; 0 means none (never a real
  // child, since children start at kFirstFreeCode). Rows are added as codes are handed out.
  std::vector<std::array<std::uint16_t, 256>> children(kFirstFreeCode);
  auto reset_table = [&children] {
    children.resize(kFirstFreeCode);
    for (auto& row : children) row.fill(0);
  };
  BitPacker packer;
  int width = kMinCodeSize + 1;
  int next_code = kFirstFreeCode;
  packer.put(kClearCode, width);
  if (indices.empty()) {
    packer.put(kEndCode, width);
    return packer.finish();
  }

  int prefix = indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const int byte = indices[i];
    if (const int known = children[prefix][byte]; known != 0) {
      prefix = known;
      continue;
    }
    packer.put(prefix, width);
    children[prefix][byte] = static_cast<std::uint16_t>(next_code++);
    children.emplace_back();  // value-initialised: no children yet
    // The reader's table lags one entry behind ours, so widen once our newest code no longer
    // fits: that is exactly when the reader's table reaches the current width's limit.
    if (next_code > (1 << width) && width < kMaxCodeWidth) ++width;
    if (next_code == kTableSize) {
      packer.put(kClearCode, width);
      reset_table();
      width = kMinCodeSize + 1;
      next_code = kFirstFreeCode;
    }
    prefix = byte;
  }
  packer.put(prefix, width);
  // The reader adds one more entry on this last code and widens if that fills the width.
  if (next_code == (1 << width) && width < kMaxCodeWidth) ++width;
  packer.put(kEndCode, width);
  return packer.finish();
}

GifWriter::GifWriter(QSize size, std::vector<QRgb> palette, int loop_count)
    : size_(size), loop_count_(loop_count), mapper_(std::move(palette)) {
  if (size_.width() <= 0 || size_.height() <= 0 || size_.width() > 0xFFFF ||
      size_.height() > 0xFFFF) {
    throw std::invalid_argument("GIF size out of range");
  }
}

void GifWriter::add_frame(const QImage& image, int delay_cs) {
  QImage rgb = image.size() == size_
                   ? image
                   : image.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  rgb = rgb.convertToFormat(QImage::Format_RGB32);
  Frame frame;
  frame.delay_cs = std::clamp(delay_cs, 0, 0xFFFF);
  frame.indices.reserve(static_cast<std::size_t>(size_.width()) * size_.height());
  for (int y = 0; y < size_.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < size_.width(); ++x) frame.indices.push_back(mapper_.index_of(line[x]));
  }
  frames_.push_back(std::move(frame));
}

QByteArray GifWriter::encode() const {
  QByteArray out;
  out.append("GIF89a");
  put_u16(out, size_.width());
  put_u16(out, size_.height());
  // Global colour table present, 8 bits of colour resolution, 256 entries.
  put_bytes(out, {0xF7, 0, 0});
  const auto& palette = mapper_.palette();
  for (int i = 0; i < kPaletteEntries; ++i) {
    const QRgb c = i < static_cast<int>(palette.size()) ? palette[i] : qRgb(0, 0, 0);
    put_bytes(out, {qRed(c), qGreen(c), qBlue(c)});
  }

  // Application extension "NETSCAPE2.0": the loop count that browsers and Qt honour.
  put_bytes(out, {0x21, 0xFF, 11});
  out.append("NETSCAPE2.0");
  put_bytes(out, {3, 1});
  put_u16(out, loop_count_);
  out.append('\0');

  for (const Frame& frame : frames_) {
    // Graphic control: leave the frame in place (disposal 1), no transparency.
    put_bytes(out, {0x21, 0xF9, 4, 1 << 2});
    put_u16(out, frame.delay_cs);
    put_bytes(out, {0, 0});
    // Image descriptor: the whole picture, no local colour table, not interlaced.
    out.append('\x2C');
    put_u16(out, 0);
    put_u16(out, 0);
    put_u16(out, size_.width());
    put_u16(out, size_.height());
    out.append('\0');
    out.append(static_cast<char>(kMinCodeSize));
    put_sub_blocks(out, lzw_compress(frame.indices));
  }
  out.append('\x3B');
  return out;
}

bool GifWriter::save(const QString& path) const {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = encode();
  return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace tavrel::art
