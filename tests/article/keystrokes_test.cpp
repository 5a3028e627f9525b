// Keystrokes of a scripted test, the report's rows "击键" and "码长", and the test's history row.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "article/ex16.h"
#include "article/report.h"
#include "article/test.h"
#include "article/test_result.h"
#include "article/top_ten.h"
#include "article_fixture.h"
#include "history_file.h"
#include "platform/scripted_platform.h"
#include "tests/article/practice_globals.h"

namespace tavrel::article {
namespace {

using testing::gbk;
using testing::nth_char;

TEST(KeystrokeFigures, AreHundredthsRoundedHalfToEven) {
  EXPECT_EQ(keystroke_figures(13, 4, 4).per_second, 325);
  EXPECT_EQ(keystroke_figures(1, 8, 8).per_char, 12) << "0.125 goes to the even 0.12";
  EXPECT_EQ(keystroke_figures(3, 8, 8).per_char, 38) << "0.375 goes to the even 0.38";
  EXPECT_EQ(keystroke_figures(2, 3, 3).per_second, 67);
  const KeystrokeFigures none = keystroke_figures(9, 0, 0);
  EXPECT_EQ(none.per_second, 0);
  EXPECT_EQ(none.per_char, 0);
  EXPECT_EQ(hundredths_text(325), "3.25");
  EXPECT_EQ(hundredths_text(5), "0.05");
  EXPECT_EQ(hundredths_text(1200), "12.00");
}

// A test of the article 一二三 and the 13th of 14 characters of the code 5, which needs a page
// turn: the window, the report and the top ten as the program has them.
class KeystrokeTest : public ::testing::Test {
 protected:
  KeystrokeTest() {
    std::vector<dict::DictRecord> entries{{"1", gbk("一")}, {"2", gbk("二")}, {"3", gbk("三")}};
    for (int i = 0; i < 14; ++i) entries.push_back({"5", nth_char(100 + i)});
    testing::write_dictionary(dir_, entries);
    dir_.write("test.tvm", testing::practice_file("一二三" + utf8_from_gbk(nth_char(112))));
    std::vector<TopTenRecord> full(10, {"p", 999});  // the result stays out of the top ten
    dir_.write("files/record.dat", "");
    write_top_ten(dir_.path() / "files/record.dat", full);
    window_.program_dir = QByteArray::fromStdString(dir_.path().string() + "/");
  }
  ~KeystrokeTest() override { window_.close(); }

  // Keys as the learner types them into whatever has the focus: digits and "/+-." on the
  // keypad, ' ' space, 'b' Backspace.
  static void keys(const char* typed) {
    for (const char* c = typed; *c; ++c) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      if (*c == ' ')
        QTest::keyClick(focus, Qt::Key_Space);
      else if (*c == 'b')
        QTest::keyClick(focus, Qt::Key_Backspace);
      else
        QTest::keyClick(focus, *c, Qt::KeypadModifier);
    }
  }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ScopedScriptedPlatform platform_;
  testing::ScopedHistoryFile history_{dir_.path() / "files/history.db"};
  Ttwo two_;
  Tform_test window_;
  TForm_result report_;
  Thighscore high_;
  testing::ScopedPracticeGlobals globals_{two_, window_, report_, high_};
};

TEST_F(KeystrokeTest, EveryKeyOfTheTestCountsAndTheReportShowsBothRows) {
  window_.show();
  QApplication::setActiveWindow(&window_);
  window_.BtnStartClick();
  window_.Timer1Timer();  // the first second starts the counters again
  keys("1/");             // 一
  keys("9b");             // a digit taken back with Backspace
  keys("2 ");             // 二, ended with a space
  keys("3/");             // 三
  EXPECT_EQ(window_.session.keystrokes, 8);
  for (int i = 0; i < 4; ++i) window_.Timer1Timer();
  QString keys_row, length_row;
  QTimer::singleShot(0, [&] {
    keys_row = report_.LKeys->text();
    length_row = report_.LCodeLength->text();
    report_.close();
  });
  keys("5/+-+2");  // a page forward, back and forward again, then the candidate numbered 2
  EXPECT_EQ(window_.session.keystrokes, 14);
  EXPECT_TRUE(window_.session.fresh) << "the article is over";
  EXPECT_EQ(keys_row, QStringLiteral("2.80键/秒")) << "14 keys in 5 seconds";
  EXPECT_EQ(length_row, QStringLiteral("3.50键/字")) << "14 keys for 4 characters";
  EXPECT_TRUE(report_.lbSorry->isVisibleTo(&report_));

  const history::History h = history_.load();
  ASSERT_EQ(h.articles.size(), 1u);
  const history::ArticleTest& t = h.articles[0];
  EXPECT_EQ(t.article, "test.tvm");
  EXPECT_EQ(t.seconds, 5);
  EXPECT_EQ(t.typed, 4);
  EXPECT_EQ(t.wrong, 0);
  EXPECT_EQ(t.speed, 48);
  EXPECT_EQ(t.rate, 100);
  EXPECT_EQ(t.keystrokes, 14);
  EXPECT_EQ(t.at, "2026-01-05 09:30:00");
  EXPECT_TRUE(platform_->messages.empty());
}

TEST_F(KeystrokeTest, KeysBetweenTestsDoNotCountAndTimeUpStartsAgain) {
  window_.session.practice_minutes = 1;
  window_.show();
  QApplication::setActiveWindow(&window_);
  QTest::keyClick(&window_, '1', Qt::KeypadModifier);  // no test runs yet
  window_.BtnStartClick();
  window_.Timer1Timer();
  keys("1/");
  EXPECT_EQ(window_.session.keystrokes, 2);
  QString keys_row;
  QTimer::singleShot(0, [&] {
    keys_row = report_.LKeys->text();
    report_.close();
  });
  for (int i = 0; i < 59; ++i) window_.Timer1Timer();
  EXPECT_EQ(keys_row, QStringLiteral("0.03键/秒")) << "2 keys in 60 seconds";
  EXPECT_EQ(window_.session.keystrokes, 0) << "the next test counts afresh";
  ASSERT_EQ(history_.load().articles.size(), 1u);
  EXPECT_EQ(history_.load().articles[0].seconds, 60);
}

TEST_F(KeystrokeTest, ADamagedHistoryIsToldOnceAndTheReportStillFilesTheTopTen) {
  dir_.write("files/history.db", std::string(1500, '!'));
  dir_.write("files/record.dat", "");
  window_.show();
  QApplication::setActiveWindow(&window_);
  window_.BtnStartClick();
  window_.Timer1Timer();
  keys("1/2/3/");
  window_.Timer1Timer();
  platform_->input_answers.push_back(QStringLiteral("小明"));
  QTimer::singleShot(0, [&] {  // the history's message came first, then the name box
    high_.close();
    QTimer::singleShot(0, [&] { report_.close(); });
  });
  keys("5/+2");
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("学习记录")));
  EXPECT_EQ(read_top_ten(dir_.path() / "files/record.dat").size(), 1u);
  EXPECT_EQ(report_.LRate->text(), QStringLiteral("120字/分"));
}

}  // namespace
}  // namespace tavrel::article
