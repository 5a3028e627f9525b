// The pictures shipped under data/: counts, sizes, backgrounds and the codes in their names.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "name_rule.h"
#include "stroke_extract.h"
#include "tools/drill_pictures/drill_data.h"
#include "tools/drill_pictures/pictures.h"

namespace tavrel::drill_pictures {
namespace {

namespace fs = std::filesystem;
using testing::code_in_name;
using testing::glyph_of;

const fs::path kData = TAVREL_DATA_DIR;

struct Picture {
  std::string name;
  QImage image;
};

std::vector<Picture> pictures_in(const std::string& folder) {
  std::vector<Picture> out;
  for (const auto& entry : fs::directory_iterator(kData / "exercise" / folder)) {
    if (entry.path().extension() != ".bmp") continue;
    out.push_back(
        {entry.path().filename().string(), QImage(QString::fromStdString(entry.path().string()))});
  }
  std::sort(out.begin(), out.end(),
            [](const Picture& a, const Picture& b) { return a.name < b.name; });
  return out;
}

// Our codes by character, straight from the shipped drill lists.
const std::map<std::string, std::string>& our_codes() {
  static const auto codes = [] {
    std::map<std::string, std::string> out;
    for (const char* list : {"z1.txt", "z2.txt"})
      for (const auto& record : read_char_list(kData / "hzlib" / list))
        out[record.utf8] = record.code;
    return out;
  }();
  return codes;
}

// "fb_u4e2d_tl_5.bmp" -> {"fb", "u4e2d", "tl", "5"}.
std::vector<std::string> name_parts(const std::string& name) {
  std::istringstream stem(name.substr(0, name.rfind('.')));
  std::vector<std::string> parts;
  for (std::string part; std::getline(stem, part, '_');) parts.push_back(part);
  return parts;
}

// The character of a "u" + hex tag, empty when the tag is not one.
std::string character_of_tag(const std::string& tag) {
  if (tag.size() < 2 || tag[0] != 'u' ||
      tag.find_first_not_of("0123456789abcdef", 1) != std::string::npos)
    return {};
  const char32_t code_point = static_cast<char32_t>(std::stoul(tag.substr(1), nullptr, 16));
  return QString::fromUcs4(&code_point, 1).toStdString();
}

bool near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The outlines of `strokes` where the picture draws them, widened by the anti-aliased edge.
QPainterPath ink_of(const gen::Glyph& glyph, const std::vector<int>& strokes,
                    const QTransform& placement, double widen) {
  QPainterPath ink;
  ink.setFillRule(Qt::WindingFill);
  for (const int stroke : strokes)
    ink.addPath(placement.map(stroke_path(glyph.at(static_cast<std::size_t>(stroke)))));
  if (widen <= 0) return ink;
  QPainterPathStroker edge;
  edge.setWidth(2 * widen);
  return ink.united(edge.createStroke(ink));
}

// Where this colour's ink meets another position's, the blend of the two edges may come out
// nearest to this colour a pixel or two off its strokes.
bool next_to_another_position(const QImage& image, int x, int y, QRgb colour) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      if (!image.rect().contains(x + dx, y + dy)) continue;
      const QRgb pixel = image.pixel(x + dx, y + dy);
      for (int position = 0; position < 5; ++position)
        if (pixel == position_colour(position) && pixel != colour) return true;
    }
  return false;
}

struct Coverage {
  int coloured = 0;     // pixels of the colour
  int off_strokes = 0;  // of them, pixels outside the strokes they should lie on
  int inside = 0;       // pixels well inside those strokes
  int inside_coloured = 0;
  QPoint first_off;  // where, when some are
};

// Where the pixels of `colour` lie against the strokes that should carry it. `skip` leaves out
// pixels that belong to something else drawn in the same colour (the digits of an illustration).
Coverage coverage(const QImage& image, QRgb colour, int tolerance, const gen::Glyph& glyph,
                  const std::vector<int>& strokes, const QTransform& placement,
                  const std::function<bool(QPointF)>& skip = {}) {
  const QPainterPath near_strokes = ink_of(glyph, strokes, placement, 1.5);
  const QPainterPath strokes_core = ink_of(glyph, strokes, placement, 0);
  Coverage out;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QPointF centre(x + 0.5, y + 0.5);
      if (skip && skip(centre)) continue;
      const bool is_colour = near(image.pixel(x, y), colour, tolerance);
      if (is_colour) {
        ++out.coloured;
        if (!near_strokes.contains(centre) && !next_to_another_position(image, x, y, colour)) {
          ++out.off_strokes;
          out.first_off = QPoint(x, y);
        }
      }
      if (strokes_core.contains(centre)) ++out.inside, out.inside_coloured += is_colour;
    }
  }
  return out;
}

