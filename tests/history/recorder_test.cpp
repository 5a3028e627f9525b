// The recorder: entries stamped with the clock, nothing without a file, failures told once.
#include "history/recorder.h"

#include <gtest/gtest.h>

#include "history_file.h"
#include "platform/scripted_platform.h"
#include "temp_dir.h"

namespace tavrel::history {
namespace {

using testing::ScopedHistoryFile;
using testing::TempDir;

TEST(Recorder, WritesEachEntryWithThePlatformsDateAndTime) {
  TempDir dir;
  ScopedScriptedPlatform platform;
  ScopedHistoryFile history(dir.path() / "files" / "history.db");
  platform->now_ = QDateTime(QDate(2026, 3, 4), QTime(7, 8, 9));
  const auto id = record(DrillRun{0, "", 5, "高级能手", 119, 80, 0, 0, 90, false});
  EXPECT_GT(id, 0);
  platform->now_ = platform->now_.addSecs(30);
  EXPECT_EQ(record_again(id, DrillRun{0, "", 5, "高级能手", 119, 85, 1, 0, 84, true}), id);
  record(WarmupGame{0, "", kClassicMode, 120, 7});
  const History h = history.load();
  ASSERT_EQ(h.drills.size(), 1u);
  EXPECT_EQ(h.drills[0].at, "2026-03-04 07:08:39");
  EXPECT_TRUE(h.drills[0].completed);
  EXPECT_EQ(h.drills[0].speed, 85);
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].at, "2026-03-04 07:08:39");
  EXPECT_TRUE(platform->messages.empty());
}

TEST(Recorder, WithoutAFileNothingIsWrittenOrSaid) {
  TempDir dir;
  ScopedScriptedPlatform platform;
  set_history_file(std::nullopt);
  EXPECT_EQ(record(ArticleTest{}), 0);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_TRUE(platform->messages.empty());
}

TEST(Recorder, ADamagedFileIsToldOnceInChineseAndKeptAsItWas) {
  TempDir dir;
  ScopedScriptedPlatform platform;
  const std::string garbage(2048, '#');
  ScopedHistoryFile history(dir.write("files/history.db", garbage));
  EXPECT_EQ(record(DrillRun{}), 0);
  EXPECT_EQ(record(ArticleTest{}), 0);
  EXPECT_EQ(record(WarmupGame{}), 0);
  ASSERT_EQ(platform->messages.size(), 1u);
  EXPECT_EQ(platform->messages[0].caption, QStringLiteral("学习记录"));
  EXPECT_TRUE(platform->messages[0].text.contains(QStringLiteral("已损坏")));
  EXPECT_TRUE(platform->messages[0].text.contains(QStringLiteral("练习照常进行")));
  EXPECT_EQ(dir.read("files/history.db"), garbage);
  // A new file (the next program run) may tell its own trouble again.
  set_history_file(dir.path() / "files" / "history.db");
  record(WarmupGame{});
  EXPECT_EQ(platform->messages.size(), 2u);
}

}  // namespace
}  // namespace tavrel::history
