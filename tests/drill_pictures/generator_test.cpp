// The generator's parts: list reading, choices, file names, the BMP encoder and the drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <map>
#include <set>
#include <stdexcept>

#include "name_rule.h"
#include "stroke_extract.h"
#include "temp_dir.h"
#include "tools/drill_pictures/bmp_writer.h"
#include "tools/drill_pictures/drill_data.h"
#include "tools/drill_pictures/pictures.h"
#include "tools/drill_pictures/stroke_forms.h"

namespace tavrel::drill_pictures {
namespace {

using testing::code_in_name;
using testing::glyph_of;

QImage statement_of(const std::string& character, const std::string& code) {
  const gen::Glyph& glyph = glyph_of(character);
  return draw_statement(glyph, code, find_corner_strokes(glyph, code));
}

QImage coloured_of(const std::string& character, const std::string& code) {
  const gen::Glyph& glyph = glyph_of(character);
  return draw_coloured_corners(glyph, find_corner_strokes(glyph, code));
}

CodedChar coded(const std::string& utf8, const std::string& code, std::int64_t frequency = 0) {
  return {utf8, code, 0, frequency};
}

TEST(PictureNames, DecodeToTheirCodeWhateverTheStemEndsIn) {
  EXPECT_EQ(code_in_name(picture_file_name("bx_heng_a", "1")), "1");
  EXPECT_EQ(code_in_name(picture_file_name("cs_u5230", "67020")), "67020");
  EXPECT_EQ(code_in_name(picture_file_name("fb_u4e2d_tl", "5")), "5");
  EXPECT_EQ(code_in_name("exercise\\fubu\\" + picture_file_name("x9", "0")), "0");
  EXPECT_THROW(picture_file_name("", "1"), std::invalid_argument);
  EXPECT_THROW(picture_file_name("bx", ""), std::invalid_argument);
  EXPECT_THROW(picture_file_name("bx", "1a"), std::invalid_argument);
}

TEST(PictureNames, TagCharactersByCodePoint) {
  EXPECT_EQ(code_point_tag("中"), "u4e2d");
  EXPECT_EQ(code_point_tag("麟"), "u9e9f");
}

TEST(CharList, ReadsRecordsAndToleratesAMissingFinalByte) {
  tavrel::testing::TempDir dir;
  // 中 and 国 in GBK, the second record without the last byte of its line end.
  const std::string bytes = "50006 \xD6\xD0\r\n60103 \xB9\xFA\r";
  const auto records = read_char_list(dir.write("z.txt", bytes));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].code, "50006");
  EXPECT_EQ(records[0].utf8, "中");
  EXPECT_EQ(records[1].code, "60103");
  EXPECT_EQ(records[1].utf8, "国");
}

TEST(CharList, RejectsRecordsThatAreNotCodedCharacters) {
  tavrel::testing::TempDir dir;
  EXPECT_THROW(read_char_list(dir.write("blank.txt", "      \xD6\xD0\r\n")), std::runtime_error);
  EXPECT_THROW(read_char_list(dir.write("ascii.txt", "5000  ab\r\n")), std::runtime_error);
  EXPECT_THROW(read_char_list(dir.path() / "missing.txt"), std::runtime_error);
}

TEST(DrillChars, ShortCodeCharactersNeedAFullCode) {
  tavrel::testing::TempDir dir;
  dir.write("hzlib/z1.txt", "50006 \xD6\xD0\r\n");
  dir.write("hzlib/z2.txt", "");
  dir.write("hzlib/z3.txt", "5     \xD6\xD0\r\n");
  dir.write("hzlib/z4.txt", "");
  const DrillChars drill = read_drill_chars(dir.path());
  ASSERT_EQ(drill.chars.size(), 1u);
  EXPECT_EQ(drill.short_code_chars.count("中"), 1u);
  dir.write("hzlib/z4.txt", "60    \xB9\xFA\r\n");
  EXPECT_THROW(read_drill_chars(dir.path()), std::runtime_error);
}

