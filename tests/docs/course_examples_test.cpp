// The course's typing examples typed, key by key as the course shows them, in article practice
// over the shipped dictionary: each gives its characters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "article/ex16.h"
#include "article/test.h"
#include "article/test_result.h"
#include "history_file.h"
#include "platform/scripted_platform.h"
#include "tests/article/article_fixture.h"
#include "tests/article/practice_globals.h"

namespace tavrel::article {
namespace {

namespace fs = std::filesystem;

struct Example {
  std::string text;  // UTF-8
  std::string keys;  // as the course prints them: "2722 / 空格"
};

// The examples as the course's build renders them from the shipped table.
std::vector<Example> course_examples() {
  const std::string command = std::string(TAVREL_PYTHON) + " " + TAVREL_SOURCE_DIR +
                              "/docs/tools/course_examples.py " + TAVREL_SOURCE_DIR +
                              "/data/hzlib " + TAVREL_SOURCE_DIR + "/docs/course";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {};
  std::string output;
  char buffer[512];
  while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
  if (pclose(pipe) != 0) return {};
  std::vector<Example> examples;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    const auto tab = line.find('\t');
    if (tab != std::string::npos) examples.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return examples;
}

// Types the course's keys into whatever has the focus: the code's digits, "/" or "*" on the
// keypad, then 空格 (space) or a candidate's digit.
void type_keys(const std::string& keys) {
  std::istringstream tokens(keys);
  for (std::string token; tokens >> token;) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    if (token == "空格") {
      QTest::keyClick(focus, Qt::Key_Space);
      continue;
    }
    for (const char key : token) {
      ASSERT_TRUE((key >= '0' && key <= '9') || key == '/' || key == '*') << keys;
      QTest::keyClick(focus, key, Qt::KeypadModifier);
    }
  }
}

class CourseExamples : public ::testing::Test {
 protected:
  CourseExamples() {
    fs::copy(fs::path(TAVREL_SOURCE_DIR) / "data" / "hzlib", dir_.path() / "hzlib");
    window_.program_dir = QByteArray::fromStdString(dir_.path().string() + "/");
  }
  ~CourseExamples() override { window_.close(); }

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

TEST_F(CourseExamples, TypedAsTheCourseShowsThemGiveTheirCharacters) {
  const std::vector<Example> examples = course_examples();
  ASSERT_GE(examples.size(), 8u) << "the course's practice lesson shows its examples";
  std::string article;
  for (const auto& example : examples) article += example.text;
  // One character more, never typed, so that the test does not end with the last example.
  dir_.write("test.tvm", testing::practice_file(article + "的"));
  window_.show();
  QApplication::setActiveWindow(&window_);
  window_.BtnStartClick();
  window_.Timer1Timer();
  int characters = 0;
  for (const auto& example : examples) {
    SCOPED_TRACE(example.text + ": " + example.keys);
    type_keys(example.keys);
    characters += static_cast<int>(QString::fromStdString(example.text).size());
    EXPECT_EQ(window_.session.typed, characters);
    EXPECT_EQ(window_.session.wrong, 0);
  }
  EXPECT_TRUE(platform_->messages.empty());
}

}  // namespace
}  // namespace tavrel::article