TEST(ShippedPictures, DrillPicturesFitACellAndKeepAPlainBorder) {
  for (const char* folder : {"bixing", "fubu", "caisezi"}) {
    for (const auto& picture : pictures_in(folder)) {
      SCOPED_TRACE(std::string(folder) + "/" + picture.name);
      const QImage& image = picture.image;
      ASSERT_FALSE(image.isNull());
      EXPECT_EQ(image.size(), QSize(kCellWidth, kCellHeight));
      // The board makes the bottom-left colour transparent: it must be the background all round.
      const QRgb key = image.pixel(0, image.height() - 1);
      EXPECT_EQ(key, kBackground);
      int off_border = 0, ink = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const bool border = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
          if (border) off_border += image.pixel(x, y) != key;
          ink += qGray(image.pixel(x, y)) < 160;
        }
      }
      EXPECT_EQ(off_border, 0);
      EXPECT_GE(ink, 12);
    }
  }
}

TEST(ShippedPictures, StrokeShapesNameEveryDigitSeveralTimes) {
  const auto pictures = pictures_in("bixing");
  EXPECT_GE(pictures.size(), 30u);
  std::map<std::string, int> per_code;
  for (const auto& picture : pictures) {
    const std::string code = code_in_name(picture.name);
    EXPECT_EQ(code.size(), 1u) << picture.name;
    ++per_code[code];
  }
  for (char digit = '0'; digit <= '9'; ++digit)
    EXPECT_GE(per_code[std::string(1, digit)], 3) << "digit " << digit;
}

TEST(ShippedPictures, CornerPicturesNameTheirCornersDigitAndMarkThatCorner) {
  const auto pictures = pictures_in("fubu");
  EXPECT_GE(pictures.size(), 60u);
  const std::map<std::string, int> corner_of = {{"tl", 0}, {"tr", 1}, {"bl", 2}, {"br", 3}};
  std::set<int> corners;
  std::map<std::string, int> digits;
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const auto parts = name_parts(picture.name);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0], "fb");
    ASSERT_TRUE(corner_of.count(parts[2]));
    const std::string character = character_of_tag(parts[1]);
    const int corner = corner_of.at(parts[2]);
    const auto code = our_codes().find(character);
    ASSERT_NE(code, our_codes().end()) << character << " is not in our lists";
    const std::string digit = code_in_name(picture.name);
    EXPECT_EQ(digit, code->second.substr(static_cast<std::size_t>(corner), 1)) << character;
    ASSERT_EQ(digit.size(), 1u);
    EXPECT_TRUE(is_drilled_corner(digit[0], corner)) << "a 0 that may mean a used shape";
    corners.insert(corner);
    ++digits[digit];

    // The red pixels lie on the strokes of that corner's shape, read from the stroke data, and
    // show those strokes whole.
    const gen::Glyph& glyph = glyph_of(character);
    const CornerStrokes found = find_corner_strokes(glyph, code->second);
    const auto& marked = found.strokes[static_cast<std::size_t>(corner)];
    ASSERT_TRUE(found.shaped[static_cast<std::size_t>(corner)]);
    ASSERT_FALSE(marked.empty());
    const Coverage red =
        coverage(picture.image, kMarkedInk, 40, glyph, marked, cell_placement(glyph));
    EXPECT_GT(red.coloured, 8);
    EXPECT_EQ(red.off_strokes, 0);
    EXPECT_GT(red.inside_coloured, red.inside / 2) << "the shape's strokes are red whole";
  }
  EXPECT_EQ(corners.size(), 4u);
  EXPECT_EQ(digits.size(), 10u) << "every digit has its pictures";
  for (const auto& [digit, count] : digits) EXPECT_GE(count, 4) << "digit " << digit;
}

