// The data generator on small hand-made sources: exact output bytes and the code rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "byte_helpers.h"
#include "common/gbk.h"
#include "dictionary/dict_format.h"
#include "tests/support/temp_dir.h"
#include "tools/gen_data/generate.h"
#include "tools/gen_data/practice_file.h"
#include "tools/gen_data/sources.h"

namespace tavrel::gen {
namespace {

using testing::gbk;
using testing::hex;

std::string strokes_for(const std::string& unihan);

class GeneratorTest : public ::testing::Test {
 protected:
  // `readings` holds the kHanyuPinlu lines; every character with a four-corner value gets a
  // single 横 as its strokes.
  CharacterCodeFigures generate(const std::string& unihan, const std::string& words,
                                const std::string& article, const ListSizes& sizes = {},
                                const std::string& readings = "",
                                const std::string& overrides = "") {
    return generate_data({dir_.write("src/unihan.txt", unihan),
                          dir_.write("src/readings.txt", readings),
                          dir_.write("src/strokes.tsv", strokes_for(unihan)),
                          dir_.write("src/overrides.tsv", overrides),
                          dir_.write("src/dict.txt", words),
                          dir_.write("src/article.txt", article),
                          {}},
                         dir_.path() / "data", sizes);
  }
  std::string output(const std::string& relative) { return dir_.read("data/" + relative); }
  std::vector<dict::DictRecord> records(const std::string& relative, int file_number) {
    return dict::decode_file(output(relative), file_number);
  }

  testing::TempDir dir_;
};

// The i-th character of GB2312, as UTF-8 for the sources and GBK for the output.
std::string nth_gbk(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
}
std::string nth_utf8(int i) { return utf8_from_gbk(nth_gbk(i)); }

std::string unihan_line(int i, const std::string& value) {
  char code_point[16];
  std::snprintf(code_point, sizeof code_point, "U+%04X",
                static_cast<unsigned>(decode_utf8(nth_utf8(i))));
  return std::string(code_point) + "\tkFourCornerCode\t" + value + "\n";
}

std::string word_line(const std::string& utf8, int frequency) {
  return utf8 + " " + std::to_string(frequency) + " n\n";
}

std::string code_point_of(const std::string& utf8) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(decode_utf8(utf8)));
  return text;
}

std::string pinlu_line(const std::string& utf8, int count) {
  return code_point_of(utf8) + "\tkHanyuPinlu\tzì(" + std::to_string(count) + ")\n";
}

// A single 横 as the strokes of every character that has a four-corner value.
std::string strokes_for(const std::string& unihan) {
  std::string lines;
  std::istringstream in(unihan);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("U+", 0) != 0 || line.find("kFourCornerCode") == std::string::npos) continue;
    lines += encode_utf8(std::stoul(line.substr(2), nullptr, 16)) + "\tj\t100,500 900,500\n";
  }
  return lines;
}

int count_code(const std::vector<dict::DictRecord>& records, const std::string& code) {
  return static_cast<int>(std::count_if(records.begin(), records.end(),
                                        [&](const dict::DictRecord& r) { return r.code == code; }));
}

bool has_text(const std::vector<dict::DictRecord>& records, const std::string& text) {
  return std::any_of(records.begin(), records.end(),
                     [&](const dict::DictRecord& r) { return r.text == text; });
}

// 丂 (U+4E02) is GBK but not GB2312; 传 has no value; 上 has two values, decided by the override.
constexpr char kTinyUnihan[] =
    "# header\n"
    "U+4E00\tkFourCornerCode\t1000.0\n"
    "U+4E00\tkFrequency\t1\n"
    "U+4E02\tkFourCornerCode\t1020.7\n"
    "U+4E0A\tkFourCornerCode\t2110.0 2110.1\n"
    "U+4E13\tkFourCornerCode\t5030\n"
    "U+4EBA\tkFourCornerCode\t8000.0\n"
    "U+5927\tkFourCornerCode\t4003.0\n"
    "U+5929\tkFourCornerCode\t1043.0\n";

