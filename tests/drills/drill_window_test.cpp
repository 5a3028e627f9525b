// The drill window offscreen: answer boxes, judging, walks, clocks, completion and records.
#include <QApplication>

#include "drill_fixture.h"

namespace tavrel::drills::testing {
namespace {

using Drill = DrillWindows;

TEST_F(Drill, CharacterBoxKeyTable) {
  form_sz->Checkhelp->setChecked(false);
  start(Form1->SpeedButton12);
  QLineEdit* box = Form1->Editinput;
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("全码字编码训练"));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("按F1键帮助"));
  ASSERT_EQ(current_code(), "100");

  type(box, "1234/");
  EXPECT_EQ(Form1->CurrentCell, 0) << "a longer code is wrong";
  EXPECT_EQ(box->text(), "") << "a wrong answer with / leaves the box empty";
  type(box, "12\r");
  EXPECT_EQ(box->text(), "12") << "Enter puts no character in: the typed digits stay";
  type(box, "0*");
  EXPECT_EQ(box->text(), "120") << "* is cut at once in the character box";
  type(box, "E");
  EXPECT_TRUE(Form1->isVisible()) << "Esc does nothing";
  EXPECT_EQ(box->text(), "120");
  type(box, "--");
  EXPECT_EQ(box->text(), "1");
  type(box, "00/");
  EXPECT_EQ(Form1->CurrentCell, 1);
  EXPECT_EQ(Form1->ItemsLeft, 118);
  type(box, "100 ");
  type(box, "100\r");
  EXPECT_EQ(Form1->CurrentCell, 3) << "space and Enter submit too";
  EXPECT_EQ(box->text(), "");

  // A full box of seven: the next key submits them; "-" and "." take digits off.
  type(box, "1234567");
  EXPECT_EQ(box->text(), "1234567");
  type(box, "8");
  EXPECT_EQ(box->text(), "1234567") << "a wrong seven-digit answer stays";
  EXPECT_EQ(Form1->CurrentCell, 3);
  type(box, "-");
  EXPECT_EQ(box->text(), "123456");
  type(box, ".");
  EXPECT_EQ(box->text(), "12345");
  QTest::keyClick(box, Qt::Key_A);
  EXPECT_EQ(box->text(), "12345") << "letters never stay";
}

TEST_F(Drill, BasicBoxKeyTable) {
  form_sz->Checkhelp->setChecked(false);
  start(Form1->SpeedButton8);
  QLineEdit* box = Form1->Labelhint1;
  ASSERT_EQ(current_code(), "1");
  type(box, "2*E");
  EXPECT_EQ(box->text(), "2") << "* is cut, Esc does nothing";
  type(box, "-");
  EXPECT_EQ(box->text(), "");
  // The basic box has no length limit, but seven digits submit with the next key; the wrong
  // answer empties the box and the key's own digit stays.
  type(box, "12345678");
  EXPECT_EQ(Form1->BasicErrors, 1);
  EXPECT_EQ(box->text(), "8");
  type(box, "-d\r");
  EXPECT_EQ(Form1->CurrentCell, 1) << "main-row digits and Enter work too";
  type(box, "F");
  EXPECT_EQ(box->text(), "1");
  type(box, " ");
  EXPECT_EQ(Form1->CurrentCell, 2);
}

TEST_F(Drill, KeysAfterF1AndTheHelpList) {
  write_picture("statement/" + utf8_from_gbk(level1_char(0)) + ".bmp");
  start(Form1->SpeedButton12);
  QLineEdit* box = Form1->Editinput;
  type(box, "F");
  EXPECT_EQ(box->text(), "100");
  EXPECT_TRUE(Form1->BitBtn1->isVisibleTo(Form1)) << "the character has an illustration";
  EXPECT_EQ(Form1->HelpItemText, level1_char(0));
  type(box, "5");
  EXPECT_EQ(box->text(), "5") << "a digit after F1 starts a new code";
  EXPECT_FALSE(Form1->BitBtn1->isVisibleTo(Form1));
  type(box, "F-");
  EXPECT_EQ(box->text(), "10") << "- trims the shown code";
  type(box, "F.");
  EXPECT_EQ(box->text(), "") << ". empties the box";
  type(box, "FF");
  EXPECT_EQ(Form1->HelpLists.count, 1) << "one item asked for five times is stored once";
  type(box, "/");
  EXPECT_EQ(Form1->CurrentCell, 1) << "the shown code is a right answer";
  EXPECT_EQ(Form1->HelpLists.characters.entry(0).text, level1_char(0));
  EXPECT_EQ(Form1->HelpLists.characters.entry(0).code, "100");
}

