// Settings, pause, code illustration and record windows, driven offscreen with the drill window.
#include <QFontInfo>
#include <QImage>
#include <algorithm>

#include "common/user_files.h"
#include "drill_fixture.h"

namespace tavrel::drills::testing {
namespace {

using SideWindows = DrillWindows;

const QColor kTealColour(0, 128, 128), kYellow(255, 255, 0);

TEST_F(SideWindows, ClosingWithoutConfirmRestoresColoursAndList) {
  const QColor font_before = text_colour(Form1->CharCells[0]);
  const QColor lime(0, 255, 0);
  form_sz->show();
  platform_->color_answers = {lime};
  form_sz->SpeedButton1Click();
  EXPECT_EQ(background(Form1->Panel1), lime) << "the boards change at once";
  EXPECT_EQ(background(Form1->Panel12), lime);
  form_sz->list->setEditText("5");
  form_sz->CheckBox1->setChecked(true);
  form_sz->close();
  EXPECT_EQ(background(Form1->Panel5), kTealColour);
  EXPECT_EQ(background(Form1->Panel12), kTealColour);
  EXPECT_EQ(background(Form1->Panel1), QColor(Qt::white));
  EXPECT_EQ(text_colour(Form1->CharCells[0]), font_before);
  EXPECT_EQ(form_sz->list->currentText(), "2");
  EXPECT_EQ(Form1->HintAfter, 2);

  // Music takes effect without 确认.
  start(Form1->SpeedButton12);
  EXPECT_EQ(count_in_log("open start.wav"), 1);
}

TEST_F(SideWindows, ConfirmAppliesLevelColoursAndHintCount) {
  form_sz->show();
  platform_->color_answers = {QColor(Qt::white)};
  form_sz->SpeedButton1Click();
  form_sz->ComboBox1->setCurrentIndex(2);
  form_sz->list->setEditText("4");
  form_sz->Button1Click();
  EXPECT_FALSE(form_sz->isVisible());
  EXPECT_EQ(Form1->LevelStep, 6);
  EXPECT_EQ(Form1->LevelName, QStringLiteral("高级能手"));
  EXPECT_EQ(Form1->HintAfter, 4);
  EXPECT_EQ(background(Form1->Panel5), QColor(Qt::white));
  EXPECT_EQ(text_colour(Form1->CharCells[118]), QColor(Qt::black)) << "white boards, black text";
  EXPECT_EQ(text_colour(Form1->WordCells[0]), QColor(Qt::black));
  EXPECT_EQ(form_sz->ColorDialog1.Color, QColor(Qt::black)) << "the dialog opens at the contrast";

  // Teal and confirm: yellow text. Then a cancelled dialog and confirm: the text keeps its colour.
  form_sz->show();
  platform_->color_answers = {kTealColour};
  form_sz->SpeedButton1Click();
  form_sz->Button1Click();
  EXPECT_EQ(text_colour(Form1->WordCells[44]), kYellow);
  form_sz->show();
  form_sz->SpeedButton1Click();  // cancelled
  form_sz->Button1Click();
  EXPECT_EQ(text_colour(Form1->WordCells[44]), kYellow);

  // A typed level that is no item: step 1 under the typed name.
  form_sz->show();
  form_sz->ComboBox1->setEditText(QStringLiteral("自定级别"));
  form_sz->Button1Click();
  EXPECT_EQ(Form1->LevelStep, 1);
  EXPECT_EQ(Form1->LevelName, QStringLiteral("自定级别"));
}

TEST_F(SideWindows, NonNumberHintCountKeepsTheWindowOpen) {
  form_sz->show();
  platform_->color_answers = {QColor(Qt::white)};
  form_sz->SpeedButton1Click();
  form_sz->ComboBox1->setCurrentIndex(3);
  form_sz->list->setEditText("abc");
  form_sz->Button1->click();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains("abc"));
  EXPECT_TRUE(form_sz->isVisible());
  EXPECT_EQ(Form1->LevelStep, 10) << "the steps before the number took effect";
  EXPECT_EQ(Form1->HintAfter, 2);
  form_sz->close();
  EXPECT_EQ(background(Form1->Panel5), QColor(Qt::white)) << "confirmed: nothing restored";
}

TEST_F(SideWindows, CheckBoxesShowAndHide) {
  form_sz->Checkhelp->click();
  EXPECT_FALSE(form_sz->list->isVisibleTo(form_sz));
  EXPECT_FALSE(form_sz->Label5->isVisibleTo(form_sz));
  form_sz->Checkhelp->click();
  EXPECT_TRUE(form_sz->list->isVisibleTo(form_sz));
  form_sz->CheckBox2->click();
  EXPECT_FALSE(form_sz->ComboBox1->isEnabled());
  form_sz->CheckBox2->click();
  EXPECT_TRUE(form_sz->ComboBox1->isEnabled());
  EXPECT_TRUE(form_sz->yxdz->isChecked());
  EXPECT_FALSE(form_sz->yxdz->isEnabled());
}

TEST_F(SideWindows, NoLevelModeRunsWithoutTheLevelClock) {
  form_sz->show();
  form_sz->CheckBox2->click();
  form_sz->Button1Click();
  EXPECT_FALSE(Form1->Gauge1->isVisibleTo(Form1));
  start(Form1->SpeedButton12);
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_TRUE(Form1->Timer3->isActive());
  when_modal([] { Formstop->BitBtn1->click(); });
  Form1->SBtnPauseClick();
  EXPECT_FALSE(Form1->Timer1->isActive());
  EXPECT_TRUE(Form1->Timer3->isActive());
}

TEST_F(SideWindows, SettingsButtonTurnsMusicOffWhenSoundsCannotPlay) {
  form_sz->CheckBox1->setChecked(true);
  platform_->audio_.playable_ = false;
  bool shown = false;
  when_modal([&] {
    shown = form_sz->isVisible();
    form_sz->close();
  });
  Form1->SBtnSetupClick();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form_sz->CheckBox1->isChecked());
  EXPECT_FALSE(form_sz->CheckBox1->isEnabled());

