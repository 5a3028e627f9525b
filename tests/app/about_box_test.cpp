// The About box: closing with Esc and the logo's link to the makers' page.
#include <gtest/gtest.h>

#include <QTest>

#include "app/Unit_about.h"
#include "platform/scripted_platform.h"

namespace tavrel {
namespace {

TEST(AboutBox, EscClosesItFromAnyControlAndOtherKeysDoNot) {
  ScopedScriptedPlatform platform;
  TAbout about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("关于系统"));
  EXPECT_EQ(about.size(), QSize(383, 248));
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  QTest::keyClick(about.BitBtn1, Qt::Key_A);
  QTest::keyClick(about.BitBtn1, Qt::Key_F1);
  EXPECT_TRUE(about.isVisible());
  QTest::keyClick(about.BitBtn1, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
  about.show();
  QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, TheLogoOpensTheMakersPage) {
  ScopedScriptedPlatform platform;
  TAbout about;
  about.show();
  QTest::mouseClick(about.Image1, Qt::LeftButton);
  ASSERT_EQ(platform->shell_targets.size(), 1u);
  EXPECT_EQ(platform->shell_targets[0], QString::fromUtf8(kMakerPage));
  EXPECT_TRUE(about.isVisible());
}

}  // namespace
}  // namespace tavrel
