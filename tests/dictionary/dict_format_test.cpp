// Packing of codes, record layout and order of the code dictionary files.
#include "dictionary/dict_format.h"

#include <gtest/gtest.h>

#include <random>

#include "byte_helpers.h"

namespace tavrel::dict {
namespace {

using testing::gbk;
using testing::hex;

TEST(DictFormat, PacksOneDigitPerNibbleEndedByFAndUnpacksUpToTheFirstNibbleAboveNine) {
  EXPECT_EQ(pack_code("3071"), hex("30 71 FF"));
  EXPECT_EQ(pack_code("307"), hex("30 7F FF"));
  EXPECT_EQ(pack_code("1"), hex("1F FF FF"));
  EXPECT_EQ(pack_code("123456"), hex("12 34 56"));
  EXPECT_EQ(unpack_code(hex("12 F3 45")), "12");
  EXPECT_EQ(unpack_code(hex("FF FF FF")), "");

  std::mt19937 random(7);
  for (int trial = 0; trial < 300; ++trial) {
    std::string code(1 + random() % kMaxCodeDigits, '0');
    for (char& digit : code) digit = static_cast<char>('0' + random() % 10);
    EXPECT_EQ(unpack_code(pack_code(code)), code);
  }
  for (std::string_view bad : {"", "1234567", "12a", " 12"}) {
    EXPECT_THROW(pack_code(bad), std::invalid_argument) << bad;
  }
}

TEST(DictFormat, RecordsHoldTheCodeThenTheTextFilledWithFF) {
  EXPECT_EQ(encode_record({"27620", gbk("的")}, 1), hex("27 62 0F") + gbk("的"));
  const std::string six = gbk("中华人民共和");
  EXPECT_EQ(encode_record({"584021", six}, 5), hex("58 40 21") + six + std::string(14, '\xFF'));

  // Words of 5 to 13 characters share the fifth file; every shorter length has its own.
  for (int chars = 1; chars <= kMaxWordChars; ++chars) {
    EXPECT_EQ(record_size(file_number_for(chars)), chars <= 4 ? 2u * chars + 3 : 29u) << chars;
  }
  EXPECT_THROW(file_number_for(14), std::invalid_argument);
  EXPECT_THROW(encode_record({"1", gbk("我们")}, 1), std::invalid_argument);
  EXPECT_THROW(encode_record({"1", gbk("中华")}, 5), std::invalid_argument);
  EXPECT_THROW(encode_record({"1", "\xB0\xFF"}, 1), std::invalid_argument);
  EXPECT_THROW(encode_record({"1", "\xB0"}, 1), std::invalid_argument);
}

TEST(DictFormat, TextIsReadUpToTheFillForLookupsAndWithoutFillOrBlanksForTheLearner) {
  EXPECT_EQ(field_text("AB\xFF"
                       "CD\xFF"),
            "AB");
  EXPECT_EQ(candidate_text("AB\xFF"
                           "CD\xFF"),
            "ABCD");
  EXPECT_EQ(candidate_text(" \xFF AB \x01\xFF"), "AB");
}

TEST(DictFormat, DecodingIgnoresATrailingPartialRecord) {
  const std::vector<DictRecord> records{{"1", gbk("的")}, {"27620", gbk("的")}};
  EXPECT_EQ(decode_file(encode_file(records, 1) + hex("12 34"), 1), records);
  const std::vector<DictRecord> long_words{{"1", gbk("一二三四五六七八九十一二三")}};
  EXPECT_EQ(decode_file(encode_file(long_words, 5), 5), long_words);
}

TEST(DictFormat, SortsCodesAsTextAndKeepsCandidateOrderWithinACode) {
  std::vector<DictRecord> records{{"2", "b"},  {"120", "x"}, {"12", "c"}, {"100", "y"},
                                  {"12", "a"}, {"10", "z"},  {"1", "w"},  {"11", "v"}};
  sort_by_code(records);
  std::vector<DictRecord> expected{{"1", "w"},  {"10", "z"}, {"100", "y"}, {"11", "v"},
                                   {"12", "c"}, {"12", "a"}, {"120", "x"}, {"2", "b"}};
  EXPECT_EQ(records, expected);

  // Enough records that an unstable sort would show: texts number the records as they came.
  std::mt19937 random(3);
  std::vector<DictRecord> many;
  for (int i = 0; i < 500; ++i)
    many.push_back({std::to_string(random() % 4), std::to_string(1000 + i)});
  sort_by_code(many);
  for (std::size_t i = 1; i < many.size(); ++i) {
    if (many[i].code != many[i - 1].code) continue;
    ASSERT_LT(many[i - 1].text, many[i].text) << i;
  }
}

TEST(DictFormat, SortsTextsWithPrefixesFirstAndLowerCaseTrailBytesFolded) {
  std::vector<DictRecord> records{{"1", gbk("中华人民")},
                                  {"2", gbk("中华")},
                                  {"3", gbk("一")},
                                  {"4", "\xB0\x62"},
                                  {"5", "\xB0\x41"}};
  sort_by_text(records);
  std::vector<std::string> order;
  for (const auto& r : records) order.push_back(r.code);
  EXPECT_EQ(order, (std::vector<std::string>{"5", "4", "3", "2", "1"}));
}

}  // namespace
}  // namespace tavrel::dict
