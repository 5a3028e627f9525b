// The pictures shipped under data/: counts, sizes, backgrounds and the codes in their names.
#include <gtest/gtest.h>

#include <QImage>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "name_rule.h"
#include "tools/drill_pictures/drill_data.h"
#include "tools/drill_pictures/pictures.h"

namespace tavrel::drill_pictures {
namespace {

namespace fs = std::filesystem;
using testing::code_in_name;

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

struct Centroid {
  double x = 0, y = 0;
  int count = 0;
  void add(int px, int py) { x += px, y += py, ++count; }
  QPointF at() const { return count ? QPointF(x / count, y / count) : QPointF(); }
};

// Mean places of the pixels close to `colour`, and of all ink.
std::pair<Centroid, Centroid> centroids(const QImage& image, QRgb colour) {
  Centroid of_colour, of_ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (near(pixel, colour, 40)) of_colour.add(x, y);
      if (qGray(pixel) < 215) of_ink.add(x, y);
    }
  }
  return {of_colour, of_ink};
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

    // The marked ink lies towards its corner of the character.
    const auto [marked, ink] = centroids(picture.image, kMarkedInk);
    ASSERT_GT(marked.count, 4);
    const bool left = corner == 0 || corner == 2, top = corner == 0 || corner == 1;
    EXPECT_EQ(marked.at().x() < ink.at().x(), left);
    EXPECT_EQ(marked.at().y() < ink.at().y(), top);
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

    QPointF at[4];
    for (int corner = 0; corner < 4; ++corner) {
      const auto [colour, ink] = centroids(picture.image, kCornerColours[corner]);
      ASSERT_GT(colour.count, 4) << "corner " << corner;
      at[corner] = colour.at();
    }
    EXPECT_LT(at[0].x(), at[1].x());
    EXPECT_LT(at[2].x(), at[3].x());
    EXPECT_LT(at[0].y(), at[2].y());
    EXPECT_LT(at[1].y(), at[3].y());
  }
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