TEST_F(Drill, WordBoxSubmitsWithStarAndWalksItsRows) {
  start(Form1->SpeedButton4);
  QLineEdit* box = Form1->Editinput2;
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("二字词编码训练"));
  ASSERT_EQ(current_code(), "2000");
  type(box, "2000*");
  EXPECT_EQ(Form1->CurrentCell, 1);
  EXPECT_EQ(box->pos(), QPoint(2 + 126, 34));
  for (int i = 0; i < 4; ++i) type(box, "2000*");
  EXPECT_EQ(Form1->CurrentCell, 5);
  EXPECT_EQ(box->pos(), QPoint(2, 34 + 49));
  EXPECT_EQ(background(Form1->WordCells[4]), QColor(0, 0, 128));
  EXPECT_EQ(background(Form1->WordCells[5]), QColor(255, 0, 0));
  EXPECT_TRUE(Form1->WordCells[5]->autoFillBackground());
  EXPECT_FALSE(Form1->WordCells[6]->autoFillBackground()) << "unanswered cells are transparent";
}

TEST_F(Drill, CharacterRowEndsKeepTheBoxInsideTheBoard) {
  start(Form1->SpeedButton12);
  QLineEdit* box = Form1->Editinput;
  for (int i = 0; i < 15; ++i) answer_right(box);
  EXPECT_EQ(box->pos(), QPoint(8 + 15 * 37, 44));
  answer_right(box);
  EXPECT_EQ(Form1->CurrentCell, 16);
  EXPECT_EQ(box->pos(), QPoint(8 + 15 * 37, 44)) << "the 17th cell's box stays under the 16th";
  EXPECT_LE(box->geometry().right(), Form1->Panel5->width());
  answer_right(box);
  EXPECT_EQ(Form1->CurrentCell, 17);
  EXPECT_EQ(box->pos(), QPoint(8, 44 + 63));
}

TEST_F(Drill, LongWordsUseColumnsZeroAndThree) {
  start(Form1->SpeedButton2);
  QLineEdit* box = Form1->Editinput2;
  EXPECT_EQ(Form1->ItemsTotal, 18);
  EXPECT_TRUE(Form1->WordCells[3]->isVisibleTo(Form1));
  EXPECT_FALSE(Form1->WordCells[1]->isVisibleTo(Form1));
  EXPECT_EQ(Form1->WordCells[0]->text(), QStringLiteral("中华人民啊")) << "trimmed";
  EXPECT_GE(Form1->WordCells[0]->width(), Form1->WordCells[0]->sizeHint().width()) << "not cut off";
  answer_right(box);
  EXPECT_EQ(Form1->CurrentCell, 3);
  EXPECT_EQ(box->pos(), QPoint(2 + 378, 34));
  answer_right(box);
  EXPECT_EQ(Form1->CurrentCell, 5);
  EXPECT_EQ(box->pos(), QPoint(2, 34 + 49));
}

TEST_F(Drill, WrongAnswersPerFamily) {
  music_on();
  form_sz->Checkhelp->setChecked(false);
  start(Form1->SpeedButton12);
  type(Form1->Editinput, "9/");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("全码字编码训练"));
  type(Form1->Editinput, "9/");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("再想想！"));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("加油啊！"));
  EXPECT_EQ(count_in_log("open Zaixiang.wav"), 1);
  EXPECT_EQ(Form1->CharErrors, 0) << "with the hint off the count starts again";

  start(Form1->SpeedButton4);
  type(Form1->Editinput2, "9/9/");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("再想想！"));
  EXPECT_EQ(count_in_log("open Zaixiang.wav"), 1) << "the word box plays no cue";

  // Automatic hint after 2: the typing boxes show the code, and a digit starts afresh.
  form_sz->Checkhelp->setChecked(true);
  type(Form1->Editinput2, "9/9/");
  EXPECT_EQ(Form1->Editinput2->text(), QStringLiteral("2000"));
  EXPECT_EQ(Form1->WordErrors, 0);
  type(Form1->Editinput2, "3");
  EXPECT_EQ(Form1->Editinput2->text(), QStringLiteral("3"));
  type(Form1->Editinput2, "F/");
  EXPECT_EQ(Form1->CurrentCell, 1);
}

