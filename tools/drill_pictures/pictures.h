// Drawing of the drill pictures, the code illustrations, the course's pictures and the icon:
// characters are drawn from the stroke outlines of the stroke data.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <string>
#include <vector>

#include "tools/drill_pictures/corner_strokes.h"
#include "tools/gen_data/strokes.h"

namespace tavrel::drill_pictures {

// A drill cell is 49 x 48; pictures are drawn at that size so that nothing is lost in scaling.
inline constexpr int kCellWidth = 49;
inline constexpr int kCellHeight = 48;
inline constexpr int kStatementWidth = 97;
inline constexpr int kStatementHeight = 113;

// Where a character goes in a drill cell and in an illustration (its writing grid inside).
inline constexpr QRectF kCellGlyphBox(4, 4, 41, 40);
inline constexpr QRectF kStatementGrid(10.5, 10.5, 76, 76);
inline constexpr QRectF kStatementGlyphBox(18.5, 18.5, 60, 60);

// The board draws a picture transparent in its bottom-left pixel's colour: every picture keeps
// this background, and nothing is drawn near that corner.
inline constexpr QRgb kBackground = 0xFFFFFFFF;

// Top-left, top-right, bottom-left and bottom-right corner colours, and the 附角's.
inline constexpr QRgb kCornerColours[4] = {0xFFD7261E, 0xFFE67E00, 0xFF17963A, 0xFF1F5FD0};
inline constexpr QRgb kSupplementColour = 0xFF8E3BB5;
// The corner drill's marked ink, and the ink of strokes that belong to no marked shape.
inline constexpr QRgb kMarkedInk = 0xFFD7261E;
inline constexpr QRgb kQuietInk = 0xFF9A9A9A;

// The colour of a code position: the four corners, then the 附角.
QRgb position_colour(int position);

// Font units of the stroke data (y upwards, a 1024 em) to pixels: the strokes' outlines (`only`
// those when given) centred in `box`, as large as fits but never larger than `em_share` of the
// box's height to the em, so that small characters such as 一 keep their natural size.
QTransform place_glyph(const gen::Glyph& glyph, const QRectF& box, double em_share,
                       const std::vector<int>& only = {});
// The placements the drill cells and the illustrations use.
QTransform cell_placement(const gen::Glyph& glyph);
QTransform statement_placement(const gen::Glyph& glyph);

// A stroke's outline in font units. Throws std::invalid_argument on a bad or missing outline.
QPainterPath stroke_path(const gen::Stroke& stroke);

// Throws std::runtime_error when the digits' font is missing, so that pictures are never drawn in
// a fallback font.
void check_fonts();

// A drill cell: `strokes` of the glyph alone, as large as they fit.
QImage draw_stroke_form(const gen::Glyph& glyph, const std::vector<int>& strokes);
// A drill cell: the glyph with `marked` strokes red and the rest grey.
QImage draw_corner_marked(const gen::Glyph& glyph, const std::vector<int>& marked);
// A drill cell: each position's strokes in its colour, the rest grey.
QImage draw_coloured_corners(const gen::Glyph& glyph, const CornerStrokes& corners);
// The illustration: the glyph in a writing grid with each position's strokes in its colour, the
// digits beside their corners, the 附角's above the lower right one, the full code below;
// `zoom` draws it larger for the course.
QImage draw_statement(const gen::Glyph& glyph, const std::string& code,
                      const CornerStrokes& corners, double zoom = 1);

// The course's picture of the five positions: the glyph as in its illustration, with each
// position's name ("左上" ... "附角") beside it instead of its digit.
QImage draw_corner_names(const gen::Glyph& glyph, const CornerStrokes& corners, double zoom);

// One form of a shape for the course: the strokes and the form's caption.
struct ShapeForm {
  const gen::Glyph* glyph;
  std::vector<int> strokes;
  QString caption;
};
// The course's picture of one shape: its digit and name, then its forms.
QImage draw_shape_sheet(char digit, const QString& name, const std::vector<ShapeForm>& forms);

// One character of a word for the course's picture of its word code: its full code and how
// many of its digits the word code takes.
struct WordPart {
  const gen::Glyph* glyph;
  std::string full;
  std::size_t take;
};
// The course's picture of a word code: each character with its full code, the digits taken in
// red, and the word code they make.
QImage draw_word_code(const std::vector<WordPart>& parts);

// The program icon at `size` pixels; below 64 the keys lose their digits.
QImage draw_icon(int size);

// The picture in 8-bit colour against our fixed palette, nearest colour for each pixel.
QImage to_indexed(const QImage& image);
// The same against a palette of 16 (the background, the inks, the position colours, half tints
// of each and the grid's frame), for 4-bit files.
QImage to_indexed16(const QImage& image);

}  // namespace tavrel::drill_pictures
