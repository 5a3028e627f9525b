// The display settings window offscreen: picking, 放弃, defaults, the test time and its limits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "article/test.h"
#include "article/test_color.h"
#include "article_fixture.h"
#include "platform/scripted_platform.h"

namespace tavrel::article {
namespace {

using testing::gbk;

QColor colour_in(QTextEdit* edit, int line, int index) {
  QTextBlock block = edit->document()->findBlockByNumber(line);
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    QTextFragment f = it.fragment();
    const int start = f.position() - block.position();
    if (index >= start && index < start + f.length()) return f.charFormat().foreground().color();
  }
  return {};
}

class SettingsWindowTest : public ::testing::Test {
 protected:
  SettingsWindowTest() {
    dir_.write("a.tvm", testing::practice_file("一二三四"));
    form_test = &practice_;
    form_color = &settings_;
    settings_.FormCreate();  // created after the practice window, as at start-up
    practice_.load_article("a.tvm");
    practice_.LChange->setText(QStringLiteral("请按开始按钮"));
  }
  ~SettingsWindowTest() override {
    form_test = nullptr;
    form_color = nullptr;
  }

  // Opens the settings from the practice window and runs `steps` inside it.
  void open_settings(std::function<void()> steps) {
    QTimer::singleShot(0, [&, steps] {
      opened_status_ = practice_.LChange->text();
      steps();
      if (settings_.isVisible()) settings_.BitBtn_cancel->click();
    });
    practice_.SBtnSetupClick();
  }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ScopedScriptedPlatform platform_;
  Tform_test practice_;
  TForm_color settings_;
  QString opened_status_;
};

TEST_F(SettingsWindowTest, StartsWithTheDefaultsAndTheirSample) {
  EXPECT_TRUE(settings_.choices[TForm_color::kBackground]->isChecked());
  EXPECT_EQ(settings_.Edit_time->value(), 15);
  EXPECT_EQ(colour_in(settings_.example, 1, 0), QColor(Qt::blue));
  EXPECT_EQ(colour_in(settings_.example, 0, 0), QColor(Qt::black));
  EXPECT_EQ(settings_.example->textCursor().selectedText().size(), 1);
  EXPECT_EQ(settings_.example->textCursor().selectionStart(), 6);
}

TEST_F(SettingsWindowTest, APickedColourStaysAfter放弃ButTheTimeDoesNot) {
  open_settings([&] {
    settings_.choices[TForm_color::kUntyped]->setChecked(true);
    platform_->color_answers.push_back(QColor(Qt::red));
    settings_.BitBtn5->click();
    settings_.Edit_time->setValue(40);
  });
  EXPECT_EQ(opened_status_, QStringLiteral("设置颜色和时间"));
  EXPECT_EQ(practice_.LChange->text(), QStringLiteral("请按开始按钮"));
  EXPECT_EQ(practice_.session.untyped_color, 0x0000FFu);
  EXPECT_EQ(practice_.session.practice_minutes, 15);
  EXPECT_EQ(practice_.ProgressBar1->maximum(), 15 * 60);
  EXPECT_EQ(colour_in(practice_.REdit1, 0, 0), QColor(Qt::red));
  EXPECT_EQ(colour_in(settings_.example, 0, 7), QColor(Qt::red));
  EXPECT_EQ(colour_in(settings_.example, 0, 5), QColor(Qt::black));
  EXPECT_EQ(settings_.Edit_time->value(), 40);  // kept for the next 确定
}

TEST_F(SettingsWindowTest, ACancelledColourDialogChangesNothing) {
  open_settings([&] {
    settings_.choices[TForm_color::kTyped]->setChecked(true);
    platform_->color_answers.push_back(std::nullopt);
    settings_.BitBtn5->click();
  });
  EXPECT_EQ(practice_.session.typed_color, 0u);
}

TEST_F(SettingsWindowTest, ThirtyMinutesConfirmedEndTheTestAfter1800Seconds) {
  open_settings([&] {
    settings_.Edit_time->setValue(30);
    settings_.BitBtn_ok->click();
  });
  EXPECT_EQ(practice_.session.practice_minutes, 30);
  EXPECT_EQ(practice_.Label_time->text(), QStringLiteral("  30分钟  "));
  EXPECT_EQ(practice_.ProgressBar1->maximum(), 1800);
  practice_.session.fresh = false;
  for (int s = 1; s < 1800; ++s) ASSERT_FALSE(practice_.session.tick()) << s;
  EXPECT_TRUE(practice_.session.tick());
}

TEST_F(SettingsWindowTest, DefaultsRestoreTheColoursButNotTheMinutes) {
  open_settings([&] {
    platform_->color_answers.push_back(QColor(Qt::yellow));
    settings_.BitBtn5->click();  // the background
    settings_.choices[TForm_color::kInput]->setChecked(true);
    platform_->color_answers.push_back(QColor(Qt::green));
    settings_.BitBtn5->click();
    settings_.Edit_time->setValue(20);
    settings_.BitBtn_ok->click();
  });
  EXPECT_EQ(practice_.session.background_color, 0x00FFFFu);
  EXPECT_EQ(colour_in(settings_.example, 1, 3), QColor(Qt::green));
  open_settings([&] { settings_.BtnDefault->click(); });
  EXPECT_EQ(practice_.session.background_color, 0xFFFFFFu);
  EXPECT_EQ(practice_.session.input_color, 0xFF0000u);
  EXPECT_EQ(colour_in(settings_.example, 1, 3), QColor(Qt::blue));
  EXPECT_TRUE(settings_.example->styleSheet().contains("#ffffff"));
  EXPECT_EQ(practice_.session.practice_minutes, 20);
  EXPECT_EQ(settings_.Edit_time->value(), 20);
}

TEST_F(SettingsWindowTest, TheTimeTakesTwoTypedDigitsAndCountsNonsenseAsOne) {
  settings_.show();
  QLineEdit* edit = settings_.Edit_time->findChild<QLineEdit*>();
  edit->selectAll();
  QTest::keyClicks(edit, "123");
  EXPECT_EQ(edit->text(), "12");
  settings_.Edit_time->setValue(120);
  settings_.Edit_time->stepUp();
  EXPECT_EQ(settings_.Edit_time->value(), 120);
  edit->clear();
  EXPECT_EQ(settings_.time_value(), 1);
  settings_.close();
}

}  // namespace
}  // namespace tavrel::article