constexpr char kTinyWords[] =
    "一 9 m\n人 9 n\n大 9 a\n上 9 f\n天 9 n\n"
    "人人 60 n\n大人 40 n\n天上 30 s\n上天 20 v\n一人 10 m\n"
    "一天天 5 d\n大上天人 6 i\n一人大天上 7 l\n"
    "丂人 99 n\n传人 99 n\nAB 99 eng\n大人 1000 n\n";

constexpr char kTinyOverrides[] = "# hand decisions\n上\t2110.0\t-\t-\tthe simplified glyph\n";

// The characters' counts in running text.
const std::string kTinyReadings = pinlu_line("一", 200) + pinlu_line("人", 150) +
                                  pinlu_line("大", 100) + pinlu_line("上", 100) +
                                  pinlu_line("天", 50);

TEST_F(GeneratorTest, TinySourcesGiveExactlyTheseFiles) {
  ListSizes sizes;
  sizes.two_char_words = 3;
  const auto figures =
      generate(kTinyUnihan, kTinyWords, "天上，一人。\nOK", sizes, kTinyReadings, kTinyOverrides);
  EXPECT_EQ(figures.characters, 6);
  EXPECT_EQ(figures.four_corner_by_hand, 1);
  EXPECT_EQ(figures.attached_read, 1);  // 专

  auto rec = [](const char* packed, const char* text) { return hex(packed) + gbk(text); };
  auto fill = [](int n) { return std::string(n, '\xFF'); };
  EXPECT_EQ(output("hzlib/zh1"),
            rec("1F FF FF", "一") + rec("10 FF FF", "天") + rec("10 00 0F", "一") +
                rec("10 43 0F", "天") + rec("2F FF FF", "上") + rec("21 10 0F", "上") +
                rec("4F FF FF", "大") + rec("40 03 0F", "大") + rec("5F FF FF", "专") +
                rec("50 30 0F", "专") + rec("8F FF FF", "人") + rec("80 00 0F", "人"));
  EXPECT_EQ(output("hzlib/zh1.hz"), rec("40 03 0F", "大") + rec("80 00 0F", "人") +
                                        rec("21 10 0F", "上") + rec("10 43 0F", "天") +
                                        rec("10 00 0F", "一") + rec("50 30 0F", "专"));
  EXPECT_EQ(output("hzlib/zh2"), rec("10 08 00", "一人") + rec("10 42 11", "天上") +
                                     rec("12 FF FF", "天上") + rec("18 FF FF", "一人") +
                                     rec("21 FF FF", "上天") + rec("21 11 04", "上天") +
                                     rec("40 08 00", "大人") + rec("48 FF FF", "大人") +
                                     rec("80 08 00", "人人") + rec("88 FF FF", "人人"));
  EXPECT_EQ(output("hzlib/zh2.hz"), rec("40 08 00", "大人") + rec("80 08 00", "人人") +
                                        rec("21 11 04", "上天") + rec("10 42 11", "天上") +
                                        rec("10 08 00", "一人"));
  EXPECT_EQ(output("hzlib/zh3"), rec("10 10 10", "一天天"));
  EXPECT_EQ(output("hzlib/zh4"), rec("40 21 18", "大上天人"));
  EXPECT_EQ(output("hzlib/zh5"), rec("18 41 21", "一人大天上") + fill(16));
  EXPECT_EQ(output("hzlib/zh5.hz"), output("hzlib/zh5"));

  auto line = [](const char* code, const char* text) { return code + gbk(text) + "\r\n"; };
  EXPECT_EQ(output("hzlib/z1.txt"), line("40030 ", "大") + line("80000 ", "人") +
                                        line("21100 ", "上") + line("10430 ", "天") +
                                        line("10000 ", "一") + line("50300 ", "专"));
  EXPECT_EQ(output("hzlib/z2.txt"), "");
  EXPECT_EQ(output("hzlib/z3.txt"), line("1     ", "一") + line("2     ", "上") +
                                        line("4     ", "大") + line("5     ", "专") +
                                        line("8     ", "人"));
  EXPECT_EQ(output("hzlib/z4.txt"), line("10    ", "天"));
  EXPECT_EQ(output("hzlib/c1.txt"), line("12    ", "天上") + line("18    ", "一人") +
                                        line("21    ", "上天") + line("48    ", "大人") +
                                        line("88    ", "人人"));
  EXPECT_EQ(output("hzlib/c2.txt"),
            line("800800", "人人") + line("400800", "大人") + line("104211", "天上"));
  EXPECT_EQ(output("hzlib/c3.txt"), line("101010", "一天天"));
  EXPECT_EQ(output("hzlib/c4.txt"), line("402118", "大上天人"));
  EXPECT_EQ(output("hzlib/c5.txt"), "184121" + gbk("一人大天上") + "      \r\n");
  EXPECT_EQ(output("files/phb.txt"), std::string(180, ' '));
  EXPECT_EQ(output("files/record.dat"), "");
  EXPECT_EQ(output("test.tvm"), gbk("天上一人") + std::string(51, ' ') + "\r\r \r");
}

