// An 8-bit BMP encoder whose output depends on the picture alone.
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

}  // namespace

std::string encode_bmp8(const QImage& image) {
  if (image.format() != QImage::Format_Indexed8 || image.isNull())
    throw std::invalid_argument("encode_bmp8 takes an 8-bit indexed picture");
  const auto width = static_cast<std::uint32_t>(image.width());
  const auto height = static_cast<std::uint32_t>(image.height());
  const auto colours = static_cast<std::uint32_t>(image.colorCount());
  const std::uint32_t stride = (width + 3) / 4 * 4;
  const std::uint32_t pixels_at = kFileHeaderBytes + kInfoHeaderBytes + 4 * colours;
  const std::uint32_t file_size = pixels_at + stride * height;

  std::string out;
  out.reserve(file_size);
  out += "BM";
  put32(out, file_size);
  put32(out, 0);
  put32(out, pixels_at);
  put32(out, kInfoHeaderBytes);
  put32(out, width);
  put32(out, height);  // positive: rows bottom-up
  put16(out, 1);
  put16(out, 8);
  put32(out, 0);  // no compression
  put32(out, stride * height);
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
  for (int y = image.height() - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char*>(image.constScanLine(y)), width);
    out.append(stride - width, '\0');
  }
  return out;
}

void write_bmp8(const QImage& image, const std::filesystem::path& path) {
  const std::string bytes = encode_bmp8(image);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace tavrel::drill_pictures
