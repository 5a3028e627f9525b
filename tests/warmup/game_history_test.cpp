// The learning history of warm-up games: a row when the countdown runs out, none before.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include "app/scripted_platform.h"
#include "history_file.h"
#include "warmup/UHot_sort.h"
#include "warmup/Uhelp.h"
#include "warmup/hot.h"
#include "window_support.h"

namespace tavrel::testing {
namespace {

class GameHistory : public ::testing::Test {
 protected:
  GameHistory() : here_(dir_.path()) {
    write_warmup_pictures(dir_);
    Fhelp = new TFhelp;
    FHot_Sort = new TFHot_Sort;
    FHot_Sort->ProgramDir = dir_.path().string() + "/";
    FHot = new TFHot;
    FHot->set_picture_dir(dir_.path().string() + "/");
    FHot->show();
    QApplication::processEvents();
  }
  ~GameHistory() override {
    delete FHot;
    delete FHot_Sort;
    delete Fhelp;
    FHot = nullptr;
    FHot_Sort = nullptr;
    Fhelp = nullptr;
  }
  void ticks(int count) {
    for (int i = 0; i < count; ++i) FHot->Timer1Timer();
  }

  TempDir dir_;
  CurrentDir here_;
  ScopedScriptedPlatform platform_;
  ScopedHistoryFile history_{dir_.path() / "files" / "history.db"};
};

TEST_F(GameHistory, AFinishedFunGameIsOneRowWithItsModeLengthAndScore) {
  FHot->NintereClick();
  FHot->N11Click(FHot->N12);  // two minutes
  platform_->random_values = {4};
  FHot->startClick();
  for (int hit = 0; hit < 3; ++hit) {
    platform_->random_values.push_back(4);
    type_keys(FHot, "4");
  }
  type_keys(FHot, "9");  // a miss
  ticks(120);
  EXPECT_TRUE(history_.load().games.empty()) << "the display shows zero, the game goes on";
  ticks(1);
  const history::History h = history_.load();
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].mode, history::kFunMode);
  EXPECT_EQ(h.games[0].seconds, 120);
  EXPECT_EQ(h.games[0].score, 3);
  EXPECT_TRUE(FHot_Sort->isVisible()) << "the ranking entry opens as before";
}

TEST_F(GameHistory, AClassicGameStoppedByAModeChangeLeavesNoRow) {
  FHot->startclassClick();
  type_keys(FHot->input, "1");
  ticks(10);
  FHot->NintereClick();  // stops the game
  EXPECT_TRUE(history_.load().games.empty());
  FHot->NclassClick();
  FHot->startclassClick();
  type_keys(FHot->input, "1");
  ticks(61);
  const history::History h = history_.load();
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].mode, history::kClassicMode);
  EXPECT_EQ(h.games[0].score, 0);
}

}  // namespace
}  // namespace tavrel::testing
