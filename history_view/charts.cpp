// Building the learning history's series, daily minutes and table rows from the stored entries.
#include "history_view/charts.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "article/report.h"
#include "drills/drill_kinds.h"

namespace tavrel::history {
namespace {

bool in_period(const std::string& at, const Filter& filter) { return at >= filter.since; }

bool shows(int subject, const Filter& filter) {
  return filter.subject == kAllSubjects || filter.subject == subject;
}

std::string percent(double value) { return std::to_string(static_cast<int>(value + 0.5)) + "%"; }

// Collects one series per key in first-seen order of keys.
class SeriesSet {
 public:
  Series& of(const std::string& name, const std::string& unit) {
    for (Series& s : series_)
      if (s.name == name) return s;
    series_.push_back({name, unit, {}, 0});
    return series_.back();
  }
  std::vector<Series> take() { return std::move(series_); }

 private:
  std::vector<Series> series_;
};

struct Row {
  EntryRow row;
  int table;  // with the id, keeps entries of the same second in the order they were written
  std::int64_t id;
};

void add_drill_kind(const History& h, const Filter& f, int kind, double best, SeriesSet& speed,
                    SeriesSet& accuracy, std::map<std::string, double>& days,
                    std::vector<Row>& rows) {
  for (const DrillRun& r : h.drills) {
    if (r.kind != kind || !in_period(r.at, f)) continue;
    const std::string name = subject_name(r.kind);
    Series& s = speed.of(name, "字/分");
    s.points.push_back({r.at, double(r.speed), r.level});
    s.record = best;
    const double right = drill_accuracy(r);
    if (right >= 0) accuracy.of(name, "%").points.push_back({r.at, right, r.level});
    days[r.at.substr(0, 10)] += r.seconds / 60.0;
    const std::string note = std::string(r.completed ? "完成" : "时间到") + " " +
                             std::to_string(r.items) + "项，错" + std::to_string(r.errors) +
                             "次，提示" + std::to_string(r.hints) + "次，" + r.level;
    rows.push_back({{r.at, name, std::to_string(r.speed) + "字/分",
                     right >= 0 ? percent(right) : "", duration_text(r.seconds), note},
                    1,
                    r.id});
  }
}

void add_drills(const History& h, const Filter& f, SeriesSet& speed, SeriesSet& accuracy,
                std::map<std::string, double>& days, std::vector<Row>& rows) {
  std::map<int, double> best;
  for (const DrillRun& r : h.drills) best[r.kind] = std::max(best[r.kind], double(r.speed));
  for (int kind = 0; kind < drills::kKindCount; ++kind) {
    if (shows(kind, f)) add_drill_kind(h, f, kind, best[kind], speed, accuracy, days, rows);
  }
}

void add_articles(const History& h, const Filter& f, SeriesSet& speed, SeriesSet& accuracy,
                  std::map<std::string, double>& days, std::vector<Row>& rows) {
  if (!shows(kArticleSubject, f)) return;
  double best = 0;
  for (const ArticleTest& t : h.articles) best = std::max(best, double(t.speed));
  const std::string name = subject_name(kArticleSubject);
  for (const ArticleTest& t : h.articles) {
    if (!in_period(t.at, f)) continue;
    Series& s = speed.of(name, "字/分");
    s.points.push_back({t.at, double(t.speed), ""});
    s.record = best;
    accuracy.of(name, "%").points.push_back({t.at, double(t.rate), ""});
    days[t.at.substr(0, 10)] += t.seconds / 60.0;
    const auto keys = article::keystroke_figures(t.keystrokes, t.typed, t.seconds);
    const std::string note = t.article + "，输入" + std::to_string(t.typed) + "字，错" +
                             std::to_string(t.wrong) + "字，击键" +
                             article::hundredths_text(keys.per_second) + "，码长" +
                             article::hundredths_text(keys.per_char);
    rows.push_back({{t.at, name, std::to_string(t.speed) + "字/分", percent(t.rate),
                     duration_text(t.seconds), note},
                    2,
                    t.id});
  }
}

void add_games(const History& h, const Filter& f, SeriesSet& speed,
               std::map<std::string, double>& days, std::vector<Row>& rows) {
  if (!shows(kWarmupSubject, f)) return;
  std::map<std::string, double> best;
  auto per_minute = [](const WarmupGame& g) {
    return g.seconds > 0 ? g.score * 60.0 / g.seconds : 0.0;
  };
  for (const WarmupGame& g : h.games) best[g.mode] = std::max(best[g.mode], per_minute(g));
  for (const WarmupGame& g : h.games) {
    if (!in_period(g.at, f)) continue;
    const std::string name = subject_name(kWarmupSubject) + "（" + mode_name(g.mode) + "）";
    // Beside the drills the hits per minute would read as a typing speed; shown on their own.
    if (f.subject == kWarmupSubject) {
      Series& s = speed.of(name, "个/分");
      s.points.push_back({g.at, per_minute(g), ""});
      s.record = best[g.mode];
    }
    days[g.at.substr(0, 10)] += g.seconds / 60.0;
    rows.push_back(
        {{g.at, name, std::to_string(g.score) + "个", "", duration_text(g.seconds), ""}, 3, g.id});
  }
}

}  // namespace

std::string subject_name(int subject) {
  if (subject == kAllSubjects) return "全部";
  if (subject == kArticleSubject) return "文章测试";
  if (subject == kWarmupSubject) return "热身游戏";
  return drills::drill_kind(subject).title_on_choosing;
}

const char* mode_name(const std::string& mode) { return mode == kFunMode ? "趣味式" : "古典式"; }

std::string duration_text(int seconds) { return article::time_text(seconds / 60, seconds % 60); }

double drill_accuracy(const DrillRun& run) {
  const int answers = run.items + run.errors;
  return answers > 0 ? run.items * 100.0 / answers : -1;
}

Charts build_charts(const History& history, const Filter& filter, std::size_t latest_rows) {
  SeriesSet speed, accuracy;
  std::map<std::string, double> days;
  std::vector<Row> rows;
  add_drills(history, filter, speed, accuracy, days, rows);
  add_articles(history, filter, speed, accuracy, days, rows);
  add_games(history, filter, speed, days, rows);

  Charts charts;
  charts.speed = speed.take();
  charts.accuracy = accuracy.take();
  for (const auto& [date, minutes] : days) charts.minutes.push_back({date, minutes});
  charts.entries = rows.size();
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
    return std::tie(a.row.at, a.table, a.id) > std::tie(b.row.at, b.table, b.id);
  });
  if (rows.size() > latest_rows) rows.resize(latest_rows);
  for (Row& r : rows) charts.latest.push_back(std::move(r.row));
  return charts;
}

}  // namespace tavrel::history
