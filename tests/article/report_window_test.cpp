// The report and top-ten windows offscreen: values, the name box, filing, errata codes, F1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "article/ex16.h"
#include "article/test.h"
#include "article/test_result.h"
#include "article/top_ten.h"
#include "article_fixture.h"
#include "platform/scripted_platform.h"

namespace tavrel::article {
namespace {

using testing::gbk;

class ReportWindowTest : public ::testing::Test {
 protected:
  ReportWindowTest() {
    testing::write_dictionary(dir_, {{"1", gbk("一")}, {"2", gbk("二")}, {"3", gbk("三")}});
    dir_.write("files/record.dat", "");
    two = &two_;
    form_test = &practice_;
    Form_result = &report_;
    highscore = &high_;
    speed = 0;
    entry_pending = false;
  }
  ~ReportWindowTest() override {
    two = nullptr;
    form_test = nullptr;
    Form_result = nullptr;
    highscore = nullptr;
  }

  void finish_test(int typed, int wrong, const char* clock) {
    practice_.alread->setText(QString::number(typed));
    practice_.wrong->setText(QString::number(wrong));
    practice_.Lgo->setText(clock);
  }

  void write_scores(std::initializer_list<int> scores) {
    std::vector<TopTenRecord> records;
    for (int s : scores) records.push_back({"p" + std::to_string(s), s});
    write_top_ten(dir_.path() / "files/record.dat", records);
  }