TEST_F(Drill, BasicBoxHintsWalksAndCompletes) {
  music_on();
  platform_->random_values = {1};  // the first picture is shu_2.bmp, the rest heng_1.bmp
  start(Form1->SpeedButton8);
  QLineEdit* box = Form1->Labelhint1;
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("基本笔形训练"));
  ASSERT_EQ(current_code(), "2");
  type(box, "5/");
  EXPECT_EQ(box->text(), "");
  type(box, "5/");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("再想想"));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("再想想"));
  EXPECT_EQ(box->text(), "2") << "the automatic hint puts the code in the box";
  type(box, "/");
  EXPECT_EQ(Form1->CurrentCell, 1);
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("Tavrel编码"));
  EXPECT_FALSE(Form1->Timer4->isActive()) << "the face rests after a right answer";
  EXPECT_EQ(box->pos(), QPoint(15 + 60, 62));
  EXPECT_EQ(Form1->Image71->pos(), QPoint(32 + 60, 68));
  for (int i = 1; i < 10; ++i) answer_right(box);
  EXPECT_EQ(box->pos(), QPoint(15, 62 + 72));
  EXPECT_EQ(Form1->Image71->pos(), QPoint(32, 68 + 72));

  for (int i = 0; i < 10; ++i) Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "60") << "10 pictures in 10 s";
  Form1->Timer3Timer();
  while (Form1->ItemsLeft > 1) answer_right(box);
  when_modal([] { FPhbin->BitBtn1->click(); });
  answer_right(box);
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral(" 太棒了！"));
  EXPECT_EQ(Form1->Labelplay3->text(), QStringLiteral(" 按《开始》键"));
  EXPECT_FALSE(box->isEnabled()) << "no item is left to answer";
  EXPECT_FALSE(Form1->SBtnPause->isEnabled());
  EXPECT_TRUE(Form1->SBtnStart->isEnabled());
  // The record check ran on the shown speed: a new record on the blank file.
  EXPECT_EQ(dir_.read("files/phb.txt").substr(10, 5), std::string("   60"));
  Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "327") << "the next tick shows the final speed, 60 in 11 s";
}

TEST_F(Drill, LevelClockTimeUpAndContinue) {
  music_on();
  struct Case {
    int step;
    int ticks;
    int jiayou_cues;  // half-way and full Gauge1
  };
  // Gauge1 passes 50 only at steps 1 and 10.
  for (Case c : {Case{1, 200, 2}, Case{4, 50, 1}, Case{6, 34, 1}, Case{10, 20, 2}}) {
    Form1->LevelStep = c.step;
    start(Form1->SpeedButton12);
    platform_->audio_.log.clear();
    int ticks = 0;
    while (Form1->Timer1->isActive() && ticks < 500) {
      Form1->Timer1Timer();
      ++ticks;
    }
    EXPECT_EQ(ticks, c.ticks) << "step " << c.step;
    EXPECT_EQ(count_in_log("open Jiayou.wav"), c.jiayou_cues) << "step " << c.step;
    EXPECT_EQ(count_in_log("open Gxgx.wav"), 1);
  }
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("你离\"初级能手\""));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("还有一点距离."));
  EXPECT_EQ(Form1->Labelplay4->text(), QStringLiteral("可按<继续>键继续."));
  EXPECT_EQ(Form1->SBtnStart->text(), QStringLiteral("继续"));
  EXPECT_TRUE(Form1->SBtnStart->isEnabled());
  EXPECT_FALSE(Form1->SBtnPause->isEnabled());
  EXPECT_FALSE(Form1->Editinput->isEnabled());
  EXPECT_TRUE(Form1->Timer3->isActive()) << "the speed goes on counting";

  answer_right(Form1->Editinput);
  answer_right(Form1->Editinput);
  EXPECT_EQ(Form1->ItemsLeft, 119) << "the closed box takes no answer";
  Form1->Editinput->setEnabled(true);
  answer_right(Form1->Editinput);
  Form1->Editinput->setEnabled(false);
  for (int i = 0; i < 7; ++i) Form1->Timer3Timer();
  const int ticks_before = Form1->SpeedTicks;
  Form1->SBtnStartClick();
  EXPECT_EQ(Form1->SBtnStart->text(), QStringLiteral("开始"));
  EXPECT_FALSE(Form1->SBtnStart->isEnabled());
  EXPECT_EQ(Form1->Gauge2->value(), 0);
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("加油啊！"));
  EXPECT_TRUE(Form1->Editinput->isEnabled());
  EXPECT_TRUE(Form1->Timer1->isActive());
  EXPECT_EQ(Form1->ItemsLeft, 118) << "the same run goes on";
  EXPECT_EQ(Form1->SpeedTicks, ticks_before);
}

