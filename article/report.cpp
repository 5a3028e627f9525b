// Computing the test report's values.
#include "article/report.h"

#include <algorithm>
#include <charconv>

#include "common/rounding.h"

namespace tavrel::article {

std::string time_text(int minutes, int seconds) {
  return seconds == 0 ? std::to_string(minutes) + "分钟"
                      : std::to_string(minutes) + "分" + std::to_string(seconds) + "秒";
}

KeystrokeFigures keystroke_figures(int keystrokes, int typed, int seconds) {
  KeystrokeFigures f;
  const std::int64_t hundred_keys = static_cast<std::int64_t>(keystrokes) * 100;
  if (seconds > 0) f.per_second = static_cast<int>(round_half_even(hundred_keys, seconds));
  if (typed > 0) f.per_char = static_cast<int>(round_half_even(hundred_keys, typed));
  return f;
}

std::string hundredths_text(int hundredths) {
  const std::string cents = std::to_string(hundredths % 100);
  return std::to_string(hundredths / 100) + "." + (cents.size() < 2 ? "0" : "") + cents;
}

ReportValues report_values(int typed, int wrong, int minutes, int seconds) {
  ReportValues v;
  v.time = time_text(minutes, seconds);
  // Counters read from labels are never trusted to be consistent: nothing shows below zero.
  typed = std::max(typed, 0);
  wrong = std::clamp(wrong, 0, typed);
  v.total = typed;
  v.wrong = wrong;
  v.right = typed - wrong;
  v.rate = typed == 0 ? 0 : static_cast<int>(static_cast<long long>(v.right) * 100 / typed);
  const long long duration = static_cast<long long>(minutes) * 60 + seconds;
  if (duration > 0) {
    v.speed = static_cast<int>(round_half_even(static_cast<std::int64_t>(v.right) * 60, duration));
  }
  return v;
}

void parse_clock(const std::string& text, int& minutes, int& seconds) {
  minutes = seconds = 0;
  const auto colon = text.find(':');
  const std::string m = text.substr(0, colon);
  std::from_chars(m.data(), m.data() + m.size(), minutes);
  if (colon != std::string::npos) {
    const std::string s = text.substr(colon + 1);
    std::from_chars(s.data(), s.data() + s.size(), seconds);
  }
}

}  // namespace tavrel::article
