// The launcher offscreen: start-up order, hover pictures, animation, documents, online page, exit.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/Unit_about.h"
#include "app/built_in_pictures.h"
#include "app/face01.h"
#include "app/online_page.h"
#include "app/startup.h"
#include "platform/scripted_platform.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

using testing::CurrentDir;
using testing::TempDir;

// A one-frame GIF: a movie the player can load.
const std::string kTinyGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00"
    ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
    43);

void write_jpeg(const std::filesystem::path& file, QColor color) {
  std::filesystem::create_directories(file.parent_path());
  QImage image(297, 424, QImage::Format_RGB32);
  image.fill(color);
  ASSERT_TRUE(image.save(QString::fromStdString(file.string()), "JPG"));
}

class Launcher : public ::testing::Test {
 protected:
  void SetUp() override {
    launcher_.ProgramPath = (program_.path() / "tavrel").string();
    launcher_.FormShow();
  }
  QImage preview() const { return launcher_.Image2->pixmap().toImage(); }

  TempDir program_;
  TempDir working_;
  CurrentDir here_{working_.path()};
  ScopedScriptedPlatform platform_;
  Tpreface01 launcher_;
};

TEST(StartUp, CreatesTheWindowsOnceInTheirOrderWithTheLauncherFirst) {
  create_windows();
  const auto& windows = created_windows();
  ASSERT_GE(windows.size(), 5u);
  EXPECT_EQ(windows.front(), preface01);
  std::vector<QString> order;
  for (QWidget* w : windows) order.push_back(w->objectName());
  auto position = [&](const char* name) {
    return std::find(order.begin(), order.end(), QString(name)) - order.begin();
  };
  EXPECT_LT(position("Tpreface01"), position("TForm2"));
  EXPECT_LT(position("TForm2"), position("TAbout"));
  EXPECT_LT(position("TAbout"), position("TFormSM"));
  EXPECT_LT(position("TFormSM"), position("Tform_help"));
  EXPECT_EQ(find_window("TAbout"), About);
  EXPECT_EQ(find_window("NoSuchWindow"), nullptr);
  for (QWidget* w : windows) EXPECT_FALSE(w->isVisible());
  destroy_windows();
  EXPECT_EQ(preface01, nullptr);
  EXPECT_TRUE(created_windows().empty());
}

TEST_F(Launcher, HasItsFixedSizeTitleAndPlaces) {
  EXPECT_EQ(launcher_.size(), QSize(1002, 712));
  EXPECT_EQ(launcher_.windowTitle(), QStringLiteral("Tavrel码输入法教学训练软件"));
  EXPECT_EQ(launcher_.SpeedButton3->geometry(), QRect(83, 245, 106, 39));
  EXPECT_EQ(launcher_.SpeedButton7->geometry(), QRect(847, 639, 78, 34));
  EXPECT_EQ(launcher_.Image2->geometry(), QRect(208, 128, 297, 424));
  EXPECT_EQ(launcher_.ShockwaveFlash1->geometry(), QRect(72, 424, 129, 129));
  EXPECT_FALSE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
  EXPECT_TRUE(launcher_.Image2->pixmap().isNull());
  EXPECT_EQ(launcher_.program_dir(), program_.path().string() + "/");
}

TEST_F(Launcher, HoverPicturesComeFromTheCurrentDirectoryAndMissingOnesKeepTheLast) {
  write_jpeg(working_.path() / "images/1.jpg", Qt::red);
  write_jpeg(working_.path() / "images/3.jpg", Qt::blue);
  write_jpeg(program_.path() / "images/2.jpg", Qt::green);  // not looked for there
  launcher_.SpeedButtonMouseMove(1);
  EXPECT_GT(qRed(preview().pixel(10, 10)), 200);
  launcher_.SpeedButtonMouseMove(2);
  EXPECT_GT(qRed(preview().pixel(10, 10)), 200);
  launcher_.SpeedButtonMouseMove(3);
  EXPECT_GT(qBlue(preview().pixel(10, 10)), 200);
  launcher_.Image1MouseMove();
  EXPECT_TRUE(launcher_.Image2->pixmap().isNull());
}

TEST_F(Launcher, RealPointerMovesReachTheHandlers) {
  write_jpeg(working_.path() / "images/4.jpg", Qt::blue);
  launcher_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher_));
  QTest::mouseMove(launcher_.SpeedButton4, QPoint(10, 10));
  QTest::mouseMove(launcher_.SpeedButton4, QPoint(20, 12));
  EXPECT_FALSE(launcher_.Image2->pixmap().isNull());
  QTest::mouseMove(launcher_.Image1, QPoint(600, 100));
  QTest::mouseMove(launcher_.Image1, QPoint(610, 110));
  EXPECT_TRUE(launcher_.Image2->pixmap().isNull());
  platform_->message_answers = {MsgResult::Yes};
  launcher_.close();
}

