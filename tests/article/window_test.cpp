// The practice window offscreen: showing, choosing and converting, and a test typed with keys.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "article/test.h"
#include "article/test_change.h"
#include "article_fixture.h"
#include "platform/application.h"
#include "platform/scripted_platform.h"

namespace tavrel::article {
namespace {

using testing::gbk;

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    testing::write_dictionary(dir_, {{"1", gbk("一")},
                                     {"2", gbk("二")},
                                     {"3", gbk("三")},
                                     {"4", gbk("四")},
                                     {"4", gbk("泗")},
                                     {"4", gbk("寺")}});
    dir_.write("test.tvm", testing::practice_file("一二三四"));
    two = &two_;
    form_test = &window_;
    Form_change = &change_;
    window_.program_dir = QByteArray::fromStdString(dir_.path().string() + "/");
  }
  ~WindowTest() override {
    window_.close();
    two = nullptr;
    form_test = nullptr;
    Form_change = nullptr;
  }

  void keys(const QString& text) {
    for (QChar c : text) {
      if (c == ' ') {
        QTest::keyClick(window_.Edit_input, Qt::Key_Space);
      } else {
        QTest::keyClick(window_.Edit_input, c.toLatin1(), Qt::KeypadModifier);
      }
    }
  }

  // The colour the box shows for the character `index` of box line `line`.
  QColor shown_colour(int line, int index) {
    QTextBlock block = window_.REdit1->document()->findBlockByNumber(line);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment f = it.fragment();
      if (index >= f.position() - block.position() &&
          index < f.position() - block.position() + f.length()) {
        return f.charFormat().foreground().color();
      }
    }
    return {};
  }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ScopedScriptedPlatform platform_;
  Ttwo two_;
  Tform_test window_;
  TForm_change change_;
};

TEST_F(WindowTest, ShowingLoadsTheDefaultArticleAndWaitsPaused) {
  window_.show();
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("暂停"));
  EXPECT_TRUE(window_.BtnStart->isVisible());
  EXPECT_FALSE(window_.ScrollBox1->isVisible());
  EXPECT_EQ(window_.Label_file->text(), "test.tvm");
  EXPECT_EQ(window_.REdit1->document()->findBlockByNumber(0).text().left(4),
            QStringLiteral("一二三四"));
  EXPECT_TRUE(window_.Timer3->isActive());
  EXPECT_EQ(window_.Ltime->text(), "9:30:00");
}

TEST_F(WindowTest, TypingThroughCodesColoursTheArticleAndEndsWithAFreshReload) {
  window_.show();
  window_.BtnStartClick();
  EXPECT_TRUE(window_.ScrollBox1->isVisible());
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("正在测试"));
  window_.Timer1Timer();  // the first second clears the counters
  keys("1/");
  keys("3 ");  // wrong: the article has 二
  EXPECT_EQ(window_.alread->text(), "2");
  EXPECT_EQ(window_.wrong->text(), "1");
  EXPECT_EQ(shown_colour(0, 0), QColor(Qt::black));
  EXPECT_EQ(shown_colour(0, 1), QColor(Qt::red));
  EXPECT_EQ(shown_colour(1, 1), QColor(Qt::blue));
  QTest::keyClick(window_.Edit_input, Qt::Key_Backspace);
  EXPECT_EQ(window_.wrong->text(), "0");
  keys("2");
  window_.Timer1Timer();  // a tick between the digits of a code keeps them
  keys("/3/4/");
  EXPECT_EQ(window_.result1->text().count('.'), 3);  // 四 has three candidates
  EXPECT_TRUE(window_.Edit_input->text() == "4");
  keys("0");
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("请选择文章"));
  EXPECT_TRUE(window_.BtnStart->isVisible());
  EXPECT_TRUE(window_.session.fresh);
  EXPECT_TRUE(window_.REdit1->document()->findBlockByNumber(1).text().isEmpty());
  EXPECT_EQ(window_.alread->text(), "4");  // kept until the next test's first second
  EXPECT_FALSE(window_.Timer1->isActive());
}

