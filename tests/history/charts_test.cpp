// The series, days and rows built from a known history, the filters, the CSV and the text.
#include "history_view/charts.h"

#include <gtest/gtest.h>

#include "history_view/csv_export.h"
#include "history_view/terminal_report.h"

namespace tavrel::history {
namespace {

// Three days of practice: two drill kinds, two article tests, two warm-up games.
History known_history() {
  History h;
  h.drills = {
      {1, "2026-01-03 09:00:00", 3, "初级能手", 119, 40, 21, 2, 180, true},
      {2, "2026-01-04 09:00:00", 7, "中级能手", 30, 25, 0, 0, 60, false},
      {3, "2026-01-05 09:00:00", 3, "中级能手", 119, 52, 0, 1, 120, true},
      {4, "2026-01-05 09:10:00", 3, "初级能手", 0, 0, 0, 0, 15, false},
  };
  h.articles = {
      {1, "2026-01-03 10:00:00", "test.tvm", 150, 120, 6, 46, 95, 390},
      {2, "2026-01-05 10:00:00", "春天, \"二\".tvm", 90, 60, 0, 40, 100, 150},
  };
  h.games = {
      {1, "2026-01-04 20:00:00", kFunMode, 60, 30},
      {2, "2026-01-05 10:00:00", kClassicMode, 120, 12},
  };
  return h;
}

std::vector<double> values(const Series& s) {
  std::vector<double> v;
  for (const Point& p : s.points) v.push_back(p.value);
  return v;
}

TEST(Charts, AllSubjectsGiveOneSpeedLinePerDrillKindInKindOrderThenTheArticle) {
  const Charts c = build_charts(known_history(), {}, 100);
  ASSERT_EQ(c.speed.size(), 3u);
  EXPECT_EQ(c.speed[0].name, "全码字编码训练");
  EXPECT_EQ(values(c.speed[0]), (std::vector<double>{40, 52, 0}));
  EXPECT_EQ(c.speed[0].points[1].level, "中级能手");
  EXPECT_EQ(c.speed[0].record, 52);
  EXPECT_EQ(c.speed[1].name, "二字词训练");
  EXPECT_EQ(c.speed[2].name, "文章测试");
  EXPECT_EQ(values(c.speed[2]), (std::vector<double>{46, 40}));
  EXPECT_EQ(c.speed[2].unit, "字/分");
  EXPECT_EQ(c.entries, 8u) << "warm-up games count in the table, not in the speed chart";
}

TEST(Charts, AccuracyIsRightAnswersOverAllAnswersAndSkipsRunsWithoutAnswers) {
  const Charts c = build_charts(known_history(), {}, 100);
  ASSERT_EQ(c.accuracy.size(), 3u);
  EXPECT_EQ(values(c.accuracy[0]), (std::vector<double>{119 * 100.0 / 140, 100}));
  EXPECT_EQ(values(c.accuracy[2]), (std::vector<double>{95, 100}));
}

TEST(Charts, MinutesPerDayAddEveryActivityOfTheDay) {
  const Charts c = build_charts(known_history(), {}, 100);
  ASSERT_EQ(c.minutes.size(), 3u);
  EXPECT_EQ(c.minutes[0].date, "2026-01-03");
  EXPECT_DOUBLE_EQ(c.minutes[0].minutes, 3 + 2.5);
  EXPECT_DOUBLE_EQ(c.minutes[1].minutes, 1 + 1);
  EXPECT_DOUBLE_EQ(c.minutes[2].minutes, 2 + 0.25 + 1.5 + 2);
}

TEST(Charts, TheLatestEntriesComeNewestFirstAndAreCut) {
  const Charts c = build_charts(known_history(), {}, 3);
  ASSERT_EQ(c.latest.size(), 3u);
  EXPECT_EQ(c.latest[0].at, "2026-01-05 10:00:00");
  EXPECT_EQ(c.latest[0].subject, "热身游戏（古典式）")
      << "written after the article at that second";
  EXPECT_EQ(c.latest[0].result, "12个");
  EXPECT_EQ(c.latest[0].duration, "2分钟");
  EXPECT_EQ(c.latest[1].subject, "文章测试");
  EXPECT_EQ(c.latest[1].note, "春天, \"二\".tvm，输入60字，错0字，击键1.67，码长2.50");
  EXPECT_EQ(c.latest[2].at, "2026-01-05 09:10:00");
  EXPECT_EQ(c.latest[2].accuracy, "");
  EXPECT_EQ(c.latest[2].note, "时间到 0项，错0次，提示0次，初级能手");
}

TEST(Charts, ADrillKindFiltersEveryViewButKeepsItsRecordFromTheWholeHistory) {
  Filter f{3, "2026-01-04"};
  const Charts c = build_charts(known_history(), f, 100);
  ASSERT_EQ(c.speed.size(), 1u);
  EXPECT_EQ(values(c.speed[0]), (std::vector<double>{52, 0}));
  EXPECT_EQ(c.speed[0].record, 52);
  ASSERT_EQ(c.minutes.size(), 1u);
  EXPECT_DOUBLE_EQ(c.minutes[0].minutes, 2.25);
  EXPECT_EQ(c.entries, 2u);
  EXPECT_EQ(c.latest.size(), 2u);

  f.subject = 11;  // a kind never practised
  const Charts none = build_charts(known_history(), f, 100);
  EXPECT_TRUE(none.speed.empty());
  EXPECT_TRUE(none.minutes.empty());
  EXPECT_TRUE(none.latest.empty());
}

TEST(Charts, WarmUpGamesShowHitsPerMinuteOnTheirOwn) {
  const Charts c = build_charts(known_history(), {kWarmupSubject, ""}, 100);
  ASSERT_EQ(c.speed.size(), 2u);
  EXPECT_EQ(c.speed[0].name, "热身游戏（趣味式）");
  EXPECT_EQ(c.speed[0].unit, "个/分");
  EXPECT_EQ(values(c.speed[0]), (std::vector<double>{30}));
  EXPECT_EQ(values(c.speed[1]), (std::vector<double>{6}));
  EXPECT_TRUE(c.accuracy.empty());
  EXPECT_EQ(c.entries, 2u);
}

TEST(Charts, ThePeriodStartsAtTheFirstDayShown) {
  const Charts c = build_charts(known_history(), {kArticleSubject, "2026-01-05"}, 100);
  ASSERT_EQ(c.speed.size(), 1u);
  EXPECT_EQ(values(c.speed[0]), (std::vector<double>{40}));
  EXPECT_EQ(c.speed[0].record, 46);
}

TEST(HistoryCsv, HasAHeaderAndOneQuotedLinePerEntryInTimeOrder) {
  const std::string csv = history_csv(known_history());
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < csv.size();) {
    const std::size_t end = csv.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
    lines.push_back(csv.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0],
            "时间,类别,项目,级别,结束,秒数,速度（字/分）,正确率（%）,个数,错误,提示,击键");
  EXPECT_EQ(lines[1],
            "2026-01-03 09:00:00,字词训练,全码字编码训练,初级能手,完成,180,40,85,119,21,2,");
  EXPECT_EQ(lines[2], "2026-01-03 10:00:00,文章测试,test.tvm,,,150,46,95,120,6,,390");
  EXPECT_EQ(lines[4], "2026-01-04 20:00:00,热身游戏,趣味式,,,60,,,30,,,");
  EXPECT_EQ(lines[7],
            "2026-01-05 10:00:00,文章测试,\"春天, \"\"二\"\".tvm\",,,90,40,100,60,0,,150");
  EXPECT_EQ(lines[8].substr(0, 42), "2026-01-05 10:00:00,热身游戏,古典式");
}

TEST(TerminalReport, PrintsTheSeriesFiguresTheDaysAndTheRows) {
  const std::string text = terminal_report(build_charts(known_history(), {3, ""}, 100));
  EXPECT_NE(text.find("记录：3条\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  全码字编码训练\t3次\t最近 0字/分\t最高 52字/分\t平均 30.7字/分\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  全码字编码训练\t2次\t最近 100%\t最低 85%\t平均 92.5%\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  2026-01-05\t2.2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  2026-01-03 09:00:00\t全码字编码训练\t40字/分\t85%\t3分钟\t"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace tavrel::history
