// Drawing of the drill pictures, the code illustrations and the program icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <string>
#include <vector>

namespace tavrel::drill_pictures {

// A drill cell is 49 x 48; pictures are drawn at that size so that nothing is lost in scaling.
inline constexpr int kCellWidth = 49;
inline constexpr int kCellHeight = 48;
inline constexpr int kStatementWidth = 97;
inline constexpr int kStatementHeight = 113;

// The board draws a picture transparent in its bottom-left pixel's colour: every picture keeps
// this background, and nothing is drawn near that corner.
inline constexpr QRgb kBackground = 0xFFFFFFFF;

// Top-left, top-right, bottom-left and bottom-right corner colours, and the supplementary one.
inline constexpr QRgb kCornerColours[4] = {0xFFD7261E, 0xFFE67E00, 0xFF17963A, 0xFF1F5FD0};
inline constexpr QRgb kSupplementColour = 0xFF8E3BB5;
// The corner drill's marked ink and the ink of the rest of the character.
inline constexpr QRgb kMarkedInk = 0xFFD7261E;
inline constexpr QRgb kQuietInk = 0xFF959595;

enum class Face { kHei, kSong };

// One form of a stroke shape for the stroke-shape drill.
struct StrokeForm {
  const char* stem;   // file name before the digit
  const char* glyph;  // UTF-8
  Face face;
  double size;  // share of the cell the glyph's em square may take
  int digit;
};

// The forms of the ten shapes, after the rhyme on the board: 1 horizontal, 2 vertical,
// 3 dot and right-falling, 4 cross, 5 pierced, 6 box, 7 corner, 8 eight, 9 small,
// 0 left-falling and left hook.
const std::vector<StrokeForm>& stroke_forms();

// Throws std::runtime_error when the face's installed family is missing, so that pictures are
// never drawn in a fallback font.
void check_fonts();

QImage draw_stroke_form(const StrokeForm& form);
// The character with the ink of one corner (0-3 in code order) marked.
QImage draw_corner_marked(const QString& character, int corner);
// The character with each corner's ink in its corner colour.
QImage draw_coloured_corners(const QString& character);
// The character large in a square grid, each corner's digit beside it, the full code below.
QImage draw_statement(const QString& character, const std::string& code);
// The program icon at `size` pixels; below 64 the keys lose their digits.
QImage draw_icon(int size);

// The picture in 8-bit colour against our fixed palette, nearest colour for each pixel.
QImage to_indexed(const QImage& image);
// The same against a palette of 16 (the background, the inks, the corner colours, the
// supplementary one, half tints of each and the grid's two pinks), for 4-bit files.
QImage to_indexed16(const QImage& image);

}  // namespace tavrel::drill_pictures
