// The warm-up games' rules: holes, keys, displays' digits, the state changes and the countdown.
#include "warmup/warmup_game.h"

#include <algorithm>
#include <stdexcept>

namespace tavrel::warmup {

// Laid out like the numeric keypad; the top-left key (Num Lock) has no hole.
const std::array<Hole, kHoleCount> kHoles{{
    {'0', "0", 86, 263, 30, 284, 147, 40},
    {'1', "1", 52, 203, 30, 223, 70, 40},
    {'2', "2", 131, 203, 109, 223, 70, 40},
    {'3', "3", 211, 203, 190, 223, 70, 40},
    {'4', "4", 52, 142, 30, 162, 70, 40},
    {'5', "5", 131, 142, 109, 162, 70, 40},
    {'6', "6", 211, 142, 190, 162, 70, 40},
    {'7', "7", 52, 78, 30, 101, 70, 40},
    {'8', "8", 131, 78, 109, 101, 70, 40},
    {'9', "9", 211, 78, 190, 101, 70, 40},
    {'/', "/", 131, 17, 109, 41, 70, 40},
    {'*', "*", 211, 17, 190, 41, 70, 40},
    {'-', "-", 291, 17, 272, 41, 70, 40},
    {'+', "+", 291, 78, 272, 88, 70, 88},
    {'\r', "Enter", 291, 198, 272, 192, 70, 129},
    {'.', "Del", 211, 263, 190, 284, 70, 40},
}};

int hole_of_key(char32_t key) {
  for (int hole = 0; hole < kHoleCount; ++hole)
    if (key == static_cast<char32_t>(kHoles[hole].key)) return hole;
  return -1;
}

int keypad_button_of(char32_t key) {
  return key >= U'0' && key <= U'9' ? static_cast<int>(key - U'0') : kDelButton;
}

std::vector<int> score_digits(int hit_count) {
  int shown = std::clamp(hit_count, 0, 9999);
  std::vector<int> digits{shown / 100 % 10, shown / 10 % 10, shown % 10};
  if (shown >= 1000) digits.insert(digits.begin(), shown / 1000);
  return digits;
}

std::array<int, 3> time_digits(int seconds) {
  int shown = std::clamp(seconds, 0, 999);
  return {shown / 100, shown / 10 % 10, shown % 10};
}

WarmupGame::WarmupGame(Random random) : random_(std::move(random)) { draw_digits(); }

void WarmupGame::stop_game() {
  game_on_ = false;
  clock_started_ = false;
  timer_on_ = false;
}

void WarmupGame::reset_for_show() {
  hit_count_ = 0;
  time_set_ = time_left_ = kOneMinute;
  game_on_ = clock_started_ = false;
}

void WarmupGame::choose_mode(Mode mode) {
  mode_ = mode;
  hit_count_ = 0;
  stop_game();
  time_left_ = time_set_;
}

void WarmupGame::choose_time(int minutes) {
  if (minutes < 1 || minutes > 5) throw std::invalid_argument("game length out of range");
  time_set_ = time_left_ = minutes * 60;
  hit_count_ = 0;
  stop_game();
}

void WarmupGame::start() {
  hit_count_ = 0;
  game_on_ = true;
  clock_started_ = false;
  time_left_ = time_set_;
  timer_on_ = false;
}

void WarmupGame::pause() { timer_on_ = false; }

void WarmupGame::draw_rabbit() { rabbit_hole_ = random_(kHoleCount); }

void WarmupGame::draw_digits() {
  target_digits_.clear();
  for (int i = 0; i < kDigitCount; ++i)
    target_digits_ += static_cast<char>('0' + (game_on_ ? random_(10) : 0));
}

WarmupGame::KeyResult WarmupGame::key(char32_t key) {
  KeyResult result;
  if (!game_on_) return result;
  if (!clock_started_) {
    clock_started_ = true;
    timer_on_ = true;
  }
  if (mode_ == Mode::Fun) {
    int hole = hole_of_key(key);
    if (hole >= 0 && hole == rabbit_hole_) {
      ++hit_count_;
      result.hit = true;
    }
  } else {
    result.keypad_button = keypad_button_of(key);
  }
  return result;
}

// The box only takes typing during a game; a countdown without a game would end it twice.
void WarmupGame::typed() {
  if (game_on_) timer_on_ = true;
}

bool WarmupGame::judge(std::string_view entry) {
  bool hit = matches(entry);
  if (hit) ++hit_count_;
  return hit;
}

bool WarmupGame::tick() {
  if (time_left_ > 0) {
    --time_left_;
    return false;
  }
  stop_game();
  return true;
}

}  // namespace tavrel::warmup
