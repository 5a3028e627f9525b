// Writing the learning history as CSV; fields that need it are quoted as RFC 4180 says.
#include "history_view/csv_export.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "history_view/charts.h"

namespace tavrel::history {
namespace {

// 个数: items answered, characters typed or hits; 错误: wrong answers or wrong characters.
constexpr std::array<const char*, 12> kHeader = {"时间", "类别", "项目",          "级别",
                                                 "结束", "秒数", "速度（字/分）", "正确率（%）",
                                                 "个数", "错误", "提示",          "击键"};
using Fields = std::array<std::string, kHeader.size()>;

std::string quoted(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string q = "\"";
  for (char c : field) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

struct Line {
  std::string at;
  int table;
  std::int64_t id;
  Fields fields;
};

std::string n(int value) { return std::to_string(value); }

}  // namespace

std::string history_csv(const History& h) {
  std::vector<Line> lines;
  for (const DrillRun& r : h.drills) {
    const double right = drill_accuracy(r);
    lines.push_back(
        {r.at,
         1,
         r.id,
         {r.at, "字词训练", subject_name(r.kind), r.level, r.completed ? "完成" : "时间到",
          n(r.seconds), n(r.speed), right >= 0 ? n(int(right + 0.5)) : "", n(r.items), n(r.errors),
          n(r.hints), ""}});
  }
  for (const ArticleTest& t : h.articles) {
    lines.push_back({t.at,
                     2,
                     t.id,
                     {t.at, "文章测试", t.article, "", "", n(t.seconds), n(t.speed), n(t.rate),
                      n(t.typed), n(t.wrong), "", n(t.keystrokes)}});
  }
  for (const WarmupGame& g : h.games) {
    lines.push_back({g.at,
                     3,
                     g.id,
                     {g.at, "热身游戏", mode_name(g.mode), "", "", n(g.seconds), "", "", n(g.score),
                      "", "", ""}});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
    return std::tie(a.at, a.table, a.id) < std::tie(b.at, b.table, b.id);
  });
  auto join = [](const auto& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i > 0 ? "," : "") + quoted(fields[i]);
    return line + "\r\n";
  };
  std::string csv = join(std::vector<std::string>(kHeader.begin(), kHeader.end()));
  for (const Line& l : lines) csv += join(l.fields);
  return csv;
}

}  // namespace tavrel::history
