// BMP encoders, 8-bit plain and 4-bit run-length, whose output depends on the picture alone.
#include "tools/drill_pictures/bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace tavrel::drill_pictures {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

void put16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(value >> shift));
}

constexpr std::uint32_t kNoCompression = 0;
constexpr std::uint32_t kRunLength4 = 2;

void check_indexed(const QImage& image) {
  if (image.format() != QImage::Format_Indexed8 || image.isNull())
    throw std::invalid_argument("the BMP encoder takes an 8-bit indexed picture");
}

// Headers and colour table of a BMP of `bits` a pixel whose data (rows bottom-up) is `pixels`.
std::string with_headers(const QImage& image, std::uint16_t bits, std::uint32_t compression,
                         const std::string& pixels) {
  const auto colours = static_cast<std::uint32_t>(image.colorCount());
  const std::uint32_t pixels_at = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;
  const auto pixel_bytes = static_cast<std::uint32_t>(pixels.size());
  std::string out;
  out.reserve(pixels_at + pixel_bytes);
  out += "BM";
  put32(out, pixels_at + pixel_bytes);
  put32(out, 0);
  put32(out, pixels_at);
  put32(out, kInfoHeaderBytes);
  put32(out, static_cast<std::uint32_t>(image.width()));
  put32(out, static_cast<std::uint32_t>(image.height()));  // positive: rows bottom-up
  put16(out, 1);
  put16(out, bits);
  put32(out, compression);
  put32(out, pixel_bytes);
  put32(out, static_cast<std::uint32_t>(image.dotsPerMeterX()));
  put32(out, static_cast<std::uint32_t>(image.dotsPerMeterY()));
  put32(out, colours);
  put32(out, colours);
  for (const QRgb colour : image.colorTable()) {
    out.push_back(static_cast<char>(qBlue(colour)));
    out.push_back(static_cast<char>(qGreen(colour)));
    out.push_back(static_cast<char>(qRed(colour)));
    out.push_back('\0');
  }
  return out + pixels;
}

// Appends `count` pixels from `row` literally: one byte each, or two to a byte in 4 bits.
void append_pixels(const uchar* row, int count, int bits, std::string& out) {
  if (bits == 8) {
    out.append(reinterpret_cast<const char*>(row), static_cast<std::size_t>(count));
    return;
  }
  for (int i = 0; i < count; i += 2)
    out.push_back(static_cast<char>(row[i] << 4 | (i + 1 < count ? row[i + 1] : 0)));
}

// The index byte of a run: in 4 bits both halves name the run's colour.
char run_byte(uchar index, int bits) {
  return static_cast<char>(bits == 8 ? index : (index << 4 | index));
}

// One row run-length encoded (RLE4; the same scheme with whole bytes would be RLE8): runs worth
// it as (count, index); other stretches of three or more pixels literally (0, count, pixels,
// padded to a whole number of 16-bit words), shorter ones as runs of one. A run is worth it
// from two pixels in 8 bits, from four in 4 bits, where a literal pixel takes half a byte.
void encode_row(const uchar* row, int width, int bits, std::string& out) {
  const int worth = bits == 8 ? 2 : 4;
  const auto run_at = [&](int x) {
    int run = 1;
    while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
    return run;
  };
  int x = 0;
  while (x < width) {
    const int run = run_at(x);
    if (run >= worth) {
      out.push_back(static_cast<char>(run));
      out.push_back(run_byte(row[x], bits));
      x += run;
      continue;
    }
    int end = x + 1;  // the literal stretch ends where a run worth it begins
    while (end < width && end - x < 255 && run_at(end) < worth) ++end;
    const int count = end - x;
    if (count < 3) {
      for (int i = x; i < end; ++i) {
        out.push_back('\1');
        out.push_back(run_byte(row[i], bits));
      }
    } else {
      out.push_back('\0');
      out.push_back(static_cast<char>(count));
      const std::size_t before = out.size();
      append_pixels(row + x, count, bits, out);
      if ((out.size() - before) % 2) out.push_back('\0');
    }
    x = end;
  }
  out.push_back('\0');  // end of line
  out.push_back('\0');
}

std::string run_length_pixels(const QImage& image, int bits) {
  std::string pixels;
  for (int y = image.height() - 1; y >= 0; --y)
    encode_row(image.constScanLine(y), image.width(), bits, pixels);
  pixels.push_back('\0');  // end of bitmap
  pixels.push_back('\1');
  return pixels;
}

}  // namespace

std::string encode_bmp8(const QImage& image) {
  check_indexed(image);
  const auto width = static_cast<std::size_t>(image.width());
  const std::size_t stride = (width + 3) / 4 * 4;
  std::string pixels;
  pixels.reserve(stride * static_cast<std::size_t>(image.height()));
  for (int y = image.height() - 1; y >= 0; --y) {
    pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), width);
    pixels.append(stride - width, '\0');
  }
  return with_headers(image, 8, kNoCompression, pixels);
}

std::string encode_bmp_rle4(const QImage& image) {
  check_indexed(image);
  if (image.colorCount() > 16) throw std::invalid_argument("a 4-bit BMP holds at most 16 colours");
  return with_headers(image, 4, kRunLength4, run_length_pixels(image, 4));
}

void write_bytes(const std::string& bytes, const std::filesystem::path& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void write_bmp8(const QImage& image, const std::filesystem::path& path) {
  write_bytes(encode_bmp8(image), path);
}

void write_bmp_rle4(const QImage& image, const std::filesystem::path& path) {
  write_bytes(encode_bmp_rle4(image), path);
}

}  // namespace tavrel::drill_pictures
