// The learning history of drill runs: one row per completed or timed-out run, with its counts.
#include "drill_fixture.h"
#include "history_file.h"

namespace tavrel::drills::testing {
namespace {

class DrillHistory : public DrillWindows {
 protected:
  void SetUp() override {
    DrillWindows::SetUp();
    // A record nobody beats: the runs end without the name window.
    std::string records = dir_.read("files/phb.txt");
    records.replace(11 * 15, 15, "abc       99999");
    dir_.write("files/phb.txt", records);
  }
  void ticks(int speed_clock, int level_clock = 0) {
    for (int i = 0; i < speed_clock; ++i) Form1->Timer3Timer();
    for (int i = 0; i < level_clock; ++i) Form1->Timer1Timer();
  }
  QLineEdit* box() const { return Form1->Editinput2; }

  ::tavrel::testing::ScopedHistoryFile history_{dir_.path() / "files" / "history.db"};
};

TEST_F(DrillHistory, ACompletedRunIsOneRowWithItsErrorsHintsAndTime) {
  start(Form1->SpeedButton2);  // 多字词: 18 items of 5 characters
  type(box(), "9/");           // wrong
  type(box(), "FF*");          // help asked twice for the same item, then its code submitted
  ticks(30);
  while (Form1->ItemsLeft > 1) answer_right(box());
  EXPECT_TRUE(history_.load().drills.empty()) << "nothing before the run ends";
  answer_right(box());
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("太棒了！"));

  const history::History h = history_.load();
  ASSERT_EQ(h.drills.size(), 1u);
  const history::DrillRun& run = h.drills[0];
  EXPECT_EQ(run.kind, 11);
  EXPECT_EQ(run.level, "初级能手");
  EXPECT_EQ(run.items, 18);
  EXPECT_EQ(run.errors, 1);
  EXPECT_EQ(run.hints, 1);
  EXPECT_EQ(run.seconds, 30);
  EXPECT_EQ(run.speed, 180) << "90 characters in 30 seconds";
  EXPECT_TRUE(run.completed);
  EXPECT_EQ(run.at, "2026-01-05 09:30:00");
  EXPECT_TRUE(platform_->messages.empty());
}

TEST_F(DrillHistory, ATimedOutRunIsKeptAndRewrittenWhenItEndsAfterContinuing) {
  Form1->LevelStep = 10;
  Form1->LevelName = QStringLiteral("超级高手");
  start(Form1->SpeedButton2);
  for (int i = 0; i < 6; ++i) answer_right(box());
  ticks(24, 20);
  ASSERT_EQ(Form1->SBtnStart->text(), QStringLiteral("继续"));
  history::History h = history_.load();
  ASSERT_EQ(h.drills.size(), 1u);
  EXPECT_FALSE(h.drills[0].completed);
  EXPECT_EQ(h.drills[0].items, 6);
  EXPECT_EQ(h.drills[0].speed, 75) << "30 characters in 24 seconds";
  EXPECT_EQ(h.drills[0].level, "超级高手");

  Form1->SBtnStartClick();  // 继续
  ticks(6);
  while (Form1->SBtnStart->isEnabled() == false) answer_right(box());
  h = history_.load();
  ASSERT_EQ(h.drills.size(), 1u) << "one run, one row";
  EXPECT_TRUE(h.drills[0].completed);
  EXPECT_EQ(h.drills[0].items, 18);
  EXPECT_EQ(h.drills[0].seconds, 30);
}

TEST_F(DrillHistory, AnAbandonedRunLeavesNoRowAndEachRunHasItsOwn) {
  start(Form1->SpeedButton2);
  answer_right(box());
  Form1->SpeedButton4->click();  // another kind: the run is abandoned
  EXPECT_TRUE(history_.load().drills.empty());
  for (int run = 0; run < 2; ++run) {
    start(Form1->SpeedButton2);
    if (run == 0) type(box(), "9/");
    ticks(10);
    while (Form1->SBtnStart->isEnabled() == false) answer_right(box());
  }
  const history::History h = history_.load();
  ASSERT_EQ(h.drills.size(), 2u);
  EXPECT_NE(h.drills[0].id, h.drills[1].id);
  EXPECT_EQ(h.drills[0].errors, 1);
  EXPECT_EQ(h.drills[1].errors, 0) << "the counts start again with each run";
}

TEST_F(DrillHistory, ADamagedHistoryIsToldOnceAndTheRunsAndRecordsGoOn) {
  music_on();
  dir_.write("files/history.db", std::string(5000, '\x7f'));
  for (int run = 0; run < 2; ++run) {
    start(Form1->SpeedButton2);
    while (Form1->SBtnStart->isEnabled() == false) answer_right(box());
    EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("太棒了！"));
  }
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("已损坏")));
  EXPECT_EQ(count_in_log("open win.wav"), 2) << "the record check ran after both runs";
  EXPECT_EQ(dir_.read("files/history.db"), std::string(5000, '\x7f'));
}

}  // namespace
}  // namespace tavrel::drills::testing
