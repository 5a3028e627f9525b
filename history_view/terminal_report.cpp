// Writing the charts' figures as aligned text lines.
#include "history_view/terminal_report.h"

#include <algorithm>
#include <cstdio>

namespace tavrel::history {
namespace {

std::string fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Speeds show their record; for accuracy the lowest of the period tells more.
void add_series(std::string& out, const char* heading, const std::vector<Series>& all,
                bool with_record) {
  out += heading;
  out += "\n";
  if (all.empty()) out += "  （无）\n";
  for (const Series& s : all) {
    double sum = 0, lowest = s.points.empty() ? 0 : s.points.front().value;
    for (const Point& p : s.points) {
      sum += p.value;
      lowest = std::min(lowest, p.value);
    }
    const double mean = s.points.empty() ? 0 : sum / static_cast<double>(s.points.size());
    const double latest = s.points.empty() ? 0 : s.points.back().value;
    const std::string bound =
        with_record ? "\t最高 " + fixed(s.record, 0) : "\t最低 " + fixed(lowest, 0);
    out += "  " + s.name + "\t" + std::to_string(s.points.size()) + "次\t最近 " + fixed(latest, 0) +
           s.unit + bound + s.unit + "\t平均 " + fixed(mean, 1) + s.unit + "\n";
  }
}

}  // namespace

std::string terminal_report(const Charts& charts) {
  std::string out = "记录：" + std::to_string(charts.entries) + "条\n";
  add_series(out, "速度", charts.speed, true);
  add_series(out, "正确率", charts.accuracy, false);
  out += "每天练习分钟\n";
  if (charts.minutes.empty()) out += "  （无）\n";
  for (const DayMinutes& d : charts.minutes)
    out += "  " + d.date + "\t" + fixed(d.minutes, 1) + "\n";
  out += "最近的记录\n";
  for (const EntryRow& r : charts.latest) {
    out += "  " + r.at + "\t" + r.subject + "\t" + r.result + "\t" + r.accuracy + "\t" +
           r.duration + "\t" + r.note + "\n";
  }
  return out;
}

}  // namespace tavrel::history
