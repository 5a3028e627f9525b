// The system's own dialogs as the real platform opens them: Chinese buttons, titles that fit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "platform/application.h"
#include "platform/real_platform.h"
#include "tests/support/temp_dir.h"

namespace tavrel {
namespace {

QStringList button_texts(QWidget* dialog) {
  QStringList texts;
  for (auto* button : dialog->findChildren<QPushButton*>()) texts << button->text();
  texts.sort();
  return texts;
}

// Runs `inspect` on the modal dialog once it is open; the dialog must be closed by it.
void when_open(std::function<void(QDialog*)> inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    inspect(dialog);
  });
}

TEST(RealDialogs, TheNameBoxHasChineseButtonsAndRoomForItsTitle) {
  RealPlatform platform;
  const QString title = QStringLiteral("恭喜你！进入前十！输入你的姓名");
  QStringList buttons;
  int width = 0, title_width = 0;
  when_open([&](QDialog* dialog) {
    buttons = button_texts(dialog);
    width = dialog->width();
    title_width = dialog->fontMetrics().horizontalAdvance(title);
    EXPECT_EQ(dialog->windowTitle(), title);
    dialog->findChild<QLineEdit*>()->setText(QStringLiteral("王小明"));
    dialog->accept();
  });
  EXPECT_EQ(platform.input_box(nullptr, title, QString(), QString()), QStringLiteral("王小明"));
  EXPECT_EQ(buttons, (QStringList{QStringLiteral("取消"), QStringLiteral("确定")}));
  EXPECT_GE(width, title_width + 100);  // room for the title bar's icon and buttons

  when_open([](QDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(platform.input_box(nullptr, title, QString(), QStringLiteral("x")), std::nullopt);
}

// The colour dialog's texts come from the toolkit's translations, installed with the program.
TEST(RealDialogs, TheColourDialogSpeaksChinese) {
  RealPlatform platform;
  QStringList buttons;
  when_open([&](QDialog* dialog) {
    buttons = button_texts(dialog);
    dialog->reject();
  });
  EXPECT_EQ(platform.choose_color(nullptr, Qt::red), std::nullopt);
  EXPECT_TRUE(buttons.contains(QStringLiteral("确定"))) << buttons.join(",").toStdString();
  EXPECT_FALSE(buttons.contains(QStringLiteral("OK")));
}

// Choosing a file makes its folder the current directory, as the practice window expects.
TEST(RealDialogs, TheFileDialogIsWideAndAChosenFileSetsTheCurrentDirectory) {
  RealPlatform platform;
  testing::TempDir dir;
  const auto article = dir.write("文章/春晓.tvm", "x");
  const auto before = std::filesystem::current_path();
  QStringList buttons;
  int width = 0;
  when_open([&](QDialog* dialog) {
    buttons = button_texts(dialog);
    width = dialog->width();
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->windowTitle(), QStringLiteral("打开"));
    EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("测试文件 (*.tvm)")});
    files->setDirectory(QString::fromStdString(article.parent_path().string()));
    files->selectFile(QString::fromStdString(article.string()));
    static_cast<QDialog*>(files)->accept();
  });
  auto chosen =
      platform.open_file(nullptr, QStringLiteral("打开"), QStringLiteral("测试文件 (*.tvm)"));
  const auto now = std::filesystem::current_path();
  std::filesystem::current_path(before);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, article);
  EXPECT_EQ(now, article.parent_path());
  EXPECT_TRUE(buttons.contains(QStringLiteral("取消"))) << buttons.join(",").toStdString();
  EXPECT_GE(width, 820);

  when_open([](QDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(platform.open_file(nullptr, QStringLiteral("打开"), QString()), std::nullopt);
  EXPECT_EQ(std::filesystem::current_path(), before);
}

}  // namespace
}  // namespace tavrel