TEST_F(Drill, SpeedReadoutRoundsHalvesToEven) {
  start(Form1->SpeedButton2);  // five characters an item
  answer_right(Form1->Editinput2);
  for (int i = 0; i < 9; ++i) Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "") << "nothing before ten seconds";
  Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "30");
  EXPECT_TRUE(Form1->Imagecar->isVisibleTo(Form1));
  for (int i = 0; i < 110; ++i) Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "2") << "2.5 goes to 2";
  EXPECT_TRUE(Form1->Imagebike->isVisibleTo(Form1));
  for (int i = 0; i < 6; ++i) answer_right(Form1->Editinput2);
  for (int i = 0; i < 480; ++i) Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "4") << "3.5 goes to 4";
}

class Completion : public DrillWindows {
 protected:
  // Answers every item of a long-word run, setting the shown speed before the last.
  void run_to_the_end(const QString& shown_speed) {
    start(Form1->SpeedButton2);
    while (Form1->ItemsLeft > 1) answer_right(Form1->Editinput2);
    Form1->Labeljifen->setText(shown_speed);
    answer_right(Form1->Editinput2);
  }
  void store_record_11(const std::string& field) {
    std::string file = dir_.read("files/phb.txt");
    file.replace(11 * 15, 15, field);
    dir_.write("files/phb.txt", file);
  }
};

TEST_F(Completion, NewRecordTakesTheName) {
  music_on();
  FPhbin->Edit1->setText(QStringLiteral("  张小明 "));
  bool window_open = false;
  when_modal([&] {
    window_open = FPhbin->isVisible();
    FPhbin->BitBtn1->click();
  });
  run_to_the_end("75");
  EXPECT_TRUE(window_open);
  EXPECT_FALSE(FPhbin->isVisible());
  EXPECT_EQ(FPhbin->RecordKind, 11);
  EXPECT_EQ(dir_.read("files/phb.txt").substr(11 * 15, 15), gbk("张小明") + "    " + "   75");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("太棒了！"));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("想继续训练吗？"));
  EXPECT_EQ(Form1->Labelplay3->text(), QStringLiteral("请按《开始》键"));
  EXPECT_EQ(Form1->ItemsLeft, 1);
  EXPECT_EQ(background(Form1->WordCells[43]), QColor(255, 0, 0)) << "the last cell stays red";
  EXPECT_FALSE(Form1->Editinput2->isEnabled());
  EXPECT_FALSE(Form1->SBtnPause->isEnabled());
  EXPECT_TRUE(Form1->SBtnStart->isEnabled());
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_EQ(count_in_log("open Hero.wav"), 1);
  EXPECT_EQ(count_in_log("open win.wav"), 0);
  // The readout stays at the speed that was checked.
  for (int i = 0; i < 20; ++i) Form1->Timer3Timer();
  EXPECT_EQ(Form1->Labeljifen->text(), "75");
}