// 33 characters share one code; two-character and three-character words share another.
TEST_F(GeneratorTest, EachScopeKeepsTheThirtyOneMostFrequentCandidatesOfACode) {
  std::string unihan, words, readings;
  for (int i = 0; i < 33; ++i) {
    unihan += unihan_line(i, "1111.1");
    readings += pinlu_line(nth_utf8(i), 1000 - i);
  }
  const int p = 40, r = 50, q = 60;  // five characters each, codes starting 111, 12 and 222
  for (int i = 0; i < 5; ++i) {
    unihan +=
        unihan_line(p + i, "1110.0") + unihan_line(r + i, "1200.0") + unihan_line(q + i, "2220.0");
  }
  for (int i = 0; i < 20; ++i)
    words += word_line(nth_utf8(p + i / 5) + nth_utf8(q + i % 5), 100 + 2 * i);
  for (int j = 0; j < 15; ++j) {
    words +=
        word_line(nth_utf8(p + j / 5) + nth_utf8(r + j % 5) + nth_utf8(q + j % 3), 101 + 2 * j);
  }
  words += word_line(nth_utf8(32) + nth_utf8(q), 5000);  // made with a character that was cut
  generate(unihan, words, "", {}, readings);

  auto chars = records("hzlib/zh1", 1);
  EXPECT_EQ(count_code(chars, "11111"), 31);
  for (int i = 0; i < 33; ++i) {
    EXPECT_EQ(has_text(records("hzlib/zh1.hz", 1), nth_gbk(i)), i < 31) << i;
  }
  EXPECT_EQ(output("hzlib/z1.txt").find(nth_gbk(31)), std::string::npos);

  // The four least frequent words (100, 101, 102, 103) are cut, two from each file.
  auto two = records("hzlib/zh2", 2);
  auto three = records("hzlib/zh3", 3);
  EXPECT_EQ(count_code(two, "111222"), 18);
  EXPECT_EQ(count_code(three, "111222"), 13);
  EXPECT_FALSE(has_text(two, nth_gbk(p) + nth_gbk(q)));
  EXPECT_TRUE(has_text(two, nth_gbk(p) + nth_gbk(q + 2)));
  EXPECT_FALSE(has_text(records("hzlib/zh3.hz", 3), nth_gbk(p) + nth_gbk(r + 1) + nth_gbk(q + 1)));
  EXPECT_FALSE(has_text(records("hzlib/zh2.hz", 2), nth_gbk(32) + nth_gbk(q)));
}

