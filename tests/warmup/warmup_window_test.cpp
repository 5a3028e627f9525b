// The warm-up window driven as a learner does: keys, ticks of the countdown, menus, faces.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "history_file.h"
#include "platform/scripted_platform.h"
#include "warmup/UHot_sort.h"
#include "warmup/Uhelp.h"
#include "warmup/hot.h"
#include "window_support.h"

namespace tavrel::testing {
namespace {

class WarmupWindow : public ::testing::Test {
 protected:
  WarmupWindow() : here_(dir_.path()) {
    write_warmup_pictures(dir_);
    Fhelp = new TFhelp;
    FHot_Sort = new TFHot_Sort;
    FHot_Sort->ProgramDir = dir_.path().string() + "/";
    FHot = new TFHot;
    FHot->set_picture_dir(dir_.path().string() + "/");
    FHot->show();
    QApplication::processEvents();  // the window's activation on showing
    hot_ = FHot;
  }
  ~WarmupWindow() override {
    delete FHot;
    delete FHot_Sort;
    delete Fhelp;
    FHot = nullptr;
    FHot_Sort = nullptr;
    Fhelp = nullptr;
  }

  std::string score() const {
    return hot_->game().mode() == warmup::Mode::Fun
               ? shown_digits({hot_->s0, hot_->s1, hot_->s2, hot_->s3})
               : shown_digits({hot_->sc0, hot_->sc1, hot_->sc2, hot_->sc3});
  }
  std::string time_shown() const {
    std::string fun = shown_digits({hot_->t1, hot_->t2, hot_->t3});
    EXPECT_EQ(fun, shown_digits({hot_->Tc1, hot_->Tc2, hot_->Tc3})) << "both time displays";
    return fun;
  }
  std::string targets() const {
    return shown_digits({hot_->I1, hot_->I2, hot_->I3, hot_->I4, hot_->I5, hot_->I6});
  }
  QColor face() const {
    return hot_->startclass->icon().pixmap(40, 40).toImage().pixelColor(20, 20);
  }
  void ticks(int count) {
    for (int i = 0; i < count; ++i) hot_->Timer1Timer();
  }
  void queue_random(std::initializer_list<int> values) {
    platform_->random_values.insert(platform_->random_values.end(), values);
  }