TEST_F(Completion, EqualAndSixDigitSpeedsAreNoRecord) {
  music_on();
  store_record_11("abc          75");
  run_to_the_end("75");
  EXPECT_FALSE(FPhbin->isVisible());
  EXPECT_EQ(count_in_log("open win.wav"), 1);
  EXPECT_EQ(count_in_log("open Hero.wav"), 0);

  store_record_11(std::string(15, ' '));
  run_to_the_end("100000");
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(180, ' '));
  EXPECT_EQ(count_in_log("open win.wav"), 2);
}

TEST_F(Completion, MissingRecordFileIsReported) {
  std::filesystem::remove(dir_.path() / "files/phb.txt");
  run_to_the_end("10");
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("files\\phb.txt")));
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("太棒了！"))
      << "the run is over all the same";
}

TEST_F(Drill, TabAndKindChangesAbandonTheRun) {
  start(Form1->SpeedButton12);
  answer_right(Form1->Editinput);
  Form1->Labeljifen->setText("88");
  Form1->TabbedNotebook2->setCurrentIndex(2);
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_FALSE(Form1->Timer3->isActive());
  EXPECT_EQ(Form1->Gauge1->value(), 0);
  EXPECT_EQ(Form1->Labeljifen->text(), "");
  EXPECT_FALSE(Form1->CharCells[0]->isVisibleTo(Form1));
  EXPECT_EQ(Form1->DrillKind, 7);
  EXPECT_TRUE(Form1->SpeedButton4->isChecked());
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("词编码训练"));
  EXPECT_TRUE(Form1->SBtnSetup->isEnabled());

  start(Form1->SpeedButton4);
  QTabBar* tabs = Form1->TabbedNotebook2->tabBar();
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  EXPECT_FALSE(Form1->Timer1->isActive()) << "a click on the tab shown abandons the run too";
  EXPECT_FALSE(Form1->WordCells[0]->isVisibleTo(Form1));

  start(Form1->SpeedButton4);
  Form1->SpeedButton6->click();
  EXPECT_EQ(Form1->DrillKind, 8);
  EXPECT_FALSE(Form1->WordCells[0]->isVisibleTo(Form1));
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_FALSE(Form1->Editinput2->isVisibleTo(Form1));
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("三字词训练"));
  EXPECT_EQ(Form1->Labelplay2->text(), QStringLiteral("请按<开始>键"));
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(180, ' ')) << "nothing recorded";
}

TEST_F(Drill, AskedItemsComeBackInTheNextRunOfTheSameKind) {
  platform_->random_values = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  start(Form1->SpeedButton12);
  QLineEdit* box = Form1->Editinput;
  for (int item = 0; item < 9; ++item) {
    if (item == 1 || item == 4 || item == 8) type(box, "F");
    answer_right(box);
  }
  Form1->SpeedButton12->click();  // the same kind again keeps its list
  platform_->random_values = {20};
  Form1->SBtnStartClick();
  EXPECT_EQ(Form1->cell_code(Family::kCharacter, 0), "101");
  EXPECT_EQ(Form1->cell_code(Family::kCharacter, 1), "104");
  EXPECT_EQ(Form1->cell_code(Family::kCharacter, 2), "108");
  EXPECT_EQ(Form1->CharCells[2]->text(), from_gbk(level1_char(8)));
  EXPECT_EQ(Form1->cell_code(Family::kCharacter, 3), "120");

  Form1->SpeedButton17->click();  // 稍难字 empties the list
  Form1->SpeedButton12->click();
  Form1->SBtnStartClick();
  EXPECT_EQ(Form1->cell_code(Family::kCharacter, 0), "100");
}

TEST_F(Drill, FailedFillLeavesTheWindowReadyToChoose) {
  Form1->TabbedNotebook2->setCurrentIndex(1);
  Form1->SpeedButton17->click();  // hzlib\z2.txt is missing
  Form1->SBtnStart->click();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("hzlib\\z2.txt")));
  EXPECT_TRUE(Form1->SBtnStart->isEnabled());
  EXPECT_TRUE(Form1->SBtnSetup->isEnabled());
  EXPECT_TRUE(Form1->sbAbout->isEnabled());
  EXPECT_FALSE(Form1->SBtnPause->isEnabled());
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_FALSE(Form1->Timer3->isActive());
  EXPECT_FALSE(Form1->SpeedRunning);
  EXPECT_FALSE(Form1->Editinput->isVisibleTo(Form1));
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("稍难字编码训练"));
  EXPECT_EQ(platform_->waits, 0) << "the clocks were never started";

  Form1->SpeedButton12->click();
  Form1->SBtnStart->click();
  EXPECT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(Form1->Timer1->isActive());
}