TEST_F(WindowTest, TimeUpLetsTheTestContinueWithANewClock) {
  window_.session.practice_minutes = 1;
  window_.show();
  window_.BtnStartClick();
  keys("1/");
  for (int s = 0; s < 60; ++s) window_.Timer1Timer();
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("请按开始键继续测试"));
  EXPECT_EQ(window_.Lgo->text(), "0:00");
  EXPECT_EQ(window_.alread->text(), "0");
  EXPECT_FALSE(window_.SBtnSetup->isEnabled());
  window_.BtnStartClick();
  window_.Timer1Timer();
  EXPECT_EQ(window_.Lgo->text(), "00:01");
  keys("2/");
  EXPECT_EQ(window_.REdit1->document()->findBlockByNumber(1).text(), QStringLiteral("一二"));
}

TEST_F(WindowTest, WithoutADefaultArticleDecliningLeavesNoTestToStartAndEnterDoesNothing) {
  std::filesystem::remove(dir_.path() / "test.tvm");
  platform_->message_answers.push_back(MsgResult::Cancel);
  window_.show();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_EQ(platform_->messages[0].text, QStringLiteral("没有找到测试文件，要亲自找吗"));
  EXPECT_FALSE(window_.BtnStart->isVisible());
  QTest::keyClick(&window_, Qt::Key_Return);
  EXPECT_EQ(window_.session.typed, 0);
  EXPECT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(WindowTest, ConvertingOffersTheArticleAndSetsTheWorkingDirectoryBackEveryTime) {
  window_.show();
  testing::TempDir elsewhere;
  const auto source = elsewhere.write("poem.txt", gbk("床前明月光，疑是地上霜。"));
  auto answer_with = [this](QPushButton* button) {
    QTimer::singleShot(0, [this, button] {
      EXPECT_EQ(change_.Label1->text(), QStringLiteral("共包含10个汉字"));
      button->click();
    });
  };

  // Declined: the article on display stays; the dialog's folder is not left current.
  std::filesystem::current_path(elsewhere.path());
  platform_->file_answers.push_back(source);
  answer_with(change_.BitBtn1);
  window_.change_fileClick();
  EXPECT_EQ(window_.Label_file->text(), "test.tvm");
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("暂停"));
  EXPECT_EQ(std::filesystem::current_path(), dir_.path());
  EXPECT_EQ(elsewhere.read("poem.tvm"), convert_text(gbk("床前明月光疑是地上霜")).bytes);

  platform_->file_answers.push_back(source);
  answer_with(change_.BitBtnok);
  window_.change_fileClick();
  EXPECT_EQ(window_.Label_file->text(), "poem.tvm");
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("请按开始按钮"));
  EXPECT_EQ(window_.article_path, (elsewhere.path() / "poem.tvm").string());

  // A failed conversion reports the error and still sets the working directory back.
  const auto empty = elsewhere.write("empty.txt", "");
  std::filesystem::current_path(elsewhere.path());
  platform_->file_answers.push_back(empty);
  tavrel::guarded([this] { window_.change_fileClick(); });
  EXPECT_EQ(std::filesystem::current_path(), dir_.path());
  EXPECT_EQ(window_.LChange->text(), QStringLiteral("正在转换 ..."));
  EXPECT_EQ(platform_->messages.size(), 1u);

  // A practice file is never converted onto itself.
  const auto own = elsewhere.write("old.tvm", "keep");
  platform_->file_answers.push_back(own);
  window_.change_fileClick();
  EXPECT_EQ(elsewhere.read("old.tvm"), "keep");
  EXPECT_EQ(platform_->messages.size(), 2u);
  EXPECT_EQ(window_.Label_file->text(), "poem.tvm");
}

