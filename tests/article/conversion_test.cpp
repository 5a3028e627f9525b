// The conversion of text into practice files, byte for byte, and the splitting into box lines.
#include <gtest/gtest.h>

#include "article/tvm_format.h"
#include "article_fixture.h"

namespace tavrel::article {
namespace {

using testing::gbk;
using testing::nth_char;

std::string chars(int from, int count) {
  std::string text;
  for (int i = from; i < from + count; ++i) text += nth_char(i);
  return text;
}

const std::string kEnd = "\r\r \r";

TEST(Conversion, LaysOutThirtyCharactersALineAndALastLineOfFiftyNineBytes) {
  const std::string text = chars(0, 75);
  Conversion c = convert_text(text);
  EXPECT_EQ(c.characters, 75);
  EXPECT_EQ(c.bytes.size(), 62u * 2 + 63);
  EXPECT_EQ(c.bytes, text.substr(0, 60) + "\r\r" + text.substr(60, 60) + "\r\r" +
                         text.substr(120) + std::string(29, ' ') + kEnd);

  c = convert_text(chars(0, 30));
  EXPECT_EQ(c.bytes, chars(0, 30) + "\r\r" + std::string(59, ' ') + kEnd);
  EXPECT_EQ(c.bytes.size(), 125u);

  c = convert_text("abc\r\n12");
  EXPECT_EQ(c.characters, 0);
  EXPECT_EQ(c.bytes, std::string(59, ' ') + kEnd);

  EXPECT_THROW(convert_text(""), std::runtime_error);
}

TEST(Conversion, TheTwoByteWindowMovesOnByOneByteOverWhatItDrops) {
  EXPECT_EQ(convert_text(gbk("我，你")).bytes.substr(0, 4), gbk("我你"));
  // The full-width digit's trail byte pairs with the character's lead byte; D2 is left over.
  Conversion c = convert_text("\xA3\xB0\xCE\xD2");
  EXPECT_EQ(c.characters, 1);
  EXPECT_EQ(c.bytes.substr(0, 2), "\xB0\xCE");
  // ASCII and line breaks vanish: the characters around them join on one line.
  c = convert_text(gbk("天上\r\nabc 人间\n"));
  EXPECT_EQ(c.bytes.substr(0, 8), gbk("天上人间"));
  EXPECT_EQ(c.bytes[8], ' ');
  // Lead bytes above 0xF0 are dropped, 0xF0 itself is kept; trail bytes must be 0xA1-0xFE.
  c = convert_text("\xF1\xA1\xF7\xFE\xF0\xA1\xB0\xFF");
  EXPECT_EQ(c.characters, 1);
  EXPECT_EQ(c.bytes.substr(0, 2), "\xF0\xA1");
}

class ConvertFileTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST_F(ConvertFileTest, WritesTheTvmBesideTheSourceAndReplacesAnOldOne) {
  const auto source = dir_.write("notes.txt", gbk("春眠不觉晓"));
  dir_.write("notes.tvm", "old");
  ConvertedFile out = convert_file(source);
  EXPECT_EQ(out.path, dir_.path() / "notes.tvm");
  EXPECT_EQ(out.characters, 5);
  EXPECT_EQ(dir_.read("notes.tvm"), convert_text(gbk("春眠不觉晓")).bytes);

  // The last three characters of the name are replaced, counted as characters, not bytes.
  const auto odd = dir_.write("诗.文本", gbk("山"));
  EXPECT_EQ(convert_file(odd).path, dir_.path() / "诗tvm");
}

TEST_F(ConvertFileTest, RefusesAFileThatWouldBeItsOwnOutputAndLeavesItAlone) {
  const std::string original = testing::practice_file("一二三");
  const auto source = dir_.write("lesson.tvm", original);
  EXPECT_THROW(convert_file(source), ConversionRefused);
  EXPECT_EQ(dir_.read("lesson.tvm"), original);
  // A name too short to end in three characters would write outside its folder.
  EXPECT_THROW(convert_file(dir_.write("ab", "x")), ConversionRefused);
  EXPECT_THROW(convert_file(dir_.path() / "missing.txt"), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "missing.tvm"));
}

TEST(BoxLines, CarriageReturnsLineFeedsAndPairsEachEndALine) {
  EXPECT_EQ(split_box_lines("a\r\rb\r \r"), (std::vector<std::string>{"a", "", "b", " "}));
  EXPECT_EQ(split_box_lines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(split_box_lines("").empty());
}

}  // namespace
}  // namespace tavrel::article