  TempDir dir_;
  CurrentDir here_;  // the faces are read against the current directory
  ScopedScriptedPlatform platform_;
  TFHot* hot_ = nullptr;
};

TEST_F(WarmupWindow, IdleClassicPanelShowsSixZerosAndAReadOnlyPrompt) {
  EXPECT_FALSE(hot_->Pclass->isHidden());
  EXPECT_EQ(targets(), "000000");
  EXPECT_EQ(time_shown(), "060");
  EXPECT_EQ(score(), "-000");
  EXPECT_EQ(face(), kStartFace);
  EXPECT_TRUE(hot_->kk->isChecked());
  EXPECT_TRUE(hot_->input->isReadOnly());
  EXPECT_EQ(hot_->input->text(), QStringLiteral("点击“笑脸”开始热身"));

  type_keys(hot_->input, "5");
  hot_->NclassClick();  // choosing the classic mode again while the prompt shows
  type_keys(hot_, "5");
  EXPECT_FALSE(hot_->Timer1->isActive());
  EXPECT_TRUE(hot_->kk->isChecked());
  EXPECT_TRUE(hot_->input->isReadOnly());
  EXPECT_EQ(targets(), "000000");
}

TEST_F(WarmupWindow, OneMinuteFunGameEndsOnThe61stTickAndHandsOverTimeAndScore) {
  hot_->NintereClick();
  EXPECT_TRUE(hot_->Pclass->isHidden());
  queue_random({7});
  hot_->startClick();
  EXPECT_TRUE(hot_->mark->isVisible());
  EXPECT_EQ(hot_->mark->pos(), QPoint(52, 78));
  EXPECT_FALSE(hot_->Timer1->isActive()) << "the countdown waits for the first key";

  for (int hit = 1; hit <= 12; ++hit) {
    queue_random({7});  // the rabbit comes back to the same hole every time
    type_keys(hot_, "7");
  }
  EXPECT_TRUE(hot_->Timer1->isActive());
  EXPECT_EQ(score(), "-012");

  ticks(60);
  EXPECT_EQ(time_shown(), "000");
  EXPECT_TRUE(hot_->game().game_on());
  EXPECT_FALSE(FHot_Sort->isVisible());

  ticks(1);
  EXPECT_FALSE(hot_->game().game_on());
  EXPECT_FALSE(hot_->Timer1->isActive());
  EXPECT_FALSE(hot_->mark->isVisible());
  ASSERT_TRUE(FHot_Sort->isVisible());
  EXPECT_TRUE(FHot_Sort->Memo1->isHidden()) << "entry mode";
  EXPECT_EQ(FHot_Sort->GameTime, "60");
  EXPECT_EQ(FHot_Sort->GameScore, "12");
  EXPECT_EQ(FHot_Sort->LabeledEdit2->text(), QStringLiteral("60秒"));
  EXPECT_EQ(FHot_Sort->LabeledEdit3->text(), QStringLiteral("12个"));

  type_keys(hot_, "7");  // the game is over: keys count no more
  EXPECT_EQ(score(), "-012");
}

TEST_F(WarmupWindow, AnyKeyStartsTheFunCountdownButOnlyTheRabbitsKeyHits) {
  hot_->NintereClick();
  queue_random({3});
  hot_->startClick();
  type_keys(hot_, "a");
  EXPECT_TRUE(hot_->Timer1->isActive()) << "a letter starts the countdown";
  type_keys(hot_, "4+.\r");
  EXPECT_EQ(score(), "-000");

  queue_random({14});
  type_keys(hot_, "3");
  EXPECT_EQ(score(), "-001");
  EXPECT_EQ(hot_->mark->pos(), QPoint(291, 198));
  type_keys(hot_, "\r");
  EXPECT_EQ(score(), "-002");
}

TEST_F(WarmupWindow, ClassicGameCountsExactCopiesAndJudgesFiveDigitsAndDelAsAMiss) {
  queue_random({1, 2, 3, 4, 5, 6});
  hot_->startclassClick();
  EXPECT_EQ(targets(), "123456");
  EXPECT_FALSE(hot_->input->isReadOnly());
  EXPECT_TRUE(hot_->input->text().isEmpty());
  EXPECT_FALSE(hot_->Timer1->isActive());

  queue_random({9, 8, 7, 6, 5, 4});
  type_keys(hot_->input, "123");
  EXPECT_TRUE(hot_->k3->isChecked()) << "the keypad picture shows the key typed";
  EXPECT_TRUE(hot_->Timer1->isActive());
  type_keys(hot_->input, "456");
  EXPECT_EQ(score(), "-001");
  EXPECT_EQ(face(), kLaughFace);
  EXPECT_TRUE(hot_->input->text().isEmpty());
  EXPECT_TRUE(hot_->kk->isChecked());
  EXPECT_EQ(targets(), "987654");

  queue_random({2, 2, 2, 2, 2, 2});
  type_keys(hot_->input, "98765.");
  EXPECT_EQ(face(), kCryFace);
  EXPECT_EQ(score(), "-001");
  EXPECT_EQ(targets(), "222222");
  EXPECT_TRUE(hot_->input->text().isEmpty());
  QApplication::processEvents();  // the two Backspaces find an empty box
  EXPECT_TRUE(hot_->input->text().isEmpty());
  EXPECT_EQ(score(), "-001");
}

TEST_F(WarmupWindow, DelTakesAwayItselfAndTheDigitBeforeIt) {
  hot_->startclassClick();
  type_keys(hot_->input, "12.");
  EXPECT_EQ(hot_->input->text(), QStringLiteral("12."));
  EXPECT_TRUE(hot_->kk->isChecked());
  QApplication::processEvents();
  EXPECT_EQ(hot_->input->text(), QStringLiteral("1"));
  type_keys(hot_->input, "3");
  EXPECT_EQ(hot_->input->text(), QStringLiteral("13"));
}

TEST_F(WarmupWindow, ActivationPausesTheCountdownAndOnlyClassicTypingResumesIt) {
  hot_->startclassClick();
  type_keys(hot_->input, "1");
  ASSERT_TRUE(hot_->Timer1->isActive());
  hot_->FormActivate();
  EXPECT_FALSE(hot_->Timer1->isActive());
  type_keys(hot_->input, "2");
  EXPECT_TRUE(hot_->Timer1->isActive());

  hot_->NintereClick();
  queue_random({5, 5});
  hot_->startClick();
  type_keys(hot_, "1");
  ASSERT_TRUE(hot_->Timer1->isActive());
  hot_->FormActivate();
  type_keys(hot_, "5");
  EXPECT_EQ(score(), "-001") << "keys still count while paused";
  EXPECT_FALSE(hot_->Timer1->isActive());
  hot_->startClick();  // a new game waits for its first key again
  type_keys(hot_, "9");
  EXPECT_TRUE(hot_->Timer1->isActive());
}

TEST_F(WarmupWindow, ChoosingATimeEndsTheGameAndSetsTheLength) {
  queue_random({4, 4, 4, 4, 4, 4});
  hot_->startclassClick();
  type_keys(hot_->input, "44");
  hot_->N11Click(hot_->N13);
  EXPECT_TRUE(hot_->N13->isChecked());
  EXPECT_FALSE(hot_->Timer1->isActive());
  EXPECT_EQ(time_shown(), "180");
  EXPECT_EQ(targets(), "000000");
  EXPECT_TRUE(hot_->input->isReadOnly());
  EXPECT_EQ(hot_->input->text(), QStringLiteral("点击“笑脸”开始热身"));

  hot_->startclassClick();
  type_keys(hot_->input, "0");
  ticks(180);
  EXPECT_FALSE(FHot_Sort->isVisible());
  ticks(1);
  EXPECT_EQ(FHot_Sort->GameTime, "180");

  hot_->hide();
  hot_->show();  // showing the window again brings back one minute
  EXPECT_TRUE(hot_->N11->isChecked());
  EXPECT_EQ(time_shown(), "060");
}

TEST_F(WarmupWindow, FromAThousandHitsTheScoreShowsItsThousands) {
  hot_->NintereClick();
  hot_->startClick();  // with no chance queued, the rabbit always comes up in hole 0
  for (int hit = 0; hit < 999; ++hit) type_keys(hot_, "0");
  EXPECT_EQ(score(), "-999");
  type_keys(hot_, "0");
  EXPECT_EQ(score(), "1000");
  ticks(61);
  EXPECT_EQ(FHot_Sort->GameScore, "1000");
}

TEST_F(WarmupWindow, ActivatingTheWindowAgainDiscardsAnEntryNotYetAdded) {
  hot_->NintereClick();
  hot_->startClick();
  type_keys(hot_, "0");
  ticks(61);
  ASSERT_TRUE(FHot_Sort->isVisible());
  FHot_Sort->LabeledEdit1->setText(QStringLiteral("小明"));
  hot_->FormActivate();
  EXPECT_FALSE(FHot_Sort->isVisible());

  hot_->N2Click();
  EXPECT_FALSE(FHot_Sort->Memo1->isHidden()) << "list mode";
  EXPECT_EQ(FHot_Sort->Memo1->toPlainText(), QStringLiteral("暂无记录！"));
}

TEST_F(WarmupWindow, ComingBackFromTheListClosesItButComingBackFromAnotherProgramDoesNot) {
  hot_->N2Click();
  QApplication::processEvents();
  ASSERT_EQ(QGuiApplication::focusWindow(), FHot_Sort->windowHandle());
  hot_->activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QGuiApplication::focusWindow(), hot_->windowHandle());
  EXPECT_FALSE(FHot_Sort->isVisible());

