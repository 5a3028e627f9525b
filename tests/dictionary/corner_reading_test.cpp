// The corner reading on small hand-made glyphs: which stroke stands at a corner, and its digit.
#include "tools/gen_data/corner_reading.h"

#include <gtest/gtest.h>

#include "tools/gen_data/attached_corner.h"

namespace tavrel::gen {
namespace {

// A stroke from its letter and median points (font units, y upwards).
Stroke stroke(char letter, std::initializer_list<Point> median) { return {letter, median, {}}; }

// 上: a 竖 on top, a short 横 to its right, a long 横 at the bottom.
const Glyph kShang = {stroke('f', {{420, 820}, {420, 60}}), stroke('j', {{430, 450}, {760, 450}}),
                      stroke('j', {{100, 60}, {900, 60}})};
// 千: a 撇 on top, a long 横, a 竖 through it.
const Glyph kQian = {stroke('s', {{690, 780}, {500, 730}, {280, 650}}),
                     stroke('j', {{130, 440}, {910, 460}}), stroke('f', {{500, 690}, {500, -20}})};
// 丁: a 横 and a 竖钩 below it.
const Glyph kDing = {stroke('j', {{120, 700}, {880, 700}}),
                     stroke('g', {{500, 700}, {500, 20}, {420, 80}})};
// 月: a 竖撇 on the left, a 横折钩 on the right, two 横 inside.
const Glyph kYue = {stroke('s', {{300, 780}, {300, 300}, {160, 0}}),
                    stroke('r', {{300, 780}, {720, 780}, {720, 40}, {640, 100}}),
                    stroke('j', {{320, 540}, {700, 540}}), stroke('j', {{320, 330}, {700, 330}})};
// 同's frame: a plain 竖 on the left, a 横折钩 on the right.
const Glyph kTongFrame = {stroke('f', {{160, 780}, {160, 0}}),
                          stroke('r', {{160, 780}, {840, 780}, {840, 20}, {760, 80}}),
                          stroke('j', {{300, 560}, {700, 560}})};
// 文: 亠 over 乂, the dot in the middle.
const Glyph kWen = {stroke('k', {{500, 880}, {530, 800}}), stroke('j', {{120, 720}, {880, 720}}),
                    stroke('s', {{700, 700}, {200, 0}}), stroke('l', {{300, 650}, {880, 20}})};
// 杭: 木 on the left, 亢 on the right with its own 亠.
const Glyph kHang = {stroke('j', {{60, 600}, {380, 600}}),
                     stroke('f', {{220, 860}, {220, 0}}),
                     stroke('s', {{220, 600}, {60, 250}}),
                     stroke('k', {{240, 520}, {340, 420}}),
                     stroke('k', {{680, 880}, {710, 800}}),
                     stroke('j', {{460, 720}, {940, 720}}),
                     stroke('s', {{600, 600}, {480, 80}}),
                     stroke('u', {{760, 600}, {760, 60}, {950, 60}, {950, 160}})};
// 户: its dot stands alone on top, over a 横折.
const Glyph kHu = {
    stroke('k', {{560, 880}, {600, 800}}), stroke('c', {{300, 720}, {780, 720}, {780, 420}}),
    stroke('j', {{300, 440}, {780, 440}}), stroke('s', {{300, 720}, {280, 300}, {100, 20}})};
// 巾: a 竖 on the left, a 横折钩 on the right, and a 竖 down the middle reaching lowest.
const Glyph kJin = {stroke('f', {{220, 600}, {220, 120}}),
                    stroke('r', {{220, 600}, {800, 600}, {800, 150}, {730, 200}}),
                    stroke('f', {{510, 880}, {510, -60}})};

TEST(CornerReading, TheDigitChangesOnlyForAVerticalOrACap) {
  EXPECT_EQ(tavrel_digit('2', Standing::kStraightVertical), '2');
  EXPECT_EQ(tavrel_digit('2', Standing::kFallingOrHooked), '0');
  EXPECT_EQ(tavrel_digit('2', Standing::kOther), '2');
  EXPECT_EQ(tavrel_digit('0', Standing::kDotOverHorizontal), '3');
  EXPECT_EQ(tavrel_digit('0', Standing::kOther), '0');
  for (char digit : std::string("13456789")) {
    for (auto standing :
         {Standing::kStraightVertical, Standing::kFallingOrHooked, Standing::kDotOverHorizontal}) {
      EXPECT_EQ(tavrel_digit(digit, standing), digit);
    }
  }
}

TEST(CornerReading, StrokeKindsByName) {
  EXPECT_EQ(vertical_kind(stroke('f', {{0, 9}, {0, 0}})), Standing::kStraightVertical);  // 竖
  EXPECT_EQ(vertical_kind(stroke('h', {{0, 9}, {0, 0}})), Standing::kStraightVertical);  // 竖提
  EXPECT_EQ(vertical_kind(stroke('b', {{0, 9}, {0, 0}})), Standing::kStraightVertical);  // 竖折
  EXPECT_EQ(vertical_kind(stroke('s', {{9, 9}, {0, 0}})), Standing::kFallingOrHooked);   // 撇
  EXPECT_EQ(vertical_kind(stroke('n', {{9, 9}, {0, 0}})), Standing::kFallingOrHooked);   // 撇折
  EXPECT_EQ(vertical_kind(stroke('g', {{0, 9}, {0, 0}})), Standing::kFallingOrHooked);   // 竖钩
  EXPECT_EQ(vertical_kind(stroke('r', {{0, 9}, {9, 9}})), Standing::kFallingOrHooked);  // 横折钩
  EXPECT_EQ(vertical_kind(stroke('z', {{0, 9}, {0, 0}})), Standing::kFallingOrHooked);  // 竖折折钩
  // 竖折撇 and 竖折折 share a letter: the last segment going down to the left makes the 撇.
  EXPECT_EQ(vertical_kind(stroke('x', {{0, 9}, {0, 5}, {5, 5}, {1, 0}})),
            Standing::kFallingOrHooked);
  EXPECT_EQ(vertical_kind(stroke('x', {{0, 9}, {0, 5}, {5, 5}, {5, 0}, {9, 0}})),
            Standing::kStraightVertical);
  EXPECT_FALSE(can_stand_as_vertical(stroke('j', {{0, 0}, {9, 0}})));
  EXPECT_FALSE(can_stand_as_vertical(stroke('k', {{0, 9}, {1, 8}})));
}

TEST(CornerReading, AVerticalCornerGivesTwoForAShuAndZeroForAPieOrALeftHook) {
  EXPECT_EQ(tavrel_from_four_corner("21100", kShang).code, "21100");  // the 竖 stays 2
  EXPECT_EQ(tavrel_from_four_corner("20400", kQian).code, "00400");   // the 撇 on top
  EXPECT_EQ(tavrel_from_four_corner("10200", kDing).code, "10000");   // the 竖钩 below
  EXPECT_EQ(tavrel_from_four_corner("77220", kYue).code, "77000");    // 竖撇 and 横折钩
  EXPECT_EQ(tavrel_from_four_corner("77220", kTongFrame).code, "77200");
}

TEST(CornerReading, AStrokeGivesItsDigitToOneCornerOnly) {
  // The left 竖 takes the lower left; of the two left for the lower right, the hook of the
  // 横折钩 is nearer to the corner than the middle 竖, though that one reaches lower.
  EXPECT_EQ(vertical_at_corner(kJin, Corner::kLowerLeft), 0);
  EXPECT_EQ(vertical_at_corner(kJin, Corner::kLowerRight, {0}), 1);
  EXPECT_EQ(tavrel_from_four_corner("40227", kJin).code, "40207");
}

TEST(CornerReading, NearlyEquallyNearStrokesOfTwoKindsGoToTheOneReachingFurther) {
  // A 竖 and a 撇 end at the same distance from the lower left; the 竖 reaches lower.
  const Glyph tie = {stroke('f', {{200, 800}, {200, 40}}), stroke('s', {{300, 800}, {140, 100}}),
                     stroke('j', {{100, 800}, {900, 800}})};
  bool near_tie = false;
  EXPECT_EQ(vertical_at_corner(tie, Corner::kLowerLeft, {}, &near_tie), 0);
  EXPECT_TRUE(near_tie);
  EXPECT_EQ(vertical_at_corner(kYue, Corner::kLowerLeft, {}, &near_tie), 0);
  EXPECT_FALSE(near_tie);
}

TEST(CornerReading, TheDotOfACapCountsThreeAtEitherUpperCorner) {
  EXPECT_EQ(tavrel_from_four_corner("00400", kWen).code, "30400");  // on top: 3, then 0
  EXPECT_FALSE(cap_at_upper_right(kWen, '0'));
  EXPECT_TRUE(cap_at_upper_right(kHang, '4'));  // 亢's 亠 on the right part
  EXPECT_EQ(tavrel_from_four_corner("40917", kHang).code, "43917");
  // 户's dot stands alone on top and was the upper left's: the upper right stays 0.
  EXPECT_FALSE(cap_at_upper_right(kHu, '3'));
  EXPECT_EQ(tavrel_from_four_corner("30207", kHu).code, "30007");
  // An upper left 0 without a dot over a horizontal is reported, not guessed.
  EXPECT_TRUE(tavrel_from_four_corner("01100", kShang).cap_missing);
  EXPECT_FALSE(tavrel_from_four_corner("00400", kWen).cap_missing);
}

TEST(CornerReading, OnlyFiveDigitValuesAreRead) {
  EXPECT_THROW(tavrel_from_four_corner("2110", kShang), std::invalid_argument);
  EXPECT_THROW(tavrel_from_four_corner("21a00", kShang), std::invalid_argument);
}

// A character whose corners all stand at its first stroke, outside any shorter ending.
AttachedCornerCase ending_only(const std::string& letters) {
  return {letters, {0, 0, 0, 0}, "0000"};
}

TEST(AttachedCorner, TheLongestSharedEndingDecidesAndACharacterIsNotItsOwnWitness) {
  AttachedCornerByEnding attached;
  attached.learn(ending_only("jfcjj"), '7');  // two characters ending in the same three strokes
  attached.learn(ending_only("sfcjj"), '7');
  attached.learn(ending_only("kkcjj"), '1');
  attached.learn(ending_only("jj"), '0');
  attached.learn(ending_only("ss"), '2');
  EXPECT_EQ(attached.read(ending_only("ffcjj")), '7');  // "fcjj": 7 twice, then "cjj": 7 7 1
  EXPECT_EQ(attached.read(ending_only("kjj")), '7');    // "jj" holds 7, 7, 1 and 0
  EXPECT_EQ(attached.read(ending_only("fss")), '2');
  EXPECT_EQ(attached.read(ending_only("l")), '0');  // no ending shared
  // Read again for a learnt character, its own entry left out.
  EXPECT_EQ(attached.read(ending_only("kkcjj"), '1'), '7');
  EXPECT_EQ(attached.read(ending_only("ss"), '2'), '0');  // nothing else ends in s
  AttachedCornerByEnding tie;
  tie.learn(ending_only("aj"), '4');
  tie.learn(ending_only("bj"), '3');
  EXPECT_EQ(tie.read(ending_only("cj")), '3');  // a tie goes to the smaller digit
}

TEST(AttachedCorner, AnEndingThatMakesTheUpperRightHasItsShapesUsed) {
  // 月 ("srjj") makes the upper right of 明 (its turn is used: 0) but not of 萌 (the turn shows
  // above the hook: 7).
  const AttachedCornerCase ming{"fcjjsrjj", {0, 4, 0, 5}, "6702"};
  const AttachedCornerCase meng{"jfffcjjsrjj", {0, 2, 0, 8}, "4462"};
  const AttachedCornerCase another_below{"kkisrjj", {0, 0, 2, 4}, "3012"};
  AttachedCornerByEnding attached;
  attached.learn(ming, '0');
  attached.learn(meng, '7');
  attached.learn(another_below, '7');
  // 月 again at the upper right: as 明, though two of three characters ending in 月 give 7.
  EXPECT_EQ(attached.read({"jjjsrjj", {0, 3, 0, 4}, "1702"}), '0');
  // 月 below another part: as 萌.
  EXPECT_EQ(attached.read({"kkjsrjj", {0, 0, 0, 4}, "3302"}), '7');
}

TEST(AttachedCorner, TwoCharactersBuiltAlikeAreEachOthersOnlyWitness) {
  // 拔 and 跋 end in the same 犮 (here "jsxsl") standing alike, and the source gives them 7 and 4.
  const AttachedCornerCase ba{"jgijsxsl", {0, 3, 0, 7}, "5304"};
  const AttachedCornerCase ba_foot{"fcjfjfijsxsl", {0, 7, 0, 11}, "6314"};
  const AttachedCornerCase other{"kkisl", {0, 0, 0, 4}, "3013"};  // shares only "sl"
  AttachedCornerByEnding attached;
  attached.learn(ba, '7', "拔");
  attached.learn(ba_foot, '4', "跋");
  attached.learn(other, '0', "汉");
  EXPECT_EQ(attached.only_witness(ba, "拔"), "跋");
  EXPECT_EQ(attached.only_witness(ba_foot, "跋"), "拔");
  EXPECT_EQ(attached.read(ba, '7'), '4');             // each reads the other's
  EXPECT_EQ(attached.only_witness(other, "汉"), "");  // a two-stroke ending is not a part
}

}  // namespace
}  // namespace tavrel::gen