  // Without the test sound the settings do not open and the error is shown.
  std::filesystem::remove(dir_.path() / "sound/Jiayou.wav");
  Form1->SBtnSetup->click();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_FALSE(form_sz->isVisible());
}

TEST_F(SideWindows, CodeIllustrationRestartsTheClocksOfARun) {
  write_picture("statement/" + utf8_from_gbk(level1_char(0)) + ".bmp");
  start(Form1->SpeedButton12);
  QTest::keyClick(Form1->Editinput, Qt::Key_F1);
  ASSERT_TRUE(Form1->BitBtn1->isVisibleTo(Form1));
  bool stopped = false, has_picture = false;
  when_modal([&] {
    stopped = !Form1->Timer1->isActive() && !Form1->Timer3->isActive();
    has_picture = !formdelait->Image1->pixmap().isNull();
    formdelait->close();  // the close box
  });
  Form1->BitBtn1Click();
  EXPECT_TRUE(stopped);
  EXPECT_TRUE(has_picture);
  EXPECT_TRUE(Form1->Timer1->isActive());
  EXPECT_TRUE(Form1->Timer3->isActive());
  EXPECT_TRUE(Form1->BitBtn1->isVisibleTo(Form1)) << "only 关  闭 hides the button";

  when_modal([] { formdelait->BitBtn1->click(); });
  Form1->BitBtn1Click();
  EXPECT_FALSE(Form1->BitBtn1->isVisibleTo(Form1));

  // Between runs the clocks stay stopped.
  Form1->SpeedButton12->click();
  when_modal([] { formdelait->BitBtn1->click(); });
  Form1->BitBtn1Click();
  EXPECT_FALSE(Form1->Timer1->isActive());
}