  hot_->startclassClick();
  type_keys(hot_->input, "1");
  ASSERT_TRUE(hot_->Timer1->isActive());
  emit qGuiApp->focusWindowChanged(nullptr);  // another program had the keyboard
  emit qGuiApp->focusWindowChanged(hot_->windowHandle());
  EXPECT_TRUE(hot_->Timer1->isActive());
}

TEST_F(WarmupWindow, AGameEndingWhileTheListIsOpenTurnsItIntoTheEntry) {
  hot_->NintereClick();
  hot_->startClick();
  type_keys(hot_, "0");
  hot_->N2Click();
  ASSERT_TRUE(FHot_Sort->isVisible());
  ticks(61);
  EXPECT_TRUE(FHot_Sort->Memo1->isHidden());
  EXPECT_TRUE(FHot_Sort->Button1->isVisible());
  EXPECT_EQ(FHot_Sort->LabeledEdit3->text(), QStringLiteral("1个"));
}

TEST_F(WarmupWindow, AMissingFaceIsReportedAndTheBoxIsNotJudged) {
  queue_random({1, 1, 1, 1, 1, 1});
  hot_->startclassClick();
  std::filesystem::remove(dir_.path() / "files" / "facelaugh.bmp");
  type_keys(hot_->input, "111111");
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("facelaugh.bmp")));
  EXPECT_EQ(score(), "-000");
  EXPECT_EQ(hot_->input->text(), QStringLiteral("111111"));
}

TEST_F(WarmupWindow, AFinishedFunGameIsOneRowInTheLearningHistory) {
  ScopedHistoryFile kept(dir_.path() / "files" / "history.db");
  hot_->NintereClick();
  hot_->N11Click(hot_->N12);  // two minutes
  platform_->random_values = {4};
  hot_->startClick();
  for (int hit = 0; hit < 3; ++hit) {
    platform_->random_values.push_back(4);
    type_keys(hot_, "4");
  }
  type_keys(hot_, "9");  // a miss
  ticks(120);
  EXPECT_TRUE(kept.load().games.empty()) << "the display shows zero, the game goes on";
  ticks(1);
  const history::History h = kept.load();
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].mode, history::kFunMode);
  EXPECT_EQ(h.games[0].seconds, 120);
  EXPECT_EQ(h.games[0].score, 3);
  EXPECT_TRUE(FHot_Sort->isVisible()) << "the ranking entry opens as before";
}

TEST_F(WarmupWindow, AClassicGameStoppedByAModeChangeLeavesNoHistoryRow) {
  ScopedHistoryFile kept(dir_.path() / "files" / "history.db");
  hot_->startclassClick();
  type_keys(hot_->input, "1");
  ticks(10);
  hot_->NintereClick();  // stops the game
  EXPECT_TRUE(kept.load().games.empty());
  hot_->NclassClick();
  hot_->startclassClick();
  type_keys(hot_->input, "1");
  ticks(61);
  const history::History h = kept.load();
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].mode, history::kClassicMode);
  EXPECT_EQ(h.games[0].score, 0);
}

}  // namespace
}  // namespace tavrel::testing
