// The readers of the public sources: every four-corner value, running-text counts, stroke data.
#include "tools/gen_data/sources.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/gen_data/strokes.h"

namespace tavrel::gen {
namespace {

TEST(Sources, FourCornerValuesKeepEveryValueInOrder) {
  std::istringstream in(
      "# comment\n"
      "U+4E00\tkFourCornerCode\t1000.0\n"
      "U+4E00\tkFrequency\t1\n"
      "U+5427\tkFourCornerCode\t6071.7 6701.7\n"
      "U+4E13\tkFourCornerCode\t5030\n");
  const auto values = read_four_corner_values(in);
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values.at("一"), std::vector<std::string>{"10000"});
  EXPECT_EQ(values.at("吧"), (std::vector<std::string>{"60717", "67017"}));
  EXPECT_EQ(values.at("专"), std::vector<std::string>{"5030"});
  std::istringstream odd("U+4E00\tkFourCornerCode\t10.00\n");
  EXPECT_THROW(read_four_corner_values(odd), std::runtime_error);
}

TEST(Sources, RunningTextCountsAddUpTheReadings) {
  std::istringstream in(
      "U+4E00\tkHanyuPinlu\tyī(32747) yí(8)\n"
      "U+4E01\tkMandarin\tdīng\n"
      "U+4E01\tkHanyuPinlu\tdīng(16)\n");
  const auto counts = read_running_text_counts(in);
  EXPECT_EQ(counts.at("一"), 32755);
  EXPECT_EQ(counts.at("丁"), 16);
  std::istringstream odd("U+4E00\tkHanyuPinlu\tyī(3x)\n");
  EXPECT_THROW(read_running_text_counts(odd), std::runtime_error);
}

TEST(Sources, StrokeDataNamesEachMedianOrMarksTheCharacterUnnamed) {
  std::istringstream in(
      "千\tsjf\t690,777 285,655|130,437 913,461|472,687 511,-24.5\n"
      "丨\t-\t500,800 500,0\n"
      "皙\tjf\t1,1 2,2|3,3 4,4|5,5 6,6\n");
  std::vector<std::string> unnamed;
  const auto glyphs = read_stroke_data(in, &unnamed);
  ASSERT_EQ(glyphs.at("千").size(), 3u);
  EXPECT_EQ(glyphs.at("千")[0].letter, 's');
  EXPECT_DOUBLE_EQ(glyphs.at("千")[2].median[1].y, -24.5);
  EXPECT_EQ(glyphs.at("丨")[0].letter, '?');
  EXPECT_EQ(glyphs.at("皙")[0].letter, '?');  // three medians, two names
  EXPECT_EQ(unnamed, (std::vector<std::string>{"丨", "皙"}));
  std::istringstream bad("千\tsjf\t690;777\n");
  EXPECT_THROW(read_stroke_data(bad), std::runtime_error);
  EXPECT_TRUE(glyphs.at("千")[0].outline.empty());

  std::istringstream outlined("一\tj\t100,400 900,400\tM 100 380 L 900 380 L 900 420 Z\n");
  EXPECT_EQ(read_stroke_data(outlined).at("一")[0].outline, "M 100 380 L 900 380 L 900 420 Z");
  std::istringstream too_few("二\tjj\t1,1 2,2|3,3 4,4\tM 1 1 L 2 2 Z\n");
  EXPECT_THROW(read_stroke_data(too_few), std::runtime_error);
  EXPECT_EQ(stroke_name('g'), "竖钩");
  EXPECT_EQ(stroke_name('Q'), "");
}

}  // namespace
}  // namespace tavrel::gen
