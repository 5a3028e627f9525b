// GBK conversion, dictionary order, rounding and fixed-width fields.
#include <gtest/gtest.h>

#include "common/dict_order.h"
#include "common/fixed_field.h"
#include "common/gbk.h"
#include "common/rounding.h"

namespace tavrel {
namespace {

const std::string kZhongWenGbk = "\xD6\xD0\xCE\xC4";  // 中文

TEST(Gbk, RoundTripsChineseAndAscii) {
  EXPECT_EQ(utf8_from_gbk(kZhongWenGbk + "ab1"), "中文ab1");
  bool lossless = false;
  EXPECT_EQ(gbk_from_utf8("中文ab1", &lossless), kZhongWenGbk + "ab1");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(utf8_from_gbk(""), "");
}

TEST(Gbk, InvalidBytesBecomeReplacementsAndTheRestSurvives) {
  // 0xFF is never a lead byte; a lone lead byte at the end is a truncated character.
  EXPECT_EQ(utf8_from_gbk("a\xFF"
                          "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(utf8_from_gbk(kZhongWenGbk + "\xD6"), "中文\xEF\xBF\xBD");
  EXPECT_EQ(utf8_from_gbk("\xFF\xFF" + kZhongWenGbk), "\xEF\xBF\xBD\xEF\xBF\xBD中文");
}

TEST(Gbk, UnencodableCharactersBecomeQuestionMarks) {
  bool lossless = true;
  EXPECT_EQ(gbk_from_utf8("中😀文", &lossless), "\xD6\xD0?\xCE\xC4");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(gbk_from_utf8("a\xC3(b"), "a?(b");  // a broken UTF-8 sequence
}

TEST(Gbk, ValidityAndCharacterBoundaries) {
  EXPECT_TRUE(is_valid_gbk(kZhongWenGbk + "x"));
  EXPECT_FALSE(is_valid_gbk("\xD6"));
  EXPECT_FALSE(is_valid_gbk("\x80\x40"));
  EXPECT_EQ(gbk_char_length(kZhongWenGbk, 0), 2u);
  EXPECT_EQ(gbk_char_length("a", 0), 1u);
  // Ten bytes of a name "a" + five characters: the cut must not split the fifth character.
  std::string name = "a" + kZhongWenGbk + kZhongWenGbk + "\xD6\xD0";
  EXPECT_EQ(gbk_prefix(name, 10), "a" + kZhongWenGbk + kZhongWenGbk);
  EXPECT_EQ(gbk_prefix(name, 11), name);
  EXPECT_EQ(gbk_prefix(kZhongWenGbk, 1), "");
}

TEST(DictOrder, ComparesUnsignedBytesWithLowerCaseFoldedAndPrefixesFirst) {
  EXPECT_EQ(dict_compare("1", "10"), -1);
  EXPECT_EQ(dict_compare("10", "100"), -1);
  EXPECT_EQ(dict_compare("100", "11"), -1);
  EXPECT_EQ(dict_compare("11", "2"), -1);
  EXPECT_EQ(dict_compare("2", "11"), 1);
  EXPECT_EQ(dict_compare("abc", "ABC"), 0);
  EXPECT_EQ(dict_compare("abc", "ABD"), -1);
  // Only a-z fold: '[' (0x5B) sorts after 'Z' but before 'a' would in plain byte order.
  EXPECT_EQ(dict_compare("a", "["), -1);
  EXPECT_EQ(dict_compare("", ""), 0);
  EXPECT_EQ(dict_compare("", "0"), -1);
  // High bytes are unsigned: a GBK character sorts after every ASCII byte.
  EXPECT_EQ(dict_compare("\xB0\xA1", "z"), 1);
  // Trail bytes 0x61-0x7A fold too, so these two GBK characters compare equal.
  EXPECT_EQ(dict_compare("\x81\x61", "\x81\x41"), 0);
  EXPECT_TRUE(dict_less("307", "3071"));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(round_half_even(5, 2), 2);    // 2.5
  EXPECT_EQ(round_half_even(7, 2), 4);    // 3.5
  EXPECT_EQ(round_half_even(1, 2), 0);    // 0.5
  EXPECT_EQ(round_half_even(3, 2), 2);    // 1.5
  EXPECT_EQ(round_half_even(13, 10), 1);  // 1.3
  EXPECT_EQ(round_half_even(17, 10), 2);  // 1.7
  EXPECT_EQ(round_half_even(-5, 2), -2);
  EXPECT_EQ(round_half_even(-7, 2), -4);
  EXPECT_EQ(round_half_even(5, -2), -2);
  // A speed: 45 characters in 20 seconds is 135 per minute exactly; 1 in 40 s is 1.5 -> 2.
  EXPECT_EQ(round_half_even(45 * 60, 20), 135);
  EXPECT_EQ(round_half_even(1 * 60, 40), 2);
  EXPECT_EQ(round_half_even(2.5), 2);
  EXPECT_EQ(round_half_even(3.5), 4);
  EXPECT_EQ(round_half_even(2.6), 3);
  EXPECT_THROW(round_half_even(1, 0), std::domain_error);
}

TEST(FixedField, FillsCutsAndTrims) {
  EXPECT_EQ(left_field("ab", 5), "ab   ");
  EXPECT_EQ(left_field("", 3), "   ");
  EXPECT_EQ(left_field("abcdef", 4), "abcd");
  EXPECT_EQ(right_field("85", 5), "   85");
  EXPECT_EQ(right_field("12345", 5), "12345");
  EXPECT_EQ(right_field("123456", 5), "12345");
  EXPECT_EQ(trim_blanks("  30 \r\n"), "30");
  EXPECT_EQ(trim_blanks(" \t "), "");
  EXPECT_EQ(trim_blanks(" " + kZhongWenGbk + " "), kZhongWenGbk);
}

}  // namespace
}  // namespace tavrel