TEST(DrillChars, RankByOwnFrequencyThenListOrder) {
  tavrel::testing::TempDir dir;
  DrillChars drill;
  drill.chars = {{"乙", "17710", 0, 0}, {"甲", "60500", 1, 0}, {"丙", "10227", 2, 0}};
  // 甲 has no entry of its own; the word 甲乙 must not lend it a frequency.
  const auto words = dir.write("dict.txt", "丙 30 n\n甲乙 900 n\n乙 30 n\n乙 5 n\n");
  read_frequencies(words, drill);
  const auto order = ranked(drill);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0].utf8, "乙");
  EXPECT_EQ(order[1].utf8, "丙");
  EXPECT_EQ(order[2].utf8, "甲");
  EXPECT_EQ(order[0].frequency, 30);
  EXPECT_EQ(order[2].frequency, 0);
}

TEST(Choices, CornerQuotaFollowsHowOftenEachDigitStandsAtACorner) {
  // Drilled corners of the two most common characters: 6 6 1 1 at 字0, 0 7 7 1 at 字1 (the 0 at
  // the upper left counts); 字2 is beyond the common ones and does not count.
  const std::vector<CodedChar> order = {coded("字0", "66110"), coded("字1", "07710"),
                                        coded("字2", "99990")};
  const auto quota = corner_quota(order, 24, 1, 2);
  std::size_t sum = 0;
  for (const std::size_t n : quota) sum += n;
  EXPECT_EQ(sum, 24u);
  // 14 spare pictures over 8 corners: 1 gets 3/8 (5.25), 6 and 7 2/8 (3.5), 0 1/8 (1.75).
  EXPECT_EQ(quota[1], 6u);
  EXPECT_EQ(quota[6], 5u) << "6 and 7 tie for the last spare picture: the lower digit gets it";
  EXPECT_EQ(quota[7], 4u);
  EXPECT_EQ(quota[0], 3u);
  for (const int unseen : {2, 3, 4, 5, 8, 9}) EXPECT_EQ(quota[unseen], 1u) << unseen;
}

TEST(Choices, CornersAskZeroOnlyAtTheUpperLeftCapEachDigitAndTakeTurns) {
  std::vector<CodedChar> order;
  const char* codes[] = {"38710", "20000", "67020", "44710", "30300", "55330",
                         "83750", "12230", "77120", "90800", "44120", "00000"};
  for (int i = 0; i < 12; ++i) order.push_back(coded("字" + std::to_string(i), codes[i]));
  std::array<std::size_t, 10> quota;
  quota.fill(2);
  const auto picks = corner_choice(order, quota);
  std::map<char, int> per_digit;
  std::set<std::string> seen;
  std::set<int> corners;
  for (const auto& pick : picks) {
    EXPECT_TRUE(is_drilled_corner(pick.digit(), pick.corner)) << pick.ch.code;
    if (pick.digit() == '0') {
      EXPECT_EQ(pick.corner, kTopLeft) << pick.ch.code;
    }
    EXPECT_TRUE(seen.insert(pick.ch.utf8).second) << "twice: " << pick.ch.utf8;
    ++per_digit[pick.digit()];
    corners.insert(pick.corner);
  }
  for (const auto& [digit, count] : per_digit) EXPECT_LE(count, 2) << digit;
  EXPECT_EQ(corners.size(), 4u);
  EXPECT_EQ(per_digit['0'], 1) << "00000 is asked at its upper left";
  EXPECT_EQ(per_digit['2'], 1) << "a 竖 is asked like any shape";
  EXPECT_EQ(picks.size(), 12u);
  // The first character is asked at the top-left. The next one's turn is the top-right, but
  // 20000 has only used shapes after its upper left, so it is asked there; then turns go on.
  EXPECT_EQ(picks[0].corner, kTopLeft);
  EXPECT_EQ(picks[1].corner, kTopLeft);
  EXPECT_EQ(picks[1].digit(), '2');
  EXPECT_EQ(picks[2].corner, kTopRight);
  EXPECT_EQ(picks[2].digit(), '7');
}

TEST(Choices, OnlyDrawableCornersAndCharactersAreChosen) {
  const std::vector<CodedChar> order = {coded("甲", "38710"), coded("乙", "38713"),
                                        coded("丙", "67526")};
  std::array<std::size_t, 10> quota;
  quota.fill(5);
  // The upper left of 甲 cannot be shown: its next corner is asked instead.
  const auto picks = corner_choice(order, quota, [](const CodedChar& ch, int corner) {
    return !(ch.utf8 == "甲" && corner == kTopLeft);
  });
  ASSERT_FALSE(picks.empty());
  EXPECT_EQ(picks[0].ch.utf8, "甲");
  EXPECT_EQ(picks[0].corner, kTopRight);
  const auto coloured = coloured_choice(
      order, 3, [](const CodedChar& ch, int corner) { return corner == -1 && ch.utf8 != "乙"; });
  ASSERT_EQ(coloured.size(), 2u);
  EXPECT_EQ(coloured[0].utf8, "丙");
  EXPECT_EQ(coloured[1].utf8, "甲");
}

