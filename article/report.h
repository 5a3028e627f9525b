// The values of the test report: time, counts, correct rate and speed.
#pragma once

#include <string>

namespace tavrel::article {

struct ReportValues {
  std::string time;  // "2分30秒", "15分钟"
  int total = 0;     // characters typed
  int wrong = 0;
  int right = 0;
  int rate = 0;   // percent, cut to an integer
  int speed = 0;  // correct characters per minute
};

// The report's way of writing a time: "2分30秒", or "15分钟" for whole minutes.
std::string time_text(int minutes, int seconds);

// Keystrokes per second of a test ("击键") and keystrokes per character typed ("码长"), in
// hundredths rounded to the nearest with halves to even; 0 without time or characters.
struct KeystrokeFigures {
  int per_second = 0;
  int per_char = 0;
};
KeystrokeFigures keystroke_figures(int keystrokes, int typed, int seconds);
// Hundredths as a decimal with two places: 325 is "3.25".
std::string hundredths_text(int hundredths);

// From the counters t and w and the elapsed time m:s. A test shorter than a second has speed 0.
ReportValues report_values(int typed, int wrong, int minutes, int seconds);

// The elapsed minutes and seconds of a clock text "m:ss"; zero for parts that are not numbers.
void parse_clock(const std::string& text, int& minutes, int& seconds);

}  // namespace tavrel::article