TEST_F(Launcher, TheAnimationShowsOnlyOverTheFirstButton) {
  program_.write("images/show.swf", kTinyGif);
  launcher_.FormShow();
  EXPECT_EQ(launcher_.ShockwaveFlash1->movie_path().toStdString(),
            (program_.path() / "images/show.swf").string());
  launcher_.SpeedButtonMouseMove(1);  // no picture 1: the animation shows all the same
  EXPECT_TRUE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
  for (int button = 2; button <= 5; ++button) launcher_.SpeedButtonMouseMove(button);
  EXPECT_TRUE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
  launcher_.Image1MouseMove();
  EXPECT_FALSE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
  for (int button = 2; button <= 5; ++button) launcher_.SpeedButtonMouseMove(button);
  EXPECT_FALSE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
}

TEST_F(Launcher, TheMovieIsReadWhenThePlayerFirstShowsAndPausesWhenItHides) {
  program_.write("images/show.swf", kTinyGif);
  launcher_.FormShow();
  EXPECT_EQ(launcher_.ShockwaveFlash1->frame_count(), 0) << "nothing read while it is hidden";
  launcher_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher_));
  EXPECT_EQ(launcher_.ShockwaveFlash1->frame_count(), 0);
  launcher_.SpeedButtonMouseMove(1);
  EXPECT_EQ(launcher_.ShockwaveFlash1->frame_count(), 1);
  EXPECT_TRUE(launcher_.ShockwaveFlash1->playing());
  EXPECT_NE(launcher_.ShockwaveFlash1->movie(), nullptr);
  launcher_.Image1MouseMove();
  EXPECT_FALSE(launcher_.ShockwaveFlash1->playing());
  platform_->message_answers = {MsgResult::Yes};
  launcher_.close();
}

