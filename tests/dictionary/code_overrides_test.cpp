// The override table: its format, and that every override decides something the sources lack.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tools/gen_data/character_codes.h"
#include "tools/gen_data/overrides.h"

namespace tavrel::gen {
namespace {

std::map<std::string, CodeOverride> parse(const std::string& text) {
  std::istringstream in(text);
  return read_code_overrides(in);
}

std::string error_of(const std::string& text) {
  try {
    parse(text);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "no error";
}

TEST(CodeOverrides, LinesGiveAValueNamesOrACodeWithAReason) {
  auto table = parse(
      "# comment\n"
      "\n"
      "传\t2523\t-\t-\t亻 on the left, 专 on the right\n"
      "审\t3050.6\t-\t-\t宀 over 申\n"
      "丨\t-\tf\t-\t竖\n"
      "身\t-\t-\t07400\tthe 撇 on top\n");
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(table["传"].four_corner, "2523");
  EXPECT_EQ(table["审"].four_corner, "30506");
  EXPECT_EQ(table["丨"].stroke_letters, "f");
  EXPECT_EQ(table["身"].code, "07400");
  EXPECT_TRUE(table["身"].four_corner.empty());
  EXPECT_EQ(table["传"].reason, "亻 on the left, 专 on the right");
}

TEST(CodeOverrides, AMalformedLineIsReportedWithItsNumber) {
  EXPECT_NE(error_of("# x\n传\t2523\t-\t-\n").find("line 2"), std::string::npos);
  EXPECT_NE(error_of("传人\t2523\t-\t-\tr\n").find("one character"), std::string::npos);
  EXPECT_NE(error_of("传\t252\t-\t-\tr\n").find("four-corner"), std::string::npos);
  EXPECT_NE(error_of("传\t2523.44\t-\t-\tr\n").find("four-corner"), std::string::npos);
  EXPECT_NE(error_of("丨\t-\tF\t-\tr\n").find("stroke letter"), std::string::npos);
  EXPECT_NE(error_of("身\t-\t-\t0740\tr\n").find("Tavrel code"), std::string::npos);
  EXPECT_NE(error_of("身\t-\t-\t07400\t\n").find("no reason"), std::string::npos);
  EXPECT_NE(error_of("身\t-\t-\t-\tr\n").find("decides nothing"), std::string::npos);
  EXPECT_NE(error_of("身\t-\t-\t07400\tr\n身\t-\t-\t07401\tr\n").find("line 2: listed twice"),
            std::string::npos);
}

// One named stroke for each character, enough for the checks below.
std::map<std::string, Glyph> one_stroke_glyphs(std::initializer_list<const char*> chars) {
  std::map<std::string, Glyph> glyphs;
  for (const char* ch : chars) glyphs[ch] = {{'j', {{100, 500}, {900, 500}}, {}}};
  return glyphs;
}

TEST(CodeOverrides, EveryOverrideMustBeUsedAndDecideSomethingTheSourcesDoNotSay) {
  const std::map<std::string, std::vector<std::string>> values{{"一", {"10000"}},
                                                               {"二", {"10100", "10107"}}};
  const auto glyphs = one_stroke_glyphs({"一", "二", "三"});
  auto coded = [&](const std::string& table) {
    return code_characters(values, glyphs, parse(table));
  };
  // Two values and no decision; no value and no decision.
  EXPECT_THROW(coded(""), std::runtime_error);
  EXPECT_THROW(coded("二\t10100\t-\t-\tr\n"), std::runtime_error);  // 三 has no value
  const auto ok = coded("二\t1010.0\t-\t-\tr\n三\t1011\t-\t-\tr\n");
  EXPECT_EQ(ok.by_utf8.at("一"), "10000");
  EXPECT_EQ(ok.by_utf8.at("二"), "10100");
  EXPECT_EQ(ok.by_utf8.at("三").size(), 5u);  // the 附角 read for the four-digit value
  EXPECT_EQ(ok.figures.overrides_used, 2);
  // Not a GB2312 character, so never used.
  EXPECT_THROW(coded("二\t1010.0\t-\t-\tr\n三\t1011\t-\t-\tr\n丂\t1020\t-\t-\tr\n"),
               std::runtime_error);
  // Repeating the source's only value, its stroke names or the code the reading gives.
  const std::string rest = "二\t1010.0\t-\t-\tr\n三\t1011\t-\t-\tr\n";
  EXPECT_THROW(coded(rest + "一\t1000.0\t-\t-\tr\n"), std::runtime_error);
  EXPECT_THROW(coded(rest + "一\t-\tj\t-\tr\n"), std::runtime_error);
  EXPECT_THROW(coded(rest + "一\t-\t-\t10000\tr\n"), std::runtime_error);
  EXPECT_EQ(coded(rest + "一\t-\t-\t11000\tr\n").by_utf8.at("一"), "11000");
}

TEST(CodeOverrides, ADecidedAttachedCornerFollowsTheFourCornerValueUnlessTheReasonSaysWhy) {
  const std::map<std::string, std::vector<std::string>> values{{"一", {"10000"}},
                                                               {"二", {"10102"}}};
  const auto glyphs = one_stroke_glyphs({"一", "二"});
  auto coded = [&](const std::string& table) {
    return code_characters(values, glyphs, parse(table + "二\t-\t-\t10100\tr\n"));
  };
  // Nothing shows above 一's lower right (0): another 附角 needs its reason.
  EXPECT_THROW(coded("一\t-\t-\t11003\tr\n"), std::runtime_error);
  EXPECT_EQ(coded("一\t-\t-\t11003\t附角: r\n").by_utf8.at("一"), "11003");
  // A 垂 above the lower right may be a 竖 (2) or a 撇 or left hook (0), nothing else.
  EXPECT_EQ(coded("").by_utf8.at("二"), "10100");
  EXPECT_THROW(code_characters(values, glyphs, parse("二\t-\t-\t10107\tr\n")), std::runtime_error);
}

TEST(CodeOverrides, ANearTieIsDecidedByTheTableWhetherOrNotTheRuleGotItRight) {
  // A 竖 and a 撇 end about as near to the lower left: the rule takes the 竖 (2).
  const std::map<std::string, std::vector<std::string>> values{{"一", {"10200"}}};
  const std::map<std::string, Glyph> glyphs{{"一",
                                             {{'f', {{200, 800}, {200, 40}}, {}},
                                              {'s', {{300, 800}, {140, 100}}, {}},
                                              {'j', {{100, 800}, {900, 800}}, {}}}}};
  EXPECT_EQ(code_characters(values, glyphs, {}).by_utf8.at("一"), "10200");
  EXPECT_EQ(code_characters(values, glyphs, {}).figures.near_ties, 1);
  const auto confirmed = code_characters(values, glyphs, parse("一\t-\t-\t10200\tr\n"));
  EXPECT_EQ(confirmed.figures.near_ties, 0);
  EXPECT_EQ(confirmed.figures.near_ties_by_hand, 1);
  EXPECT_EQ(confirmed.figures.near_ties_changed_by_hand, 0);
  const auto changed = code_characters(values, glyphs, parse("一\t-\t-\t10000\tr\n"));
  EXPECT_EQ(changed.by_utf8.at("一"), "10000");
  EXPECT_EQ(changed.figures.near_ties_changed_by_hand, 1);
}

TEST(CodeOverrides, TheShippedTableReadsAndGivesEveryLineAReason) {
  std::ifstream in(TAVREL_CODE_OVERRIDES);
  ASSERT_TRUE(in) << TAVREL_CODE_OVERRIDES;
  const auto table = read_code_overrides(in);
  EXPECT_GE(table.size(), 23u + 47u);
  for (const char* ch : {"传", "该", "仅", "审", "驴", "驼", "缮", "锑", "本", "真", "学", "誉",
                         "双", "界", "吧", "映"}) {
    ASSERT_TRUE(table.contains(ch)) << ch;
    EXPECT_FALSE(table.at(ch).four_corner.empty()) << ch;
  }
}

}  // namespace
}  // namespace tavrel::gen
