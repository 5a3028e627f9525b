// The rules of a drill run: the level clock, the speed, and the walk of the answer box.
#pragma once

namespace tavrel::drills {

constexpr int kGaugeFull = 100;

// What one tick of the level clock asks the window to do.
struct LevelTick {
  bool first_full = false;  // Gauge1 is full and Gauge2 still empty: the encouragement cue
  bool encourage = false;   // "加油啊！" while Gauge2 fills
  bool half_way = false;    // Gauge1 stands exactly at 50
  bool time_up = false;     // Gauge2 stands at 100: the level's time is used up
  bool stop = false;        // both gauges were already full
};

// Advances the two gauges by `step` (Gauge1 first, then Gauge2), clamped at 100.
LevelTick level_tick(int& gauge1, int& gauge2, int step);

// Characters per minute, rounded to the nearest with halves to even; `seconds` > 0.
int chars_per_minute(long long chars, long long seconds);

enum class Vehicle { kBike, kCar, kPlane };
Vehicle vehicle_for(int speed);

// Where the answer box stands and which cell is current.
struct BoxPlace {
  int left, top;
  int column;  // column of the box within its row
  int cell;    // offset of the current cell from the first cell of the board
};

// The place after a right answer: pictures (the hint box; rows of 10), characters (rows of
// 17; the box of the 17th cell stays under the 16th), words (rows of 5) and the
// multi-character words (columns 0 and 3 of each row).
BoxPlace next_picture_place(BoxPlace at);
BoxPlace next_character_place(BoxPlace at);
BoxPlace next_word_place(BoxPlace at);
BoxPlace next_long_word_place(BoxPlace at);

}  // namespace tavrel::drills