TEST(ShippedPictures, ColouredPicturesEndInTheFullCodeAndKeepTheirCornerColours) {
  const auto pictures = pictures_in("caisezi");
  EXPECT_GE(pictures.size(), 60u);
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.name);
    const auto parts = name_parts(picture.name);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0], "cs");
    const std::string character = character_of_tag(parts[1]);
    const auto code = our_codes().find(character);
    ASSERT_NE(code, our_codes().end()) << character << " is not in our lists";
    EXPECT_EQ(code_in_name(picture.name), code->second);

    ASSERT_EQ(code->second.size(), 5u);
    EXPECT_NE(code->second[4], '0') << "the 附角 is practised";

    // Each position's colour lies on the strokes of its shape, and every position shows.
    const gen::Glyph& glyph = glyph_of(character);
    const CornerStrokes found = find_corner_strokes(glyph, code->second);
    EXPECT_TRUE(found.all_shaped());
    for (int position = 0; position < 5; ++position) {
      SCOPED_TRACE("position " + std::to_string(position));
      const Coverage colour =
          coverage(picture.image, position_colour(position), 30, glyph,
                   found.strokes[static_cast<std::size_t>(position)], cell_placement(glyph));
      if (!found.strokes[static_cast<std::size_t>(position)].empty()) {
        EXPECT_TRUE(found.has_stroke_of_its_own(position)) << "its colour would not show";
        EXPECT_GT(colour.coloured, 4);
      }
      EXPECT_EQ(colour.off_strokes, 0);
    }
  }
}

TEST(ShippedPictures, IllustrationsColourTheStrokesOfEachPosition) {
  // A fixed sample of the illustrations, whose characters' outlines lie beside the tests.
  int checked = 0;
  for (const auto& [character, glyph] : testing::extract_glyphs()) {
    const auto code = our_codes().find(character);
    const fs::path file = kData / "statement" / fs::u8path(character + ".bmp");
    if (code == our_codes().end() || !fs::exists(file)) continue;
    SCOPED_TRACE(character);
    const QImage image(QString::fromStdString(file.string()));
    ASSERT_FALSE(image.isNull());
    const CornerStrokes found = find_corner_strokes(glyph, code->second);
    // The digits' badges share the colours; only the writing grid's inside is the glyph's.
    const QRectF grid = kStatementGrid;
    const QPointF badges[5] = {grid.topLeft(), grid.topRight(), grid.bottomLeft(),
                               grid.bottomRight(), QPointF(grid.right(), grid.bottom() - 18)};
    const auto off_glyph = [&](QPointF at) {
      if (!grid.contains(at)) return true;
      for (const QPointF badge : badges)
        if (std::hypot(at.x() - badge.x(), at.y() - badge.y()) < 10) return true;
      return false;
    };
    for (int position = 0; position < 5; ++position) {
      SCOPED_TRACE("position " + std::to_string(position));
      const auto& strokes = found.strokes[static_cast<std::size_t>(position)];
      const Coverage colour = coverage(image, position_colour(position), 0, glyph, strokes,
                                       statement_placement(glyph), off_glyph);
      // Sixteen colours: an edge's blend may come out as a position's colour a pixel off; a
      // stroke coloured for the wrong position would be dozens.
      EXPECT_LE(colour.off_strokes, 2) << colour.first_off.x() << "," << colour.first_off.y();
      if (strokes.empty()) {
        EXPECT_EQ(colour.coloured, 0);
      }
      // A stroke of several positions is shared out; one of its own must show.
      if (found.has_stroke_of_its_own(position)) {
        EXPECT_GT(colour.coloured, 4);
      }
    }
    ++checked;
  }
  EXPECT_GE(checked, 60) << "the extract holds a sample of the illustrations";
}

TEST(ShippedPictures, StatementsAreCodedCharactersOfTheRightSize) {
  std::set<std::string> explained;
  for (const auto& entry : fs::directory_iterator(kData / "statement")) {
    const std::string name = entry.path().filename().string();  // UTF-8 on this platform
    SCOPED_TRACE(name);
    ASSERT_EQ(entry.path().extension(), ".bmp");
    const std::string character = name.substr(0, name.size() - 4);
    EXPECT_TRUE(our_codes().count(character)) << "not a coded character";
    const QImage image(QString::fromStdString(entry.path().string()));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(kStatementWidth, kStatementHeight));
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_LT(entry.file_size(), 5000u) << "run-length encoded";
    explained.insert(character);
  }
  // Every character of the two full-code drills, and nothing else, has its illustration.
  std::set<std::string> drilled;
  for (const auto& [character, code] : our_codes()) drilled.insert(character);
  EXPECT_EQ(explained, drilled);
}

TEST(ShippedPictures, IconsAreSquarePngsWithATransparentGround) {
  for (const auto& [name, size] : {std::pair{"tavrel.png", 256}, std::pair{"tavrel_48.png", 48}}) {
    SCOPED_TRACE(name);
    const QImage icon(QString::fromStdString((kData / "images" / name).string()), "PNG");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
  }
}

}  // namespace
}  // namespace tavrel::drill_pictures
