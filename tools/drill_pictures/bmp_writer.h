// An 8-bit BMP encoder whose output depends on the picture alone.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

namespace tavrel::drill_pictures {

// The bytes of an uncompressed 8-bit BMP (BITMAPINFOHEADER, the colour table, rows bottom-up,
// each padded with zeros to four bytes). Qt's own writer leaves the row padding of 8-bit
// pictures uninitialised, so two runs would differ. Throws std::invalid_argument unless
// `image` is Format_Indexed8.
std::string encode_bmp8(const QImage& image);

// Writes encode_bmp8(image) to `path`; throws std::runtime_error when it cannot.
void write_bmp8(const QImage& image, const std::filesystem::path& path);

}  // namespace tavrel::drill_pictures
