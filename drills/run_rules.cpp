// Level clock, speed and the walk of the answer box across a board.
#include "drills/run_rules.h"

#include <algorithm>

#include "common/rounding.h"

namespace tavrel::drills {

LevelTick level_tick(int& gauge1, int& gauge2, int step) {
  LevelTick tick;
  if (gauge1 >= kGaugeFull) {
    tick.first_full = gauge2 == 0;
    if (gauge2 >= kGaugeFull) {
      tick.stop = true;
    } else {
      tick.encourage = true;
      gauge2 = std::min(kGaugeFull, gauge2 + step);
    }
  } else {
    gauge1 = std::min(kGaugeFull, gauge1 + step);
  }
  tick.half_way = gauge1 == kGaugeFull / 2;
  tick.time_up = gauge2 == kGaugeFull;
  return tick;
}

int chars_per_minute(long long chars, long long seconds) {
  return static_cast<int>(round_half_even(chars * 60, seconds));
}

Vehicle vehicle_for(int speed) {
  if (speed >= 100) return Vehicle::kPlane;
  if (speed >= 30) return Vehicle::kCar;
  return Vehicle::kBike;
}

BoxPlace next_picture_place(BoxPlace at) {
  ++at.cell;
  if (++at.column == 10) {
    at.column = 0;
    at.left = 15;
    at.top += 72;
  } else {
    at.left += 60;
  }
  return at;
}

BoxPlace next_character_place(BoxPlace at) {
  ++at.cell;
  if (++at.column == 17) {
    at.column = 0;
    at.left = 8;
    at.top += 63;
  } else if (at.column != 16) {
    at.left += 37;  // the box of the 17th cell would stick out of the board
  }
  return at;
}

BoxPlace next_word_place(BoxPlace at) {
  ++at.cell;
  if (++at.column == 5) {
    at.column = 0;
    at.left = 2;
    at.top += 49;
  } else {
    at.left += 126;
  }
  return at;
}

BoxPlace next_long_word_place(BoxPlace at) {
  if (++at.column == 2) {
    at.column = 0;
    at.left = 2;
    at.top += 49;
    at.cell += 2;
  } else {
    at.left += 378;
    at.cell += 3;
  }
  return at;
}

}  // namespace tavrel::drills
