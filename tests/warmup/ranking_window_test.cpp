// The ranking window: adding an entry after a game, listing the file, not adding, failing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "common/gbk.h"
#include "platform/scripted_platform.h"
#include "temp_dir.h"
#include "warmup/UHot_sort.h"

namespace tavrel::testing {
namespace {

namespace fs = std::filesystem;

class RankingWindow : public ::testing::Test {
 protected:
  RankingWindow() { window_.ProgramDir = dir_.path().string() + "/"; }

  // A game's end: the entry mode with the game's length and score.
  void open_entry(const char* time, const char* score) {
    window_.GameTime = time;
    window_.GameScore = score;
    window_.Memo1->hide();
    window_.show_for_mode();
  }
  void add(const QString& name) {
    window_.LabeledEdit1->setText(name);
    QTest::mouseClick(window_.Button1, Qt::LeftButton);
  }
  QString listed() {
    window_.Memo1->show();
    window_.show_for_mode();
    return window_.Memo1->toPlainText();
  }
  std::string file_text() const { return utf8_from_gbk(dir_.read("files/record.txt")); }

  TempDir dir_;
  ScopedScriptedPlatform platform_;  // short dates as 2026-1-5
  TFHot_Sort window_;
};

TEST_F(RankingWindow, FirstEntryCreatesTheFileAndTheListShowsIt) {
  fs::create_directory(dir_.path() / "files");
  open_entry("60", "12");
  EXPECT_EQ(window_.LabeledEdit2->text(), QStringLiteral("60秒"));
  EXPECT_EQ(window_.LabeledEdit3->text(), QStringLiteral("12个"));
  add(QStringLiteral("小明"));
  EXPECT_FALSE(window_.isVisible());
  EXPECT_EQ(file_text(), "2026-1-5: 小明 用时：60 成绩：12\r\n");
  EXPECT_EQ(listed(), QStringLiteral("2026-1-5: 小明 用时：60 成绩：12"));
  EXPECT_FALSE(window_.Button1->isVisible()) << "the list covers the entry";
}

TEST_F(RankingWindow, ListWithoutAFileSaysThereAreNoRecords) {
  EXPECT_EQ(listed(), QStringLiteral("暂无记录！"));
  EXPECT_FALSE(fs::exists(dir_.path() / "files"));
}

TEST_F(RankingWindow, EntriesStandInTheOrderAddedWhateverTheirScores) {
  fs::create_directory(dir_.path() / "files");
  open_entry("60", "5");
  add(QString());
  open_entry("120", "40");
  add(QStringLiteral(" b "));
  open_entry("60", "12");
  EXPECT_EQ(window_.LabeledEdit1->text(), QStringLiteral(" b ")) << "the last name stays";
  add(QStringLiteral("c"));
  EXPECT_EQ(listed(), QStringLiteral("2026-1-5:  用时：60 成绩：5\n"
                                     "2026-1-5:  b  用时：120 成绩：40\n"
                                     "2026-1-5: c 用时：60 成绩：12"));
}

TEST_F(RankingWindow, NotAddingWritesNothing) {
  fs::create_directory(dir_.path() / "files");
  open_entry("60", "12");
  window_.LabeledEdit1->setText(QStringLiteral("小明"));
  QTest::mouseClick(window_.Button2, Qt::LeftButton);
  EXPECT_FALSE(window_.isVisible());
  EXPECT_FALSE(fs::exists(dir_.path() / "files" / "record.txt"));
}

TEST_F(RankingWindow, AFailedWriteIsReportedAndTheWindowStaysOpen) {
  open_entry("60", "12");  // no "files" folder beside the program
  add(QStringLiteral("小明"));
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("record.txt")));
  EXPECT_TRUE(window_.isVisible());
  EXPECT_FALSE(fs::exists(dir_.path() / "files"));
}

}  // namespace
}  // namespace tavrel::testing