TEST_F(SideWindows, RecordListShowsEachRecordInItsRowAndBlanks) {
  std::string file(180, ' ');
  file.replace(10 * 15, 15, gbk("一键") + std::string(6, ' ') + "  321");
  file.replace(11 * 15, 15, gbk("多字") + std::string(6, ' ') + "   45");
  file.replace(0, 15, "ab" + std::string(8, ' ') + "    9");
  dir_.write("files/phb.txt", file + "extra");
  when_modal([] { FPhb->BitBtn1->click(); });
  Form1->sbAboutClick();
  EXPECT_EQ(FPhb->L12->text(), QStringLiteral("一键") + QString(8, ' ') + "321")
      << "kind 10 in the row 一键词";
  EXPECT_EQ(FPhb->L11->text(), QStringLiteral("多字") + QString(9, ' ') + "45");
  EXPECT_EQ(FPhb->L1->text(), "ab" + QString(12, ' ') + "9");
  EXPECT_EQ(FPhb->L4->text(), QString(15, ' '));
  EXPECT_LT(FPhb->L11->mapTo(FPhb, QPoint()).y(), FPhb->L12->mapTo(FPhb, QPoint()).y())
      << "多字词 stands above 一键词";

  FPhb->BitBtn2Click();
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(185, ' ')) << "blanked to its full length";
  EXPECT_TRUE(FPhb->L12->text().isEmpty());
}

// The first and last columns with ink in a label as it is drawn.
std::pair<int, int> ink_columns(QWidget* label) {
  const QImage image = label->grab().toImage();
  int first = image.width(), last = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 128) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  return {first, last};
}

TEST_F(SideWindows, RecordRowsAreInTheCaptionsFontWithNamesAndSpeedsInColumns) {
  std::string file(180, ' ');
  file.replace(0, 15, "ab" + std::string(8, ' ') + "    9");
  file.replace(3 * 15, 15, gbk("王小明") + std::string(4, ' ') + "  321");
  dir_.write("files/phb.txt", file);
  when_modal([] { FPhb->BitBtn1->click(); });
  Form1->sbAboutClick();
  EXPECT_EQ(FPhb->L1->font().family(), FPhb->font().family());
  EXPECT_EQ(QFontInfo(FPhb->L1->font()).pixelSize(), 16);
  const auto [latin_name, one_digit] = ink_columns(FPhb->L1);
  const auto [chinese_name, three_digits] = ink_columns(FPhb->L4);
  EXPECT_NEAR(latin_name + FPhb->L1->x(), chinese_name + FPhb->L4->x(), 2);
  EXPECT_NEAR(one_digit + FPhb->L1->x(), three_digits + FPhb->L4->x(), 2)
      << "the speeds end at one column";
}

TEST_F(SideWindows, AnInstalledProgramBlanksTheUsersOwnRecordsOnly) {
  const std::string shipped(180, '1');
  dir_.write("files/phb.txt", shipped);
  ::tavrel::testing::TempDir user;
  keep_user_files_in(dir_.path(), user.path() / "tavrel");
  user.write("tavrel/phb.txt", std::string(180, '7'));
  when_modal([] {
    FPhb->BitBtn2Click();
    FPhb->BitBtn1->click();
  });
  Form1->sbAboutClick();
  keep_user_files_beside_program();
  EXPECT_EQ(user.read("tavrel/phb.txt"), std::string(180, ' '));
  EXPECT_EQ(dir_.read("files/phb.txt"), shipped);
}

TEST_F(SideWindows, NewRecordWindowSavesOnlyThroughItsButton) {
  FPhbin->RecordKind = 5;
  FPhbin->RecordSpeed = "12";
  FPhbin->Edit1->setText(QStringLiteral("王"));
  FPhbin->show();
  FPhbin->close();
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(180, ' '));
  FPhbin->show();
  FPhbin->BitBtn1->click();
  EXPECT_FALSE(FPhbin->isVisible());
  EXPECT_EQ(dir_.read("files/phb.txt").substr(75, 15), gbk("王") + std::string(8, ' ') + "   12");
  EXPECT_EQ(FPhbin->RecordSpeed, "   12");
}

}  // namespace
}  // namespace tavrel::drills::testing