  std::vector<TopTenRecord> filed() { return read_top_ten(dir_.path() / "files/record.dat"); }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ScopedScriptedPlatform platform_;
  Ttwo two_;
  Tform_test practice_;
  TForm_result report_;
  Thighscore high_;
};

TEST_F(ReportWindowTest, AQualifyingResultAsksTheNameAndShowsTheTopTenBeforeTheReport) {
  finish_test(120, 6, "2:30");
  platform_->input_answers.push_back(QStringLiteral("张三"));
  QString first_name, first_score;
  bool top_ten_shown = false, button3_enabled = true, report_ready = false;
  QTimer::singleShot(0, [&] {
    top_ten_shown = high_.isVisible();
    first_name = high_.cell(1, 1);
    first_score = high_.cell(1, 2);
    button3_enabled = high_.Button3->isEnabled();
    high_.Button2->click();
    QTimer::singleShot(0, [&] {
      report_ready = report_.isVisible();
      report_.SpeedButton1->click();
    });
  });
  report_.exec();
  EXPECT_TRUE(top_ten_shown);
  EXPECT_TRUE(report_ready);
  EXPECT_EQ(first_name, QStringLiteral("张三"));
  EXPECT_EQ(first_score, "46");
  EXPECT_FALSE(button3_enabled);
  ASSERT_EQ(platform_->input_prompts.size(), 1u);
  EXPECT_EQ(report_.Ltime->text(), QStringLiteral("2分30秒"));
  EXPECT_EQ(report_.Ltotal->text(), QStringLiteral("120个字"));
  EXPECT_EQ(report_.Lwrong->text(), QStringLiteral("6个字"));
  EXPECT_EQ(report_.LRight->text(), QStringLiteral("114个字"));
  EXPECT_EQ(report_.LL->text(), "95%");
  EXPECT_EQ(report_.LRate->text(), QStringLiteral("46字/分"));
  EXPECT_FALSE(report_.lbSorry->isVisibleTo(&report_));
  EXPECT_EQ(filed(), (std::vector<TopTenRecord>{{gbk("张三"), 46}}));
  EXPECT_FALSE(entry_pending);
}

TEST_F(ReportWindowTest, ACancelledNameIsFiledEmptyAndALongOneIsCut) {
  finish_test(60, 0, "1:00");
  platform_->input_answers.push_back(std::nullopt);
  QTimer::singleShot(0, [&] { high_.close(); });
  report_.FormShow();
  finish_test(70, 0, "1:00");
  platform_->input_answers.push_back(QStringLiteral("一二三四五六七八九"));
  QTimer::singleShot(0, [&] { high_.close(); });
  report_.FormShow();
  EXPECT_EQ(filed(), (std::vector<TopTenRecord>{{gbk("一二三四五六七八"), 70}, {"", 60}}));
}

TEST_F(ReportWindowTest, ATestShorterThanASecondFilesNothingAndNothingTypedHasNoRate) {
  speed = 99;  // the previous test's
  finish_test(5, 0, "0:00");
  report_.FormShow();
  EXPECT_EQ(speed, 0);
  EXPECT_EQ(report_.LRate->text(), QStringLiteral("0字/分"));
  EXPECT_TRUE(platform_->input_prompts.empty());
  EXPECT_TRUE(filed().empty());
  finish_test(0, 0, "1:10");
  report_.FormShow();
  EXPECT_EQ(report_.LL->text(), "0%");
  EXPECT_EQ(report_.Ltime->text(), QStringLiteral("1分10秒"));
  EXPECT_FALSE(report_.lbSorry->isVisibleTo(&report_));
  EXPECT_TRUE(platform_->input_prompts.empty());
}

TEST_F(ReportWindowTest, EqualToTheLowestOfTenShowsSorryOneMoreEntersAndDropsTheLowest) {
  write_scores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  finish_test(10, 0, "1:00");
  report_.FormShow();
  EXPECT_TRUE(report_.lbSorry->isVisibleTo(&report_));
  EXPECT_TRUE(platform_->input_prompts.empty());

  finish_test(11, 0, "1:00");
  platform_->input_answers.push_back(QStringLiteral("李"));
  QTimer::singleShot(0, [&] { high_.close(); });
  report_.FormShow();
  EXPECT_FALSE(report_.lbSorry->isVisibleTo(&report_));
  const auto records = filed();
  ASSERT_EQ(records.size(), 10u);
  EXPECT_EQ(records[9], (TopTenRecord{gbk("李"), 11}));
}

TEST_F(ReportWindowTest, EnterAppendsTheCodesLineByLineAndTheNextReportStartsAgain) {
  practice_.session.errata = {gbk("一(二)"), gbk("二(三)"), gbk("三(一)")};
  finish_test(0, 0, "0:00");
  report_.FormShow();
  for (int i = 0; i < 4; ++i) QTest::keyClick(report_.Mresult, Qt::Key_Return);
  EXPECT_EQ(report_.Mresult->toPlainText(), QStringLiteral("一(二)1\n二(三)2\n三(一)3"));
  EXPECT_EQ(practice_.session.errata_cursor, 3);

  practice_.session.clear_errata();  // as the practice window does after every report
  practice_.session.errata = {gbk("二(一)")};
  report_.FormShow();
  QTest::keyClick(&report_, Qt::Key_Return);
  EXPECT_EQ(report_.Mresult->toPlainText(), QStringLiteral("二(一)2"));
}

// The cursor went back to 0 on every report: codes called up on the last result during a pause
// were appended a second time in the test's own report.
TEST_F(ReportWindowTest, ALineThatHasItsCodeNeverGetsItAgainUntilTheListIsCleared) {
  practice_.session.errata = {gbk("一(二)"), gbk("二(三)")};
  report_.review_only = true;
  report_.FormShow();
  QTest::keyClick(report_.Mresult, Qt::Key_Return);
  report_.review_only = false;
  finish_test(2, 2, "0:30");
  report_.FormShow();
  QTest::keyClick(report_.Mresult, Qt::Key_Return);
  QTest::keyClick(report_.Mresult, Qt::Key_Return);
  EXPECT_EQ(report_.Mresult->toPlainText(), QStringLiteral("一(二)1\n二(三)2"));
}

TEST_F(ReportWindowTest, ACharacterOutsideTheDictionaryGetsNothingButTakesItsTurn) {
  practice_.session.errata = {gbk("国(一)"), gbk("一(二)")};
  report_.FormShow();
  report_.append_next_code();
  report_.append_next_code();
  EXPECT_EQ(report_.Mresult->toPlainText(), QStringLiteral("国(一)\n一(二)1"));
}

TEST_F(ReportWindowTest, FromThePracticeWindowTheTopTenShowsTheTableAndOffersTheLastResult) {
  write_scores({80, 50});
  bool button3_enabled = false;
  QString second;
  QTimer::singleShot(0, [&] {
    button3_enabled = high_.Button3->isEnabled();
    second = high_.cell(2, 1) + " " + high_.cell(2, 2);
    high_.close();
  });
  practice_.SBtnHelpClick();
  EXPECT_TRUE(button3_enabled);
  EXPECT_EQ(second, "p50 50");
  EXPECT_EQ(high_.cell(0, 0), QStringLiteral("前十名"));
  EXPECT_EQ(high_.cell(10, 0), "10");
  EXPECT_EQ(high_.cell(3, 1), "");
  EXPECT_EQ(filed().size(), 2u);  // nothing filed
}

TEST_F(ReportWindowTest, TheLastResultShowsTheReportUnchanged) {
  finish_test(120, 6, "2:30");
  platform_->input_answers.push_back(QStringLiteral("甲"));
  QTimer::singleShot(0, [&] { high_.close(); });
  report_.FormShow();
  finish_test(1, 1, "9:09");  // a later, unreported state of the practice window
  report_.lbSorry->show();
  QString shown_rate;
  QTimer::singleShot(0, [&] {
    shown_rate = report_.LRate->text();
    report_.close();
  });
  high_.Button3Click();
  EXPECT_EQ(shown_rate, QStringLiteral("46字/分"));
  EXPECT_EQ(report_.Ltime->text(), QStringLiteral("2分30秒"));
  EXPECT_FALSE(report_.lbSorry->isVisibleTo(&report_));
  EXPECT_FALSE(report_.review_only);
}

TEST_F(ReportWindowTest, F1RevealsClearingWhichEmptiesTheFileAndTheRows) {
  write_scores({80, 50});
  high_.show();
  EXPECT_FALSE(high_.Button1->isVisible());
  QTest::keyClick(&high_, Qt::Key_F1);
  EXPECT_TRUE(high_.Button1->isVisible());
  high_.Button1->click();
  EXPECT_EQ(std::filesystem::file_size(dir_.path() / "files/record.dat"), 0u);
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_EQ(platform_->messages[0].text, QStringLiteral("排行榜已清空"));
  EXPECT_EQ(high_.cell(1, 1), " ");
  EXPECT_EQ(high_.cell(10, 2), " ");
  high_.close();
}

TEST_F(ReportWindowTest, AMissingRecordFileIsReportedAndTheValuesStay) {
  std::filesystem::remove(dir_.path() / "files/record.dat");
  finish_test(60, 0, "1:00");
  report_.show();  // the show handler runs guarded
  EXPECT_EQ(report_.LRate->text(), QStringLiteral("60字/分"));
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains("record.dat"));
  report_.close();
}

// The whole way: a test typed to the end, the name box, the top ten, the report and its codes.
TEST_F(ReportWindowTest, TypingAnArticleToTheEndFilesTheResultAndShowsTheErrataCodes) {
  testing::write_dictionary(
      dir_, {{"1", gbk("一")}, {"2", gbk("二")}, {"3", gbk("三")}, {"4", gbk("四")}});
  dir_.write("test.tvm", testing::practice_file("一二三四"));
  practice_.program_dir = QByteArray::fromStdString(dir_.path().string() + "/");
  practice_.show();
  practice_.BtnStartClick();
  for (int s = 0; s < 30; ++s) practice_.Timer1Timer();
  auto keys = [&](const char* text) {
    for (const char* c = text; *c; ++c) {
      QTest::keyClick(practice_.Edit_input, *c, Qt::KeypadModifier);
    }
  };
  keys("1/3/3/4");
  platform_->input_answers.push_back(QStringLiteral("王"));
  QString top_row, errata;
  QTimer::singleShot(0, [&] {
    top_row = high_.cell(1, 1) + " " + high_.cell(1, 2);
    high_.close();
    QTimer::singleShot(0, [&] {
      QTest::keyClick(report_.Mresult, Qt::Key_Return);
      errata = report_.Mresult->toPlainText();
      report_.close();
    });
  });
  keys("/");
  EXPECT_EQ(top_row, QStringLiteral("王 6"));  // 3 correct in 30 seconds
  EXPECT_EQ(report_.LRate->text(), QStringLiteral("6字/分"));
  EXPECT_EQ(report_.Ltime->text(), QStringLiteral("0分30秒"));
  EXPECT_EQ(report_.LL->text(), "75%");
  EXPECT_EQ(errata, QStringLiteral("二(三)2"));
  EXPECT_TRUE(practice_.session.errata.empty());  // cleared after the report
  EXPECT_EQ(filed(), (std::vector<TopTenRecord>{{gbk("王"), 6}}));
  practice_.close();
}

}  // namespace
}  // namespace tavrel::article
