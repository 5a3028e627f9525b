// What the learning history window and the terminal show: series, days and latest entries.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/history_entries.h"

namespace tavrel::history {

// The subject a view is cut to: all of them, one drill kind (0-11), article tests, warm-up games.
inline constexpr int kAllSubjects = -1;
inline constexpr int kArticleSubject = 12;
inline constexpr int kWarmupSubject = 13;

struct Filter {
  int subject = kAllSubjects;
  std::string since;  // the first day shown, "YYYY-MM-DD"; empty for the whole history
};

struct Point {
  std::string at;
  double value = 0;
  std::string level;  // drill runs: the level of the run
};

struct Series {
  std::string name;
  std::string unit;
  std::vector<Point> points;  // in time order
  double record = 0;          // the best value in the whole history, whatever the period
};

struct DayMinutes {
  std::string date;  // "YYYY-MM-DD"
  double minutes = 0;
};

struct EntryRow {
  std::string at, subject, result, accuracy, duration, note;
};

struct Charts {
  std::vector<Series> speed;  // drill kinds and article tests in 字/分, warm-up modes in 个/分
  std::vector<Series> accuracy;     // percent right
  std::vector<DayMinutes> minutes;  // days with practice, in date order
  std::vector<EntryRow> latest;     // newest first
  std::size_t entries = 0;          // entries in the filter
};

Charts build_charts(const History& history, const Filter& filter, std::size_t latest_rows);

// The subject's name as the chooser and the charts show it.
std::string subject_name(int subject);
const char* mode_name(const std::string& mode);  // 古典式, 趣味式
// "2分30秒", "15分钟", as the article report writes a time.
std::string duration_text(int seconds);
// Percent right of a drill run: answers right over all answers; -1 when nothing was answered.
double drill_accuracy(const DrillRun& run);

}  // namespace tavrel::history