TEST_F(GeneratorTest, ShortCodesGoToTheMostFrequentCandidateStillFree) {
  // a 1100.0, b 1100.1, c 1200.0, d 3000.0, e 3000.1 (d and e tie; d is first in GB2312 order).
  const int a = 0, b = 1, c = 2, d = 3, e = 4;
  std::string unihan = unihan_line(a, "1100.0") + unihan_line(b, "1100.1") +
                       unihan_line(c, "1200.0") + unihan_line(d, "3000.0") +
                       unihan_line(e, "3000.1");
  std::string readings = pinlu_line(nth_utf8(a), 50) + pinlu_line(nth_utf8(b), 40) +
                         pinlu_line(nth_utf8(c), 60) + pinlu_line(nth_utf8(d), 10) +
                         pinlu_line(nth_utf8(e), 10);
  std::string words = word_line(nth_utf8(a) + nth_utf8(d), 5) +
                      word_line(nth_utf8(b) + nth_utf8(e), 8) +
                      word_line(nth_utf8(c) + nth_utf8(d) + nth_utf8(a), 100);
  generate(unihan, words, "", {}, readings);

  std::vector<dict::DictRecord> short_chars, short_words;
  for (const auto& rec : records("hzlib/zh1", 1))
    if (rec.code.size() <= 2) short_chars.push_back(rec);
  for (int n = 2; n <= 5; ++n) {
    for (const auto& rec : records("hzlib/zh" + std::to_string(n), n))
      if (rec.code.size() <= 2) short_words.push_back(rec);
  }
  // "12" stays free: its only character already has the one-key code 1.
  EXPECT_EQ(short_chars,
            (std::vector<dict::DictRecord>{
                {"1", nth_gbk(c)}, {"11", nth_gbk(a)}, {"3", nth_gbk(d)}, {"30", nth_gbk(e)}}));
  // Only two-character words get a one-key code, so the more frequent three-character word does
  // not.
  EXPECT_EQ(short_words, (std::vector<dict::DictRecord>{{"13", nth_gbk(b) + nth_gbk(e)}}));
  EXPECT_EQ(output("hzlib/z3.txt"), "1     " + nth_gbk(c) + "\r\n3     " + nth_gbk(d) + "\r\n");
  EXPECT_EQ(output("hzlib/z4.txt"), "11    " + nth_gbk(a) + "\r\n30    " + nth_gbk(e) + "\r\n");
}

TEST_F(GeneratorTest, WordsAreTakenOnlyWhenEveryCharacterHasACodeAndTheFilesCanHoldThem) {
  std::string unihan = unihan_line(0, "1000.0") + unihan_line(1, "2000.0");
  auto repeat = [](int n) {
    std::string word;
    for (int i = 0; i < n; ++i) word += nth_utf8(i % 2);
    return word;
  };
  std::string words = word_line(repeat(13), 9) + word_line(repeat(14), 9) +
                      word_line(repeat(9), 9) + word_line(repeat(8), 8) +
                      word_line(nth_utf8(0) + nth_utf8(2), 9) + word_line(nth_utf8(0) + "A", 9);
  generate(unihan, words, "");

  auto long_words = records("hzlib/zh5.hz", 5);
  EXPECT_EQ(long_words.size(), 3u);
  EXPECT_TRUE(has_text(long_words, gbk_from_utf8(repeat(13))));
  EXPECT_TRUE(output("hzlib/zh2").empty());
  // The long-word drill takes five to eight characters only.
  EXPECT_EQ(output("hzlib/c5.txt"), "121220" + gbk_from_utf8(repeat(8)) + "\r\n");
}

// Running-text counts order the characters; the word list's own single-character entries, where
// mis-decoded text piled up counts, do not. Characters without a count follow by their in-word
// occurrences. Names, floor-frequency guesses, rare places and number phrases are no words.
TEST_F(GeneratorTest, CharactersRankByRunningTextAndOnlyCleanWordsAreTaken) {
  std::string unihan;
  for (int i = 0; i < 6; ++i) unihan += unihan_line(i, "1000.0");
  const auto ch = [](int i) { return nth_utf8(i); };
  std::string readings = pinlu_line(ch(0), 500) + pinlu_line(ch(1), 400);
  std::string words = word_line(ch(5), 100000) +  // a mis-decoded single entry
                      word_line(ch(2) + ch(3), 900) + word_line(ch(3) + ch(4), 900) + ch(0) +
                      ch(1) + " 600 nr\n" +                // a person's name
                      ch(1) + ch(0) + " 4 n\n" +           // at the floor
                      ch(0) + ch(2) + " 49 ns\n" +         // a rare place
                      ch(1) + ch(2) + " 50 ns\n" +         // a common one
                      ch(0) + ch(1) + ch(2) + " 80 m\n" +  // a number phrase
                      ch(0) + ch(3) + " 5 v\n";
  generate(unihan, words, "", {}, readings);

  std::vector<std::string> order;
  for (const auto& r : records("hzlib/zh1", 1)) {
    if (r.code.size() == 5) order.push_back(r.text);
  }
  // 0 before 1 by their counts, though 1 is in more words; 3, 2, 4 by their in-word counts
  // (1805, 950, 900) scaled to running text by 0 and 1 (900 / 55, then a tenth); 5 has none.
  EXPECT_EQ(order, (std::vector<std::string>{nth_gbk(3), nth_gbk(2), nth_gbk(4), nth_gbk(0),
                                             nth_gbk(1), nth_gbk(5)}));
  std::vector<std::string> taken;
  for (int n = 2; n <= 3; ++n) {
    for (const auto& r : records("hzlib/zh" + std::to_string(n) + ".hz", n)) {
      taken.push_back(utf8_from_gbk(r.text));
    }
  }
  std::sort(taken.begin(), taken.end());
  std::vector<std::string> expected{ch(2) + ch(3), ch(3) + ch(4), ch(1) + ch(2), ch(0) + ch(3)};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(taken, expected);
}