TEST(Choices, ZeroIsNeverAskedAfterTheUpperLeft) {
  for (int corner = kTopRight; corner <= kBottomRight; ++corner)
    EXPECT_FALSE(is_drilled_corner('0', corner)) << corner;
  EXPECT_TRUE(is_drilled_corner('0', kTopLeft));
  for (char digit = '1'; digit <= '9'; ++digit)
    for (int corner = 0; corner < 4; ++corner) EXPECT_TRUE(is_drilled_corner(digit, corner));
}

TEST(Choices, ColouredCharactersHaveFourOwnCornersThoseWithAnAttachedCornerFirst) {
  const std::vector<CodedChar> order = {coded("甲", "38710"), coded("乙", "27220"),
                                        coded("丙", "67020"), coded("丁", "27626"),
                                        coded("戊", "38713")};
  const auto chosen = coloured_choice(order, 3);
  ASSERT_EQ(chosen.size(), 3u);
  EXPECT_EQ(chosen[0].utf8, "丁");
  EXPECT_EQ(chosen[1].utf8, "戊");
  EXPECT_EQ(chosen[2].utf8, "甲");
}

TEST(BmpEncoder, PadsRowsWithZerosAndReadsBackExactly) {
  QImage image(5, 3, QImage::Format_Indexed8);
  image.setColorTable({qRgb(255, 255, 255), qRgb(200, 10, 20), qRgb(0, 0, 255)});
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.setPixel(x, y, static_cast<uint>((x + y) % 3));
  const std::string bytes = encode_bmp8(image);
  ASSERT_EQ(bytes.size(), 14u + 40u + 3u * 4u + 8u * 3u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  // Bottom row first; its three padding bytes are zero.
  const std::size_t pixels = 14 + 40 + 12;
  EXPECT_EQ(bytes[pixels], '\x02');
  EXPECT_EQ(bytes.substr(pixels + 5, 3), std::string(3, '\0'));

  QImage back;
  ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                static_cast<int>(bytes.size()), "BMP"));
  ASSERT_EQ(back.size(), image.size());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back.pixel(x, y), image.pixel(x, y)) << x << "," << y;
  EXPECT_THROW(encode_bmp8(QImage(4, 4, QImage::Format_RGB32)), std::invalid_argument);
}

TEST(BmpEncoder, RunLength4PicturesReadBackExactlyThroughQt) {
  // Rows that exercise every case: one long run, literal stretches of odd and even length,
  // single pixels between runs, a row ending in a literal, and a run longer than 255.
  QImage image(300, 5, QImage::Format_Indexed8);
  image.setColorTable({qRgb(255, 255, 255), qRgb(200, 10, 20), qRgb(0, 0, 255), qRgb(9, 9, 9)});
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 300; ++x) {
      uint index = 0;
      if (y == 1) index = static_cast<uint>(x % 3);
      if (y == 2) index = (x / 2) % 2 ? 1 : 0;
      if (y == 3) index = x == 7 || x == 299 ? 2 : 3;
      if (y == 4) index = x > 295 ? static_cast<uint>(x % 4) : 1;
      image.setPixel(x, y, index);
    }
  const std::string bytes = encode_bmp_rle4(image);
  EXPECT_LT(bytes.size(), encode_bmp8(image).size());
  EXPECT_EQ(bytes[28], '\x04') << "4 bits a pixel";
  EXPECT_EQ(bytes[30], '\x02') << "BI_RLE4";
  QImage back;
  ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                static_cast<int>(bytes.size()), "BMP"));
  ASSERT_EQ(back.size(), image.size());
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 300; ++x) ASSERT_EQ(back.pixel(x, y), image.pixel(x, y)) << x << "," << y;
  EXPECT_THROW(encode_bmp_rle4(QImage(4, 4, QImage::Format_RGB32)), std::invalid_argument);
  QImage many(4, 4, QImage::Format_Indexed8);
  many.setColorTable(QList<QRgb>(17, qRgb(1, 2, 3)));
  many.fill(0);
  EXPECT_THROW(encode_bmp_rle4(many), std::invalid_argument) << "17 colours";
}

