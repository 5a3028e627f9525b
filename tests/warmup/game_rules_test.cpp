// The warm-up games' rules: keys and holes, the countdown, pausing, the displays' digits.
#include <gtest/gtest.h>

#include <deque>

#include "warmup/warmup_game.h"

namespace tavrel::warmup {
namespace {

// A game whose chance is a queue of values (0 once it runs dry).
struct ScriptedGame {
  std::deque<int> values;
  WarmupGame game{[this](int n) {
    int v = values.empty() ? 0 : values.front();
    if (!values.empty()) values.pop_front();
    return v % n;
  }};
};

TEST(WarmupRules, EachHoleIsHitByItsOwnKeyOnlyAndLettersNeverHit) {
  const char32_t keys[] = {U'0', U'1', U'2', U'3', U'4', U'5', U'6',  U'7',
                           U'8', U'9', U'/', U'*', U'-', U'+', U'\r', U'.'};
  for (int hole = 0; hole < kHoleCount; ++hole) {
    ScriptedGame g;
    g.game.choose_mode(Mode::Fun);
    g.values = {hole};
    g.game.draw_rabbit();
    g.game.start();
    ASSERT_EQ(g.game.rabbit_hole(), hole);
    for (char32_t other : {U'a', U'Z', U'\b', U' ', U'#', U'\x4e2d'})
      EXPECT_FALSE(g.game.key(other).hit) << "hole " << hole;
    for (int k = 0; k < kHoleCount; ++k) {
      if (k == hole) continue;
      EXPECT_FALSE(g.game.key(keys[k]).hit) << "hole " << hole << " key " << k;
    }
    EXPECT_EQ(g.game.hit_count(), 0);
    EXPECT_TRUE(g.game.key(keys[hole]).hit);
    EXPECT_EQ(g.game.hit_count(), 1);
  }
}

TEST(WarmupRules, TheSameHoleTwiceCountsTwice) {
  ScriptedGame g;
  g.game.choose_mode(Mode::Fun);
  g.values = {5, 5, 5};
  g.game.draw_rabbit();
  g.game.start();
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(g.game.rabbit_hole(), 5);
    EXPECT_TRUE(g.game.key(U'5').hit);
    g.game.draw_rabbit();
  }
  EXPECT_EQ(g.game.hit_count(), 2);
}

TEST(WarmupRules, OneMinuteGameEndsOnThe61stTickAfterItsFirstKey) {
  ScriptedGame g;
  g.game.choose_mode(Mode::Fun);
  g.values = {9};
  g.game.draw_rabbit();
  g.game.start();
  EXPECT_FALSE(g.game.timer_on()) << "the start button does not start the countdown";
  EXPECT_FALSE(g.game.key(U'x').hit);  // a key that misses starts it all the same
  EXPECT_TRUE(g.game.clock_started());
  EXPECT_TRUE(g.game.timer_on());
  for (int tick = 1; tick <= 60; ++tick) {
    ASSERT_FALSE(g.game.tick()) << "tick " << tick;
    EXPECT_EQ(g.game.time_left(), 60 - tick);
  }
  EXPECT_TRUE(g.game.game_on());
  EXPECT_TRUE(g.game.tick());
  EXPECT_FALSE(g.game.game_on());
  EXPECT_FALSE(g.game.timer_on());
  EXPECT_FALSE(g.game.key(U'9').hit) << "keys no longer count once the game is over";
}

TEST(WarmupRules, ChosenLengthSurvivesStartsButNotShowingTheWindow) {
  ScriptedGame g;
  g.game.choose_time(3);
  g.game.start();
  EXPECT_EQ(g.game.time_left(), 180);
  g.game.key(U'1');
  g.game.tick();
  g.game.start();  // a restart begins again from the full length
  EXPECT_EQ(g.game.time_left(), 180);
  EXPECT_FALSE(g.game.timer_on());
  g.game.reset_for_show();
  EXPECT_EQ(g.game.time_set(), 60);
  EXPECT_FALSE(g.game.game_on());
  EXPECT_THROW(g.game.choose_time(6), std::invalid_argument);
}

TEST(WarmupRules, PauseIsResumedByClassicTypingButNotByFunKeys) {
  ScriptedGame fun;
  fun.game.choose_mode(Mode::Fun);
  fun.game.draw_rabbit();  // hole 0: the queue is empty
  fun.game.start();
  fun.game.key(U'1');
  fun.game.pause();
  fun.game.key(U'0');  // the rabbit's hole: still a hit, but the clock stands
  EXPECT_EQ(fun.game.hit_count(), 1);
  EXPECT_FALSE(fun.game.timer_on());

  ScriptedGame classic;
  classic.game.start();
  EXPECT_EQ(classic.game.key(U'7').keypad_button, 7);
  classic.game.pause();
  EXPECT_EQ(classic.game.key(U'+').keypad_button, kDelButton);
  EXPECT_FALSE(classic.game.timer_on());
  classic.game.typed();
  EXPECT_TRUE(classic.game.timer_on());

  ScriptedGame idle;
  idle.game.typed();
  EXPECT_FALSE(idle.game.timer_on()) << "no countdown without a game";
  EXPECT_EQ(idle.game.key(U'7').keypad_button, -1);
}

TEST(WarmupRules, DigitsAreZerosUntilAGameIsArmedAndAHitNeedsTheExactSix) {
  ScriptedGame g;
  g.values = {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8};
  g.game.draw_digits();
  EXPECT_EQ(g.game.target_digits(), "000000");
  g.game.start();
  g.game.draw_digits();
  EXPECT_EQ(g.game.target_digits(), "314159");
  EXPECT_FALSE(g.game.judge("31415."));
  EXPECT_FALSE(g.game.judge("314158"));
  EXPECT_EQ(g.game.hit_count(), 0);
  EXPECT_TRUE(g.game.judge("314159"));
  EXPECT_EQ(g.game.hit_count(), 1);
  g.game.choose_mode(Mode::Classic);  // choosing a mode ends the game: zeros again
  g.game.draw_digits();
  EXPECT_EQ(g.game.target_digits(), "000000");
  EXPECT_EQ(g.game.hit_count(), 0);
}

TEST(WarmupRules, DisplaysShowHundredsTensUnitsAndTheThousandsFrom1000) {
  EXPECT_EQ(score_digits(0), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(score_digits(12), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(score_digits(999), (std::vector<int>{9, 9, 9}));
  EXPECT_EQ(score_digits(1000), (std::vector<int>{1, 0, 0, 0}));
  EXPECT_EQ(score_digits(2047), (std::vector<int>{2, 0, 4, 7}));
  EXPECT_EQ(score_digits(123456), (std::vector<int>{9, 9, 9, 9}));
  EXPECT_EQ(time_digits(300), (std::array<int, 3>{3, 0, 0}));
  EXPECT_EQ(time_digits(59), (std::array<int, 3>{0, 5, 9}));
}

}  // namespace
}  // namespace tavrel::warmup
