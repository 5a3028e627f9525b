// The three kinds of entry the learning history keeps: drill runs, article tests, warm-up games.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel::history {

// Times are local, "YYYY-MM-DD HH:MM:SS", so that text order is time order. Texts are UTF-8.

// A drill run that was completed or ran out of time.
struct DrillRun {
  std::int64_t id = 0;
  std::string at;
  int kind = 0;       // drill kind 0-11
  std::string level;  // the level chosen for the run, e.g. "初级能手"
  int items = 0;      // items answered
  int speed = 0;      // characters per minute
  int errors = 0;     // wrong answers
  int hints = 0;      // items the learner asked help for
  int seconds = 0;
  bool completed = false;  // false: the time ran out before the last item
};

// An article test that reached its report.
struct ArticleTest {
  std::int64_t id = 0;
  std::string at;
  std::string article;  // the practice file's name
  int seconds = 0;
  int typed = 0;
  int wrong = 0;
  int speed = 0;  // correct characters per minute
  int rate = 0;   // percent correct
  int keystrokes = 0;
};

inline constexpr const char* kClassicMode = "classic";
inline constexpr const char* kFunMode = "fun";

// A warm-up game whose countdown ran out.
struct WarmupGame {
  std::int64_t id = 0;
  std::string at;
  std::string mode;  // kClassicMode or kFunMode
  int seconds = 0;   // the game's length
  int score = 0;     // hits
};

// Everything kept, each list in time order (oldest first).
struct History {
  std::vector<DrillRun> drills;
  std::vector<ArticleTest> articles;
  std::vector<WarmupGame> games;
};

}  // namespace tavrel::history