TEST(Drawing, RepeatsToTheByteAndKeepsTheBackgroundExact) {
  check_fonts();
  const QImage first = to_indexed(statement_of("的", "07600"));
  const QImage second = to_indexed(statement_of("的", "07600"));
  EXPECT_EQ(encode_bmp8(first), encode_bmp8(second));
  const QImage cell = to_indexed(coloured_of("说", "38716"));
  EXPECT_EQ(cell.pixel(0, cell.height() - 1), kBackground);
  EXPECT_EQ(first.size(), QSize(kStatementWidth, kStatementHeight));
  EXPECT_EQ(statement_of("的", "07600").size(), QSize(kStatementWidth, kStatementHeight));
  const gen::Glyph& de = glyph_of("的");
  EXPECT_EQ(draw_statement(de, "07600", find_corner_strokes(de, "07600"), 2.5).size(),
            QSize(243, 283));
}

TEST(Drawing, IllustrationsKeepTheirColoursInSixteen) {
  check_fonts();
  const QImage picture = to_indexed16(statement_of("说", "38716"));
  EXPECT_LE(picture.colorCount(), 16);
  for (const QRgb colour : kCornerColours) EXPECT_TRUE(picture.colorTable().contains(colour));
  EXPECT_TRUE(picture.colorTable().contains(kSupplementColour));
  EXPECT_EQ(picture.pixel(0, 0), kBackground);
  const std::string bytes = encode_bmp_rle4(picture);
  EXPECT_LT(bytes.size(), encode_bmp8(to_indexed(statement_of("说", "38716"))).size() / 2);
  QImage back;
  ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                                static_cast<int>(bytes.size()), "BMP"));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
            picture.convertToFormat(QImage::Format_RGB32));
}

TEST(Drawing, EachPositionOfAColouredCharacterHasItsColour) {
  // 说 has a shape of its own at every position, the 附角 (its 口) included.
  const QImage cell = to_indexed(coloured_of("说", "38716"));
  int pixels[5] = {};
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x)
      for (int p = 0; p < 5; ++p) pixels[p] += cell.pixel(x, y) == position_colour(p);
  for (int p = 0; p < 5; ++p) EXPECT_GT(pixels[p], 4) << "position " << p;
  // 口 has only its upper left: nothing else is coloured.
  const QImage box = to_indexed(coloured_of("口", "60000"));
  int others = 0;
  for (int y = 0; y < box.height(); ++y)
    for (int x = 0; x < box.width(); ++x)
      for (int p = 1; p < 5; ++p) others += box.pixel(x, y) == position_colour(p);
  EXPECT_EQ(others, 0);
}

TEST(Drawing, EveryStrokeFormIsDrawnFromItsStrokes) {
  for (const auto& form : read_stroke_forms(TAVREL_FORMS_TABLE)) {
    const QImage image = draw_stroke_form(glyph_of(form.character), form.strokes);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(ink, 12) << form.stem;
  }
  EXPECT_THROW(stroke_path(gen::Stroke{}), std::invalid_argument);
}

TEST(Drawing, AWordCodeShowsEachCharactersTakenDigits) {
  const QImage word =
      draw_word_code({{&glyph_of("中"), "50006", 3}, {&glyph_of("国"), "60103", 3}});
  EXPECT_EQ(word.size(), QSize(16 + 92 * 2 + 200, 178));
  int ink_in_boxes = 0;
  for (int y = 20; y < 72; ++y)
    for (int x = 28; x < 80; ++x) ink_in_boxes += qGray(word.pixel(x, y)) < 100;
  EXPECT_GT(ink_in_boxes, 100) << "中 is drawn from its strokes in its box";
}

TEST(Drawing, IconsAreDrawnAtTheirSizeOnATransparentGround) {
  const QImage small = draw_icon(48);
  EXPECT_EQ(small.size(), QSize(48, 48));
  EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(small.pixel(24, 24)), 255);
}

}  // namespace
}  // namespace tavrel::drill_pictures
