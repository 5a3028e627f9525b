// The rules of the two keypad warm-up games: their state, the keys, judging and the countdown.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::warmup {

enum class Mode { Classic, Fun };

// One hole of the fun board: the character that hits it, its label, the place of the rabbit's
// top-left corner and the hole's ellipse, in pixels of the board.
struct Hole {
  char key;
  const char* label;
  int rabbit_left, rabbit_top;
  int left, top, width, height;
};
inline constexpr int kHoleCount = 16;
extern const std::array<Hole, kHoleCount> kHoles;

// Keys are the characters a key press types; Enter is '\r', Backspace '\b'.
// The hole a key hits, or -1 for keys without a hole.
int hole_of_key(char32_t key);
// The keypad picture's button a key presses in the classic game: the digit, else kDelButton.
inline constexpr int kDelButton = 10;
int keypad_button_of(char32_t key);

// The score display's digits: hundreds, tens, units, preceded from 1000 hits on by the
// thousands (the display has four places; 9999 is the most it shows).
std::vector<int> score_digits(int hit_count);
// Hundreds, tens and units of a number of seconds.
std::array<int, 3> time_digits(int seconds);

inline constexpr int kDigitCount = 6;  // digits of a classic target
inline constexpr int kOneMinute = 60;

// The state both games share. The window reads it to draw, and mirrors `timer_on` onto its
// countdown timer. Idle: no game; armed: started, waiting for the first key; running: the
// countdown ticks; paused: the countdown stands still while keys still count.
class WarmupGame {
 public:
  using Random = std::function<int(int)>;  // a uniform integer in [0, n)
  explicit WarmupGame(Random random);

  Mode mode() const { return mode_; }
  bool game_on() const { return game_on_; }
  bool clock_started() const { return clock_started_; }
  bool timer_on() const { return timer_on_; }
  int hit_count() const { return hit_count_; }
  int time_set() const { return time_set_; }
  int time_left() const { return time_left_; }
  int rabbit_hole() const { return rabbit_hole_; }
  const std::string& target_digits() const { return target_digits_; }

  // The window is shown: one minute, no game. The mode stays.
  void reset_for_show();
  void choose_mode(Mode mode);
  void choose_time(int minutes);  // 1 to 5
  // A start button: a new game is armed with no hits; the countdown waits for the first key.
  void start();
  // The window became active again: the countdown stands still.
  void pause();

  // A new hole for the rabbit, any of the sixteen (the same one may come again).
  void draw_rabbit();
  // Six new target digits; zeros unless a game is armed or running.
  void draw_digits();

  struct KeyResult {
    bool hit = false;
    int keypad_button = -1;  // the classic game's button to press; -1 when none
  };
  // A key typed while the window has it.
  KeyResult key(char32_t key);
  // The learner changed the classic box: the countdown of the game goes (again).
  void typed();
  bool matches(std::string_view entry) const { return entry == target_digits_; }
  // Judges a full box: counts a hit. Returns whether it was one.
  bool judge(std::string_view entry);
  // One second of the countdown. Returns true on the tick that ends the game, the first one
  // that finds no time left.
  bool tick();

 private:
  void stop_game();

  Random random_;
  Mode mode_ = Mode::Classic;
  bool game_on_ = false;
  bool clock_started_ = false;
  bool timer_on_ = false;
  int hit_count_ = 0;
  int time_set_ = kOneMinute;
  int time_left_ = kOneMinute;
  int rabbit_hole_ = 0;
  std::string target_digits_;
};

}  // namespace tavrel::warmup