// A second word list confirms the drill words: a word it does not know stays in the dictionary
// but leaves the drill to the next one it knows.
TEST_F(GeneratorTest, WordDrillsTakeOnlyWordsTheSecondListConfirms) {
  const std::string unihan = unihan_line(0, "1000.0") + unihan_line(1, "2000.0");
  const auto ch = [](int i) { return nth_utf8(i); };
  const std::string words = word_line(ch(0) + ch(1), 90) + word_line(ch(1) + ch(0), 80) +
                            word_line(ch(0) + ch(0), 70) + word_line(ch(0) + ch(1) + ch(0), 60);
  const std::string confirming = ch(1) + ch(0) + "\t12\n" + ch(0) + ch(0) + "\n" + "AB 3\n";
  ListSizes sizes;
  sizes.two_char_words = 1;
  generate_data({dir_.write("src/unihan.txt", unihan), dir_.write("src/readings.txt", ""),
                 dir_.write("src/strokes.tsv", strokes_for(unihan)),
                 dir_.write("src/overrides.tsv", ""), dir_.write("src/dict.txt", words),
                 dir_.write("src/article.txt", ""), dir_.write("src/confirming.txt", confirming)},
                dir_.path() / "data", sizes);
  EXPECT_EQ(output("hzlib/c2.txt"), "200100" + nth_gbk(1) + nth_gbk(0) + "\r\n");
  EXPECT_EQ(output("hzlib/c3.txt"), "");
  EXPECT_TRUE(has_text(records("hzlib/zh2.hz", 2), nth_gbk(0) + nth_gbk(1)));
}

TEST_F(GeneratorTest, AnArticleWithAnUncodedCharacterStopsTheGenerationBeforeAnyFileIsWritten) {
  try {
    generate(kTinyUnihan, kTinyWords, "天上人传人。", {}, kTinyReadings, kTinyOverrides);
    FAIL() << "generation went through";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("传"), std::string::npos) << error.what();
    EXPECT_EQ(std::string(error.what()).find("天"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "data"));
}

TEST(PracticeFile, LinesOfThirtyCharactersEndWithTheLastLineAndAClosingBlank) {
  std::string chars;
  for (int i = 0; i < 75; ++i) chars += nth_gbk(i);
  const std::string closing = "\r\r \r";
  EXPECT_EQ(practice_file_bytes(""), std::string(59, ' ') + closing);
  EXPECT_EQ(practice_file_bytes(chars.substr(0, 60)),
            chars.substr(0, 60) + "\r\r" + std::string(59, ' ') + closing);
  const std::string file = practice_file_bytes(chars);
  EXPECT_EQ(file.size(), 62u * 2 + 63);
  EXPECT_EQ(file, chars.substr(0, 60) + "\r\r" + chars.substr(60, 60) + "\r\r" + chars.substr(120) +
                      std::string(29, ' ') + closing);

  // Only Han characters are kept from the article text; one without a code is an error.
  const std::set<std::string> table{nth_gbk(0), nth_gbk(1)};
  const std::string text =
      nth_utf8(0) + "，" + nth_utf8(1) + "。\n Tian 1２" + nth_utf8(0) + "\r\n";
  EXPECT_EQ(article_characters(text, table), nth_gbk(0) + nth_gbk(1) + nth_gbk(0));
  EXPECT_THROW(article_characters(nth_utf8(2), table), std::runtime_error);
}

}  // namespace
}  // namespace tavrel::gen
