// BMP encoders, 8-bit plain and 4-bit run-length, whose output depends on the picture alone.
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

// A picture of at most 16 colours as a 4-bit run-length encoded BMP (BI_RLE4), which Qt's reader
// and common BMP viewers read: a picture that is mostly background takes a fraction of the plain
// file. Throws std::invalid_argument unless `image` is Format_Indexed8 with at most 16 colours.
std::string encode_bmp_rle4(const QImage& image);

// Write encode_bmp8(image) or encode_bmp_rle4(image) to `path`; throw std::runtime_error when
// they cannot.
void write_bmp8(const QImage& image, const std::filesystem::path& path);
void write_bmp_rle4(const QImage& image, const std::filesystem::path& path);

}  // namespace tavrel::drill_pictures