TEST_F(Drill, EveryKindFillsItsBoardFromTheShippedData) {
  const std::filesystem::path data = TAVREL_DATA_DIR;
  if (!std::filesystem::exists(data / "exercise") || !std::filesystem::exists(data / "hzlib"))
    GTEST_SKIP() << "no shipped data";
  Form1->hide();
  Form1->ProgramDir = QByteArray::fromStdString(data.string() + "/");
  Form1->show();
  QToolButton* buttons[] = {Form1->SpeedButton8,  Form1->SpeedButton10, Form1->SpeedButton9,
                            Form1->SpeedButton12, Form1->SpeedButton17, Form1->SpeedButton13,
                            Form1->SpeedButton18, Form1->SpeedButton4,  Form1->SpeedButton6,
                            Form1->SpeedButton5,  Form1->SpeedButton7,  Form1->SpeedButton2};
  platform_->random_values.assign(3000, 7919);  // a record deep in every list
  for (int kind = 0; kind < kKindCount; ++kind) {
    start(buttons[kind]);
    const Family family = family_of(kind);
    int filled = 0;
    for (int cell = 0; cell < 119; ++cell) {
      if (family == Family::kBasic && cell >= 60) break;
      if (family == Family::kWord && cell >= 45) break;
      if (!Form1->cell_label(family, cell)->isVisibleTo(Form1)) continue;
      ++filled;
      EXPECT_FALSE(Form1->cell_code(family, cell).empty()) << kind << " cell " << cell;
      if (family != Family::kBasic) {
        EXPECT_TRUE(is_valid_gbk(Form1->cell_text(family, cell))) << kind << " cell " << cell;
      }
    }
    EXPECT_EQ(filled, drill_kind(kind).items) << kind;
  }
  EXPECT_TRUE(platform_->messages.empty());
}

TEST_F(Drill, PauseHelpAndQuit) {
  music_on();
  start(Form1->SpeedButton12);
  bool paused_modal = false;
  when_modal([&] {
    paused_modal =
        Formstop->isVisible() && !Form1->Timer1->isActive() && !Form1->Timer3->isActive();
    Formstop->BitBtn1->click();
  });
  Form1->SBtnPauseClick();
  EXPECT_TRUE(paused_modal);
  ASSERT_GE(platform_->audio_.log.size(), 3u);
  EXPECT_EQ(platform_->audio_.log.back(), "close backmid.mid") << "the music stops with the pause";
  EXPECT_TRUE(Form1->Timer1->isActive());
  EXPECT_TRUE(Form1->Timer3->isActive());

  // Input help: no help file shows nothing; the clocks of a run go on, between runs they stay.
  Form1->sbHelpClick();
  EXPECT_TRUE(Form1->Timer1->isActive());
  dir_.write("files/tvmsm.rtf", "Tavrel\xC2\xEB help");
  bool help_shown = false;
  when_modal([&] {
    help_shown = form_help->isVisible() &&
                 form_help->RichEdit1->toPlainText().contains(QStringLiteral("码"));
    form_help->accept();
  });
  Form1->sbHelpClick();
  EXPECT_TRUE(help_shown);
  Form1->TabbedNotebook2->setCurrentIndex(0);
  when_modal([] { form_help->accept(); });
  Form1->sbHelpClick();
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_FALSE(Form1->Timer3->isActive());

  start(Form1->SpeedButton12);
  platform_->message_answers = {MsgResult::Cancel};
  Form1->SBtnQuitClick();
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_EQ(platform_->messages.back().text, QStringLiteral("确定退出吗"));
  EXPECT_EQ(platform_->messages.back().caption, QStringLiteral("确认"));
  Form1->SBtnQuitClick();
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_FALSE(Form1->CharCells[0]->isVisibleTo(Form1));
  EXPECT_FALSE(Form1->Timer4->isActive());
  EXPECT_FALSE(Form1->Timertime->isActive());
}