// The pictures built in at build time are the committed files as the program would decode them.
TEST_F(Launcher, TheBuiltInPicturesAreTheCommittedFilesAsTheyDecode) {
  const QImage face = QImage(TAVREL_DATA_DIR "/images/face.jpg");
  ASSERT_FALSE(face.isNull());
  ASSERT_FALSE(face.hasAlphaChannel());
  const QImage built_in = image_of(kLauncherBackground);
  EXPECT_EQ(built_in.constBits(), kLauncherBackground.pixels) << "the program's bytes, not a copy";
  EXPECT_EQ(built_in, face.convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(launcher_.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
            face.convertToFormat(QImage::Format_RGB32));

  const QImage icon = QImage(TAVREL_DATA_DIR "/images/tavrel_48.png");
  ASSERT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(image_of(kProgramIcon), icon.convertToFormat(QImage::Format_ARGB32))
      << "transparency kept";
}

TEST_F(Launcher, WithoutTheMovieThePlayerStaysEmpty) {
  working_.write("images/show.swf", kTinyGif);  // the movie is looked for in the program folder
  launcher_.FormShow();
  EXPECT_TRUE(launcher_.ShockwaveFlash1->movie_path().isEmpty());
  launcher_.SpeedButtonMouseMove(1);
  EXPECT_TRUE(launcher_.ShockwaveFlash1->isVisibleTo(&launcher_));
  EXPECT_EQ(launcher_.ShockwaveFlash1->frame_count(), 0);
}

TEST_F(Launcher, DocumentsOpenFromTheProgramFolderOnlyWhenPresent) {
  launcher_.SpeedButton1Click();
  launcher_.SpeedButton8Click();
  EXPECT_TRUE(platform_->shell_targets.empty());
  working_.write("course.chm", "x");
  launcher_.SpeedButton1Click();
  EXPECT_TRUE(platform_->shell_targets.empty());
  program_.write("course.chm", "x");
  program_.write("readme.chm", "x");
  launcher_.SpeedButton1Click();
  launcher_.SpeedButton8Click();
  ASSERT_EQ(platform_->shell_targets.size(), 2u);
  EXPECT_EQ(platform_->shell_targets[0].toStdString(), (program_.path() / "course.chm").string());
  EXPECT_EQ(platform_->shell_targets[1].toStdString(), (program_.path() / "readme.chm").string());
}

TEST_F(Launcher, AnInstalledProgramTakesItsSharedDataTreeAsProgramDirectory) {
  program_.write("usr/share/tavrel/hzlib/zh1", "x");
  program_.write("usr/share/tavrel/course.chm", "x");
  launcher_.ProgramPath = (program_.path() / "usr" / "bin" / "tavrel").string();
  launcher_.FormShow();
  EXPECT_EQ(launcher_.program_dir(), (program_.path() / "usr" / "share" / "tavrel").string() + "/");
  launcher_.SpeedButton1Click();
  ASSERT_EQ(platform_->shell_targets.size(), 1u);
  EXPECT_EQ(platform_->shell_targets[0].toStdString(),
            (program_.path() / "usr" / "share" / "tavrel" / "course.chm").string());
}

TEST(CentredWindows, StandInTheMiddleOfTheScreenNotOverTheirParent) {
  ScopedScriptedPlatform platform;
  create_windows();
  const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
  preface01->move(0, 0);
  for (const char* name : {"TAbout", "Tform_sz", "TFormstop", "Tformdelait", "TFPhb", "TFPhbin"}) {
    QWidget* window = find_window(name);
    ASSERT_NE(window, nullptr) << name;
    window->show();
    QApplication::processEvents();
    // Where the window stands, its frame (if the platform draws one) included; a dialog placed
    // over its parent would stand 10 px left and 40 px higher.
    EXPECT_EQ(window->pos(), middle - window->rect().center()) << name;
    window->hide();
  }
  destroy_windows();
}

TEST_F(Launcher, OnlinePageFollowsServerIni) {
  launcher_.SpeedButton5Click();
  EXPECT_TRUE(platform_->shell_targets.empty()) << "no Server.ini: nothing opens";
  program_.write("Server.ini", "[Other]\nName=x\n");
  launcher_.SpeedButton5Click();
  program_.write("Server.ini", "[ServerSetup]\nAddress=https://school.example/typing\n");
  launcher_.SpeedButton5Click();
  ASSERT_EQ(platform_->shell_targets.size(), 2u);
  EXPECT_EQ(platform_->shell_targets[0], QString::fromUtf8(kDefaultOnlinePage));
  EXPECT_TRUE(platform_->shell_targets[0].endsWith("/tvm.asp?lxid=4"));
  EXPECT_EQ(platform_->shell_targets[1], QStringLiteral("https://school.example/typing"));
  // Saved with a UTF-8 byte-order mark, the section was not recognised: the default page opened.
  program_.write("Server.ini",
                 "\xEF\xBB\xBF[ServerSetup]\r\nAddress=https://school.example/bom\r\n");
  launcher_.SpeedButton5Click();
  ASSERT_EQ(platform_->shell_targets.size(), 3u);
  EXPECT_EQ(platform_->shell_targets[2], QStringLiteral("https://school.example/bom"));
}

TEST_F(Launcher, UnsafeAddressesAreIgnoredSilently) {
  for (const char* address : {"file:///etc/passwd", "/usr/bin/xterm", "xterm", "javascript:x",
                              "http://", "http:///etc", "https://a b", "ftp://host/"}) {
    program_.write("Server.ini", std::string("[ServerSetup]\nAddress=") + address + "\n");
    launcher_.SpeedButton5Click();
  }
  EXPECT_TRUE(platform_->shell_targets.empty());
  EXPECT_TRUE(platform_->messages.empty());
}

TEST_F(Launcher, ClosingAsksAndOnlyYesCloses) {
  launcher_.show();
  platform_->message_answers = {MsgResult::No};
  EXPECT_FALSE(launcher_.close());
  EXPECT_TRUE(launcher_.isVisible());
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_EQ(platform_->messages[0].text, QStringLiteral("您是否确定要退出系统？"));
  EXPECT_EQ(platform_->messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(platform_->messages[0].icon, MsgIcon::Warning);
  platform_->message_answers = {MsgResult::Yes};
  launcher_.SpeedButton7Click();
  EXPECT_FALSE(launcher_.isVisible());
  EXPECT_EQ(platform_->messages.size(), 2u);
}

TEST_F(Launcher, ButtonsOfMissingWindowsDoNothingAndAboutOpensModally) {
  launcher_.SpeedButton2Click();
  launcher_.SpeedButton3Click();
  launcher_.SpeedButton4Click();
  EXPECT_TRUE(platform_->messages.empty());
  create_windows();
  bool seen_modal = false;
  QTimer::singleShot(0, [&] {
    seen_modal = About->isVisible() && About->isModal();
    About->close();
  });
  preface01->SpeedButton6Click();
  EXPECT_TRUE(seen_modal);
  EXPECT_FALSE(About->isVisible());
  destroy_windows();
}

TEST(OnlinePage, OnlyWebAddressesPass) {
  EXPECT_TRUE(is_web_address("http://a.example/x?y=1"));
  EXPECT_TRUE(is_web_address("HTTPS://A.EXAMPLE"));
  EXPECT_FALSE(is_web_address(""));
  EXPECT_FALSE(is_web_address("www.example.org"));
  EXPECT_FALSE(is_web_address("file://host/x"));
  EXPECT_FALSE(is_web_address("http://a\nb"));
  EXPECT_FALSE(is_web_address("http:\\\\host"));
}

}  // namespace
}  // namespace tavrel
