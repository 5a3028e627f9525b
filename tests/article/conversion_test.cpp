// The conversion of text into practice files, byte for byte, and the splitting into box lines.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "article/tvm_format.h"
#include "article_fixture.h"
#include "common/safe_file.h"
#include "file_size_limit.h"

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
  EXPECT_EQ(c.bytes, text.substr(0, 60) + "\r\r" + text.substr(60, 60) + "\r\r" + text.substr(120) +
                         std::string(29, ' ') + kEnd);

  c = convert_text(chars(0, 30));
  EXPECT_EQ(c.bytes, chars(0, 30) + "\r\r" + std::string(59, ' ') + kEnd);
  EXPECT_EQ(c.bytes.size(), 125u);

  c = convert_text("abc\r\n12");
  EXPECT_EQ(c.characters, 0);
  EXPECT_EQ(c.bytes, std::string(59, ' ') + kEnd);

  EXPECT_THROW(convert_text(""), std::runtime_error);
}

TEST(Conversion, TwoByteSymbolsGoWholeAndOtherBytesMoveTheWindowByOne) {
  EXPECT_EQ(convert_text(gbk("我，你")).bytes.substr(0, 4), gbk("我你"));
  // The full-width digit's trail byte used to pair with the character's lead byte (B0 CE).
  Conversion c = convert_text("\xA3\xB0\xCE\xD2");
  EXPECT_EQ(c.characters, 1);
  EXPECT_EQ(c.bytes.substr(0, 2), gbk("我"));
  // Chinese quotation marks and full-width letters made characters the text never had.
  c = convert_text(gbk("他“说”：ＡＢ，“不对”"));
  EXPECT_EQ(c.characters, 4);
  EXPECT_EQ(c.bytes.substr(0, 8), gbk("他说不对"));
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

// Text files on Linux are UTF-8; Windows editors also write UTF-16 with a byte-order mark.
TEST(Conversion, UnicodeSourcesAreConvertedToGbkFirst) {
  const std::string expected = convert_text(gbk("春眠不觉晓")).bytes;
  EXPECT_EQ(convert_text(source_as_gbk("春眠，不觉晓。\n")).bytes, expected);
  EXPECT_EQ(convert_text(source_as_gbk("\xEF\xBB\xBF春眠不觉晓")).bytes, expected);
  const std::u16string text = u"春眠“不觉”晓";
  std::string little = "\xFF\xFE", big = "\xFE\xFF";
  for (char16_t unit : text) {
    little += static_cast<char>(unit & 0xFF);
    little += static_cast<char>(unit >> 8);
    big += static_cast<char>(unit >> 8);
    big += static_cast<char>(unit & 0xFF);
  }
  EXPECT_EQ(convert_text(source_as_gbk(little)).bytes, expected);
  EXPECT_EQ(convert_text(source_as_gbk(big)).bytes, expected);
  // GBK stays as it is; a character GBK lacks is dropped with the other symbols.
  EXPECT_EQ(source_as_gbk(gbk("春眠")), gbk("春眠"));
  EXPECT_EQ(convert_text(source_as_gbk("春😀眠不觉晓")).bytes, expected);
}

TEST_F(ConvertFileTest, AUtf8FileConvertsWithTheRightCount) {
  const auto source = dir_.write("poem.txt", "床前明月光，\n疑是地上霜。\n");
  EXPECT_EQ(convert_file(source).characters, 10);
  EXPECT_EQ(dir_.read("poem.tvm").substr(0, 20), gbk("床前明月光疑是地上霜"));
}

// The practice file used to be truncated first and then written: a full disk or a kill
// destroyed the old one, and a name that was a link wrote into the link's target.
TEST_F(ConvertFileTest, TheOldPracticeFileSurvivesAFailedWriteAndLinksAreNotWrittenThrough) {
  const std::string old = testing::practice_file("旧文章");
  const auto source = dir_.write("long.txt", gbk(std::string(3000, 'x')) + chars(0, 2000));
  dir_.write("long.tvm", old);
  try {
    testing::FileSizeLimit full_disk(1000);
    convert_file(source);
    ADD_FAILURE() << "the write did not fail";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("long.tvm"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir_.read("long.tvm"), old);

  const auto target = dir_.write("keep.dat", "not a practice file");
  std::filesystem::create_symlink(target, dir_.path() / "linked.tvm");
  const auto linked = dir_.write("linked.txt", gbk("春眠"));
  try {
    convert_file(linked);
    ADD_FAILURE() << "the link was written";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("符号链接"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir_.read("keep.dat"), "not a practice file");
  // A link to the source itself: the refusal said the name ended in "tvm", which it does not.
  const auto self = dir_.write("self.txt", gbk("春眠"));
  std::filesystem::create_symlink(self, dir_.path() / "self.tvm");
  try {
    convert_file(self);
    ADD_FAILURE() << "the source was written through its link";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("符号链接"), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()).find("tvm结尾"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir_.read("self.txt"), gbk("春眠"));

  const auto read_only = dir_.write("fixed.tvm", old);
  std::filesystem::permissions(read_only, std::filesystem::perms::owner_read);
  EXPECT_THROW(convert_file(dir_.write("fixed.txt", gbk("春眠"))), FileError);
  EXPECT_EQ(dir_.read("fixed.tvm"), old);
}

// A pipe would block the window for ever; a folder or a huge file is no text to practise.
TEST_F(ConvertFileTest, APipeAFolderOrAHugeSourceIsRefusedWithoutWriting) {
  ASSERT_EQ(::mkfifo((dir_.path() / "pipe.txt").c_str(), 0644), 0);
  EXPECT_THROW(convert_file(dir_.path() / "pipe.txt"), FileError);
  std::filesystem::create_directory(dir_.path() / "folder.txt");
  EXPECT_THROW(convert_file(dir_.path() / "folder.txt"), FileError);
  const auto huge = dir_.path() / "huge.txt";
  std::filesystem::resize_file(dir_.write("huge.txt", ""), file_limits::kConversionSource + 1);
  EXPECT_THROW(convert_file(huge), FileError);
  // Within the source limit, but more characters than any practice file holds.
  std::string many;
  for (std::uint64_t i = 0; i < file_limits::kPracticeFile / 2; ++i) many += nth_char(0);
  EXPECT_THROW(convert_file(dir_.write("many.txt", many)), ConversionRefused);
  for (const char* name : {"pipe.tvm", "folder.tvm", "huge.tvm", "many.tvm"})
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / name)) << name;
}

TEST(BoxLines, CarriageReturnsLineFeedsAndPairsEachEndALine) {
  EXPECT_EQ(split_box_lines("a\r\rb\r \r"), (std::vector<std::string>{"a", "", "b", " "}));
  EXPECT_EQ(split_box_lines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(split_box_lines("").empty());
}

}  // namespace
}  // namespace tavrel::article