// Files that are no practice files load without harm and type by the same rules.
TEST_F(WindowTest, AnyChosenFileLoadsAndAMissingDictionaryIsReportedWithoutStoppingTheWindow) {
  window_.show();
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 37 % 256);
  for (const std::string& bytes : {binary, std::string(), gbk("没有空格的文章")}) {
    platform_->file_answers.push_back(dir_.write("odd.tvm", bytes));
    window_.select_fileClick();
    EXPECT_EQ(window_.LChange->text(), QStringLiteral("请按开始按钮"));
    window_.BtnStartClick();
    keys("1/ 2/");
    EXPECT_GE(window_.session.typed, 2);
    window_.BtnPauseClick();
  }
  std::filesystem::remove(dir_.path() / "hzlib" / "zh1");
  window_.BtnStartClick();
  const int before = window_.session.typed;
  keys("1/");
  EXPECT_EQ(window_.session.typed, before);
  EXPECT_FALSE(platform_->messages.empty());
  EXPECT_EQ(window_.Edit_input->text(), "1");  // the key's action was abandoned
  QTest::keyClick(window_.Edit_input, Qt::Key_Backspace);
  keys(" ");
  EXPECT_EQ(window_.session.typed, before + 1);
}

// Keys as the toolkit delivers them: through the active window to its focused widget.
void press_in_focus(QWidget* window, Qt::Key key) {
  QApplication::setActiveWindow(window);
  QTest::keyClick(window->windowHandle(), key);
}

// Opened, closed, reopened without "test.tvm" and the question declined: the hidden start button
// kept the focus, one Enter started a test on an empty box and the next ended that "article".
TEST_F(WindowTest, WithNoArticleEnterOnTheFocusedWidgetStartsNothing) {
  window_.show();
  window_.close();
  std::filesystem::remove(dir_.path() / "test.tvm");
  platform_->message_answers.push_back(MsgResult::Cancel);
  window_.show();
  for (int i = 0; i < 3; ++i) press_in_focus(&window_, Qt::Key_Return);
  EXPECT_FALSE(window_.ScrollBox1->isVisible());
  EXPECT_FALSE(window_.Timer1->isActive());
  EXPECT_EQ(window_.session.typed, 0);
  EXPECT_TRUE(window_.session.errata.empty());
  EXPECT_EQ(platform_->messages.size(), 1u) << "only the question, no error";
}

// An article that cannot be read again at its end still ends the test: no errata line of it
// may stay behind for the next test's report.
TEST_F(WindowTest, TheEndOfTheArticleClearsTheErrataAlsoWhenTheReloadFails) {
  window_.show();
  window_.BtnStartClick();
  window_.Timer1Timer();
  keys("1/3/3/");  // 二 typed wrongly
  ASSERT_EQ(window_.session.errata.size(), 1u);
  std::filesystem::remove(dir_.path() / "test.tvm");
  keys("4/0");  // the last character ends the article; the reload fails
  EXPECT_FALSE(platform_->messages.empty());
  EXPECT_TRUE(window_.session.errata.empty());
  EXPECT_TRUE(window_.session.fresh);
  EXPECT_TRUE(window_.BtnStart->isVisible());
}

// A folder named "test.tvm" gave "std::bad_alloc", a pipe held the window for ever, a huge
// file froze it for minutes: each is refused at once with a reason in Chinese.
TEST_F(WindowTest, AFolderAPipeOrAHugeFileAsTheArticleIsRefusedWithAChineseReason) {
  const auto article = dir_.path() / "test.tvm";
  std::filesystem::remove(article);
  std::filesystem::create_directory(article);
  window_.show();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("文件夹")))
      << platform_->messages[0].text.toStdString();
  window_.close();
  std::filesystem::remove(article);
  ASSERT_EQ(::mkfifo(article.c_str(), 0644), 0);
  window_.show();
  ASSERT_EQ(platform_->messages.size(), 2u);
  EXPECT_TRUE(platform_->messages[1].text.contains(QStringLiteral("不是普通文件")));
  window_.close();
  std::filesystem::remove(article);
  dir_.write("test.tvm", "");
  std::filesystem::resize_file(article, 100u << 20);
  window_.show();
  ASSERT_EQ(platform_->messages.size(), 3u);
  EXPECT_TRUE(platform_->messages[2].text.contains(QStringLiteral("太大")));
  EXPECT_FALSE(window_.BtnStart->isVisible()) << "no start button over an empty box";
  for (int i = 0; i < 2; ++i) press_in_focus(&window_, Qt::Key_Return);
  EXPECT_FALSE(window_.ScrollBox1->isVisible()) << "no test starts without an article";
}

}  // namespace
}  // namespace tavrel::article
