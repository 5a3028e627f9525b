// The perfect typist's key count on a small dictionary: the cheapest code, paging, words.
#include "article/key_count.h"

#include <gtest/gtest.h>

#include "article_fixture.h"

namespace tavrel::article {
namespace {

using testing::gbk;

class KeyCountTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<dict::DictRecord> entries{
        {"1", gbk("一")},     {"10000", gbk("一")},  // one key, or five
        {"60000", gbk("中")}, {"60000", gbk("口")},  // 中 first, 口 second
        {"60107", gbk("国")},
    };
    // 30 characters under one code: 人 is the 21st, on the second page.
    for (int i = 0; i < 20; ++i) entries.push_back({"80000", testing::nth_char(500 + i)});
    entries.push_back({"80000", gbk("人")});
    for (int i = 20; i < 30; ++i) entries.push_back({"80000", testing::nth_char(500 + i)});
    entries.push_back({"606", gbk("中国")});
    entries.push_back({"606", gbk("口国")});
    testing::write_dictionary(dir_, entries);
  }

  KeyCount count(const std::string& utf8, bool with_words) {
    testing::CurrentDir in(dir_.path());
    Ttwo two;
    return count_keys(gbk(utf8), two, with_words);
  }

  testing::TempDir dir_;
};

TEST_F(KeyCountTest, EachCharacterTakesItsCheapestCodeAndItsChoice) {
  // 一: "1 /" (2); 中: "60000 /" and 0 (7); 口: "60000 /" and 1 (7); 国: "60107 /" (6).
  auto typed = count("一中口国", false);
  EXPECT_EQ(typed.characters, 4);
  EXPECT_EQ(typed.keys, 2 + 7 + 7 + 6);
  EXPECT_EQ(typed.untypeable, 0);
}

TEST_F(KeyCountTest, ACandidateOnALaterPageCostsItsPageKeys) {
  // The first page holds ten; "+" shows the next twelve, where 人 (the 21st) is number 10,
  // which no digit can choose: 人 cannot be typed.
  auto typed = count("人", false);
  EXPECT_EQ(typed.characters, 0);
  EXPECT_EQ(typed.untypeable, 1);
  // The 11th is number 0 of the second page: five digits, "/", "+" and "0".
  auto eleventh = count(utf8_from_gbk(testing::nth_char(510)), false);
  EXPECT_EQ(eleventh.keys, 8);
}

TEST_F(KeyCountTest, AListedWordIsTypedByItsWordCodeWhenThatIsCheaper) {
  // 中国 by its word code: "606 *" and 0 (5 keys) against 7 + 6 by characters.
  auto typed = count("中国一", true);
  EXPECT_EQ(typed.characters, 3);
  EXPECT_EQ(typed.keys, 5 + 2);
  EXPECT_EQ(count("中国一", false).keys, 7 + 6 + 2);
}

}  // namespace
}  // namespace tavrel::article
