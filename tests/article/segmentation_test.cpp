// Segmentation: the longest-first scan, alternating colours, words across the line end, the panel.
#include "article/segmentation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <set>

#include "article/test.h"
#include "article_fixture.h"
#include "platform/scripted_platform.h"

namespace tavrel::article {
namespace {

using testing::gbk;
using testing::nth_char;

// Filler characters that are never words: distinct GB2312 characters.
std::string filler(int count, int first = 0) {
  std::string text;
  for (int i = 0; i < count; ++i) text += nth_char(first + i);
  return text;
}

ArticleBox box_of(const std::string& gbk_text) {
  ArticleBox box;
  box.load(split_box_lines(convert_text(gbk_text + " ").bytes), 0);
  return box;
}

struct Lookup {
  std::set<std::string> words;  // GBK
  std::vector<std::pair<int, std::string>> calls;
  WordLookup fn() {
    return [this](int n, std::string_view w) {
      calls.emplace_back(n, std::string(w));
      return words.count(std::string(w)) > 0;
    };
  }
};

// Colour of the character `index` (from 0) of box line `line`.
Colour colour_of(const ArticleBox& box, int line, int index) {
  return box.colour_at(line, 2 * index);
}

TEST(Segmentation, ASevenCharacterWordIsFuchsiaAndTheNextWordBlue) {
  testing::TempDir dir;
  testing::CurrentDir in_dir(dir.path());
  testing::write_dictionary(
      dir,
      {{"1", gbk("中华人民共和国")}, {"2", gbk("人民")}, {"3", gbk("万岁")}, {"4", gbk("中华")}});
  Ttwo two;
  ArticleBox box = box_of(gbk("中华人民共和国万岁好"));
  const auto result = segment(box, [&](int n, std::string_view w) { return two.find_word(n, w); });
  ASSERT_EQ(result.words.size(), 2u);
  EXPECT_EQ(result.words[0].text, gbk("中华人民共和国"));
  for (int i = 0; i < 7; ++i) EXPECT_EQ(colour_of(box, 0, i), kFuchsia) << i;
  EXPECT_EQ(colour_of(box, 0, 7), kBlue);
  EXPECT_EQ(colour_of(box, 0, 8), kBlue);
  EXPECT_EQ(colour_of(box, 0, 9), 0u);
}

TEST(Segmentation, ASingleCharacterBetweenWordsKeepsItsColourAndDoesNotFlip) {
  Lookup lookup;
  const std::string a = filler(2, 0), b = filler(3, 10), c = filler(2, 20);
  lookup.words = {a, b, c};
  ArticleBox box = box_of(a + b + nth_char(50) + c);
  const auto result = segment(box, lookup.fn());
  ASSERT_EQ(result.words.size(), 3u);
  EXPECT_EQ(colour_of(box, 0, 0), kFuchsia);
  EXPECT_EQ(colour_of(box, 0, 1), kFuchsia);
  EXPECT_EQ(colour_of(box, 0, 2), kBlue);
  EXPECT_EQ(colour_of(box, 0, 4), kBlue);
  EXPECT_EQ(colour_of(box, 0, 5), 0u);
  EXPECT_EQ(colour_of(box, 0, 6), kFuchsia);
  EXPECT_EQ(colour_of(box, 0, 7), kFuchsia);
}

TEST(Segmentation, AWordAcrossTheLineEndIsColouredInBothLinesAndTheNextLineStartsAfterIt) {
  Lookup lookup;
  // Characters 30 of line 1 and 1 of line 2 form a word; line 2's characters 1-2 would also be
  // one, but the scan of line 2 begins at its second character.
  const std::string line1 = filler(30, 0), line2 = filler(30, 100);
  lookup.words = {line1.substr(58, 2) + line2.substr(0, 2), line2.substr(0, 4), line2.substr(2, 4)};
  ArticleBox box = box_of(line1 + line2);
  ASSERT_EQ(box.line(0).size(), 60u);
  const auto result = segment(box, lookup.fn());
  ASSERT_EQ(result.words.size(), 2u);
  EXPECT_EQ(colour_of(box, 0, 29), kFuchsia);
  EXPECT_EQ(colour_of(box, 0, 28), 0u);
  EXPECT_EQ(colour_of(box, 2, 0), kFuchsia);
  EXPECT_EQ(colour_of(box, 2, 1), kBlue);
  EXPECT_EQ(colour_of(box, 2, 2), kBlue);
  EXPECT_EQ(colour_of(box, 2, 3), 0u);
  EXPECT_EQ(result.words[1].line, 2);
  EXPECT_EQ(result.words[1].column, 2);
  // The part within line 1 alone is never tried for a word that would run over.
  for (const auto& [n, w] : lookup.calls) EXPECT_EQ(static_cast<int>(w.size()), 2 * n);
}

TEST(Segmentation, ATenCharacterWordIsNeverFoundWholeItsNineCharacterStartIs) {
  Lookup lookup;
  const std::string ten = filler(10, 0);
  lookup.words = {ten};
  ArticleBox only_ten = box_of(ten);
  EXPECT_TRUE(segment(only_ten, lookup.fn()).words.empty());
  for (const auto& [n, w] : lookup.calls) EXPECT_LE(n, 9);

  lookup.words.insert(ten.substr(0, 18));
  ArticleBox box = box_of(ten);
  const auto result = segment(box, lookup.fn());
  ASSERT_EQ(result.words.size(), 1u);
  EXPECT_EQ(result.words[0].text, ten.substr(0, 18));
  EXPECT_EQ(colour_of(box, 0, 8), kFuchsia);
  EXPECT_EQ(colour_of(box, 0, 9), 0u);
}

TEST(Segmentation, LongestFirstAndEveryLineReported) {
  Lookup lookup;
  const std::string text = filler(70, 0);
  lookup.words = {text.substr(0, 4), text.substr(0, 8)};
  ArticleBox box = box_of(text);
  int lines = 0;
  const auto result = segment(box, lookup.fn(), [&] { ++lines; });
  ASSERT_EQ(result.words.size(), 1u);
  EXPECT_EQ(result.words[0].text, text.substr(0, 8));
  EXPECT_EQ(lines, 4);  // three article lines and the closing one
  EXPECT_EQ(result.lookups, static_cast<long>(lookup.calls.size()));
  EXPECT_EQ(lookup.calls.front(), (std::pair<int, std::string>{9, text.substr(0, 18)}));
}

class SegmentWindowTest : public ::testing::Test {
 protected:
  SegmentWindowTest() {
    testing::write_dictionary(
        dir_, {{"1", gbk("一")}, {"2", gbk("二")}, {"12", gbk("一二")}, {"34", gbk("三四")}});
    dir_.write("test.tvm", testing::practice_file("一二三四五"));
    two = &two_;
    form_test = &window_;
    window_.program_dir = QByteArray::fromStdString(dir_.path().string() + "/");
  }
  ~SegmentWindowTest() override {
    window_.close();
    two = nullptr;
    form_test = nullptr;
  }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ScopedScriptedPlatform platform_;
  Ttwo two_;
  Tform_test window_;
};

TEST_F(SegmentWindowTest, YesColoursTheWordsAndLeavesTheButtonDisabled) {
  window_.show();
  window_.session.clock_text = "1:05";
  platform_->message_answers.push_back(MsgResult::Yes);
  window_.BitBtn1->click();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_EQ(platform_->messages[0].text, QStringLiteral("自动切词可能需要几分钟。要等待吗？"));
  EXPECT_EQ(platform_->messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(window_.session.box.colour_at(0, 0), kFuchsia);
  EXPECT_EQ(window_.session.box.colour_at(0, 4), kBlue);
  EXPECT_EQ(window_.session.box.colour_at(0, 8), 0u);
  EXPECT_FALSE(window_.BitBtn1->isEnabled());
  EXPECT_FALSE(window_.zdqc->isVisible());
  EXPECT_EQ(window_.ProgressBar2->value(), 4);
  EXPECT_EQ(window_.Lgo->text(), "0:00");
  EXPECT_TRUE(window_.Edit_input->isEnabled());
}

// The panel lies over the middle of the box, where the start button is: it must hide it.
TEST_F(SegmentWindowTest, ThePanelCoversTheStartButtonWhileItIsShown) {
  window_.show();
  ASSERT_TRUE(window_.BtnStart->isVisible());
  window_.zdqc->show();
  window_.zdqc->raise();
  const QRect uncovered = window_.BtnStart->geometry() & window_.zdqc->geometry();
  ASSERT_FALSE(uncovered.isEmpty());
  // A point of the button that no control of the panel covers: the gap under the legend.
  const QWidget* legend = window_.zdqc->findChild<QWidget*>("zdqc_legend");
  const QPoint gap(window_.BtnStart->geometry().center().x(),
                   window_.zdqc->y() + legend->geometry().bottom() + 1);
  ASSERT_TRUE(window_.BtnStart->geometry().contains(gap));
  const QImage shot = window_.grab().toImage();
  EXPECT_EQ(shot.pixelColor(gap), window_.zdqc->palette().color(QPalette::Window));
}

// A dictionary file that goes missing: the error is shown and the window stays usable.
TEST_F(SegmentWindowTest, ADictionaryErrorIsReportedAndThePanelDoesNotStayInTheWay) {
  window_.show();
  std::filesystem::remove(dir_.path() / "hzlib" / "zh2.hz");
  platform_->message_answers.push_back(MsgResult::Yes);
  window_.BitBtn1->click();
  ASSERT_EQ(platform_->messages.size(), 2u);
  EXPECT_NE(platform_->messages[1].text.indexOf("zh2.hz"), -1)
      << platform_->messages[1].text.toStdString();
  EXPECT_FALSE(window_.zdqc->isVisible());
  EXPECT_TRUE(window_.BtnStart->isVisible());
  EXPECT_TRUE(window_.BitBtn1->isEnabled());
  EXPECT_EQ(window_.session.box.colour_at(0, 0), 0u);
}

TEST_F(SegmentWindowTest, NoLeavesTheBoxAndTheClockAsTheyWere) {
  window_.show();
  window_.session.clock_text = "1:05";
  window_.Lgo->setText("1:05");
  platform_->message_answers.push_back(MsgResult::No);
  window_.BitBtn1->click();
  EXPECT_EQ(window_.session.box.colour_at(0, 0), 0u);
  EXPECT_TRUE(window_.BitBtn1->isEnabled());
  EXPECT_EQ(window_.Lgo->text(), "1:05");
  ASSERT_TRUE(window_.BtnStart->isVisible());
  window_.SBtnQuit->setFocus();
  platform_->message_answers.push_back(MsgResult::No);
  window_.BitBtn1Click();
  EXPECT_EQ(window_.focusWidget(), window_.BtnStart);
}

}  // namespace
}  // namespace tavrel::article