TEST_F(Drill, ShowingTheWindowMakesTheProgramFolderCurrentAndExplains) {
  Form1->hide();
  dir_.write("files/single.rtf", "\xD7\xD6\xB1\xE0\xC2\xEB");  // 字编码
  Form1->TabbedNotebook2->setCurrentIndex(1);
  ::tavrel::testing::TempDir elsewhere;
  ::tavrel::testing::CurrentDir away(elsewhere.path());
  Form1->show();
  EXPECT_EQ(std::filesystem::current_path(), dir_.path());
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("字编码训练"));
  EXPECT_EQ(Form1->Labelplay4->text(), QStringLiteral("<一键码><二键码>"));
  EXPECT_EQ(FormSM->RichEdit1->toPlainText(), QStringLiteral("字编码"));
  EXPECT_EQ(FormSM->pos(), Form1->pos() + QPoint(108, 187));
  FormSM->close();
  Form1->Timer2Timer();
  EXPECT_TRUE(FormSM->isVisible()) << "the popup opens once more, on the page shown";
  EXPECT_EQ(FormSM->RichEdit1->toPlainText(), QStringLiteral("字编码"));
  EXPECT_FALSE(Form1->Timer2->isActive());
  Form1->TimertimeTimer();
  EXPECT_EQ(Form1->Label1->text(), QStringLiteral("9:30:00"));
}

TEST_F(Drill, BasicKindButtonsStandApartAndTheMarkerShowsOnItsBox) {
  const QRect simple = Form1->SpeedButton8->geometry(), harder = Form1->SpeedButton10->geometry(),
              coloured = Form1->SpeedButton9->geometry();
  EXPECT_FALSE(simple.intersects(harder));
  EXPECT_FALSE(harder.intersects(coloured));
  EXPECT_LT(coloured.right(), Form1->Label4->geometry().left()) << "clear of the mnemonic lines";
  start(Form1->SpeedButton8);
  ASSERT_TRUE(Form1->Image71->isVisible() && Form1->Labelhint1->isVisible());
  ASSERT_TRUE(Form1->Labelhint1->geometry().intersects(Form1->Image71->geometry()));
  QWidget* board = Form1->Image71->parentWidget();
  EXPECT_EQ(board->childAt(Form1->Image71->geometry().center()), Form1->Image71)
      << "the marker is drawn over the answer box, not hidden under it";
}

}  // namespace
// With seven digits in the box the next digit is judged; with the hint due, the code was shown
// and then that digit's own character appended to it, so the shown code was judged wrong again.
TEST_F(Drill, AKeyOnAFullBoxIsOneWrongAnswer) {
  // Keys as the toolkit delivers them: through the window to its focused widget.
  auto type_in_focus = [](const std::string& keys) {
    QApplication::setActiveWindow(Form1);
    for (char c : keys)
      QTest::keyClick(Form1->windowHandle(), static_cast<Qt::Key>(Qt::Key_0 + (c - '0')),
                      Qt::KeypadModifier);
  };
  form_sz->Checkhelp->setChecked(true);
  start(Form1->SpeedButton12);
  QApplication::setActiveWindow(Form1);
  ASSERT_EQ(QApplication::focusWidget(), Form1->Editinput);
  type_in_focus("1234567");
  EXPECT_EQ(Form1->CharErrors, 0);
  type_in_focus("8");
  EXPECT_EQ(Form1->CharErrors, 1) << "one key, one wrong answer";
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("全码字编码训练")) << "no message yet";
  EXPECT_EQ(Form1->Editinput->text(), "1234567");
  type_in_focus("9");
  EXPECT_EQ(Form1->Labelplay1->text(), QStringLiteral("再想想！"));
  EXPECT_EQ(Form1->Editinput->text(), "100") << "the hint shows the code, nothing appended";
  QTest::keyClick(Form1->windowHandle(), Qt::Key_Slash, Qt::KeypadModifier);
  EXPECT_EQ(Form1->CurrentCell, 1) << "the shown code is the right answer";
  EXPECT_EQ(Form1->CharErrors, 0);
}

}  // namespace tavrel::drills::testing
