// Explanation panel, help window, rich-text loading and the application-wide catch.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "platform/UnitSM.h"
#include "platform/application.h"
#include "platform/rich_text.h"
#include "platform/scripted_platform.h"
#include "platform/shuoming.h"
#include "platform/test_help.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

using testing::CurrentDir;
using testing::TempDir;

const char kWordPadDoc[] =
    "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\qc\\lang2052\\f0\\fs32 \\'d6\\'d0\\b \\'ce\\'c4\\b0\\par\r\n"
    "\\pard\\cf1\\fs24 red\\cf0  plain\\par\r\n}\r\n";

TEST(ExplanationPanel, StartsWithTheNoticeAndKeepsTheLastLoadedText) {
  TempDir dir;
  CurrentDir here(dir.path());
  TFormSM panel;
  EXPECT_EQ(panel.size(), QSize(473, 353));
  EXPECT_TRUE(panel.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(panel.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(panel.RichEdit1->toPlainText(),
            QStringLiteral("对不起，未找到说明文件，但你可以点“开始”练习的。"));
  dir.write("files/base.rtf", kWordPadDoc);
  load_rich_text(*panel.RichEdit1, "files\\base.rtf");
  EXPECT_TRUE(panel.RichEdit1->toPlainText().startsWith(QStringLiteral("中文")));
  EXPECT_THROW(load_rich_text(*panel.RichEdit1, "files\\single.rtf"), std::runtime_error);
  EXPECT_TRUE(panel.RichEdit1->toPlainText().startsWith(QStringLiteral("中文")));
}

TEST(RichText, WordPadFormattingReachesTheDocument) {
  QTextDocument doc;
  fill_document(doc, kWordPadDoc, QFont());
  ASSERT_GE(doc.blockCount(), 2);
  QTextBlock first = doc.firstBlock();
  EXPECT_EQ(first.text(), QStringLiteral("中文"));
  EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  // Characters: 中 plain, 文 bold; 16 points is about 21 pixels.
  auto format_at = [&](const QTextBlock& block, int offset) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment f = it.fragment();
      if (offset >= f.position() - block.position() &&
          offset < f.position() - block.position() + f.length())
        return f.charFormat();
    }
    return QTextCharFormat();
  };
  EXPECT_FALSE(format_at(first, 0).font().bold());
  EXPECT_TRUE(format_at(first, 1).font().bold());
  EXPECT_EQ(format_at(first, 0).font().pixelSize(), 21);
  EXPECT_EQ(format_at(first, 0).font().family(), QStringLiteral("Noto Serif CJK SC"));
  QTextBlock second = first.next();
  EXPECT_EQ(second.text(), QStringLiteral("red plain"));
  EXPECT_EQ(format_at(second, 0).foreground().color(), QColor(255, 0, 0));
  EXPECT_NE(format_at(second, 5).foreground().color(), QColor(255, 0, 0));
}

TEST(RichText, PlainFilesAreGbkText) {
  QTextDocument doc;
  fill_document(doc, "\xD6\xD0\xCE\xC4\r\nabc", QFont());
  EXPECT_EQ(doc.toPlainText(), QStringLiteral("中文\nabc"));
  fill_document(doc, "", QFont());
  EXPECT_EQ(doc.toPlainText(), QString());
}

TEST(RichText, DamagedRichTextNeverCrashes) {
  QTextDocument doc;
  for (const char* bytes : {"{\\rtf1", "{\\rtf1 abc\\'d", "{\\rtf1 }}}}} x", "{\\rtf1 {{{{{{{{ y",
                            "{\\rtf1\\fs99999999999999 z}", "{\\rtf1\\cf7 no table}"}) {
    fill_document(doc, bytes, QFont());
    EXPECT_LE(doc.toPlainText().size(), 20) << bytes;
  }
}

TEST(HelpWindow, ShowsAFileAndClosesWithOk) {
  TempDir dir;
  CurrentDir here(dir.path());
  dir.write("files/tvm.rtf", kWordPadDoc);
  Tform_help help;
  EXPECT_EQ(help.windowTitle(), QStringLiteral("说明"));
  EXPECT_TRUE(help.RichEdit1->isReadOnly());
  EXPECT_EQ(help.RichEdit1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  load_rich_text(*help.RichEdit1, "files\\tvm.rtf");
  EXPECT_TRUE(help.RichEdit1->toPlainText().contains(QStringLiteral("plain")));
  help.show();
  QTest::mouseClick(help.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(help.isVisible());
}

TEST(HiddenOwner, TForm2OwnsTheMediaPlayer) {
  TForm2 form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("前言"));
  form.MediaPlayer1.set_file_name("sound\\win.wav");
  EXPECT_EQ(form.MediaPlayer1.file_name(), "sound\\win.wav");
}

TEST(ErrorCatch, AnErrorInAGuardedHandlerIsShownAndTheProgramGoesOn) {
  ScopedScriptedPlatform platform;
  QPushButton button("x");
  int clicks = 0, finished = 0;
  QObject::connect(&button, &QPushButton::clicked, guard([&] {
    ++clicks;
    throw MediaError("找不到声音文件：sound/Hero.wav");
    ++finished;
  }));
  button.show();
  QTest::mouseClick(&button, Qt::LeftButton);
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(finished, 0);
  ASSERT_EQ(platform->messages.size(), 2u);
  EXPECT_EQ(platform->messages[0].text, QStringLiteral("找不到声音文件：sound/Hero.wav"));
  EXPECT_EQ(platform->messages[0].icon, MsgIcon::Error);
}

// An object whose event handler fails, standing for a handler that was not guarded.
class FailingReceiver : public QObject {
 public:
  int events = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++events;
    throw std::runtime_error("文件已损坏");
  }
};

TEST(ErrorCatch, TheApplicationCatchesWhatAHandlerLetsEscape) {
  ScopedScriptedPlatform platform;
  FailingReceiver receiver;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  EXPECT_EQ(receiver.events, 2);
  ASSERT_EQ(platform->messages.size(), 2u);
  EXPECT_EQ(platform->messages[1].text, QStringLiteral("文件已损坏"));
}

// Library errors used to reach the learner as "std::bad_alloc" or an English system text.
TEST(ErrorCatch, ErrorsOfTheLibrariesAreToldInChinese) {
  ScopedScriptedPlatform platform;
  guarded([] { throw std::bad_alloc(); });
  guarded([] {
    throw std::filesystem::filesystem_error("x", "files/record.dat",
                                            std::make_error_code(std::errc::no_space_on_device));
  });
  guarded([] { throw std::out_of_range("vector::_M_range_check"); });
  guarded([] { throw std::runtime_error("排行榜文件已损坏"); });
  ASSERT_EQ(platform->messages.size(), 4u);
  EXPECT_EQ(platform->messages[0].text, QStringLiteral("内存不足，操作没有完成。"));
  EXPECT_EQ(platform->messages[1].text, QStringLiteral("文件操作失败“files/record.dat”：磁盘已满"));
  EXPECT_EQ(platform->messages[2].text, QStringLiteral("程序内部出错，操作没有完成。"));
  EXPECT_EQ(platform->messages[3].text, QStringLiteral("排行榜文件已损坏"));
}

}  // namespace
}  // namespace tavrel
