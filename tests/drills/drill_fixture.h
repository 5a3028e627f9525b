// The drill windows created offscreen over a temporary program folder with small data files.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "common/fixed_field.h"
#include "common/gbk.h"
#include "drills/UPhb.h"
#include "drills/UPhbIn.h"
#include "drills/Unit1.h"
#include "drills/Unitdelait.h"
#include "drills/Unitstop.h"
#include "drills/shezhi.h"
#include "platform/UnitSM.h"
#include "platform/qt_text.h"
#include "platform/scripted_platform.h"
#include "platform/shuoming.h"
#include "platform/test_help.h"
#include "temp_dir.h"

namespace tavrel::drills::testing {

inline std::string gbk(const char* utf8) { return gbk_from_utf8(utf8); }

// One record line of a list file.
inline std::string list_record(const std::string& code, const std::string& text, std::size_t size) {
  return left_field(code, 6) + left_field(text, size - 8) + "\r\n";
}

// The GB2312 character number i of the first level (啊 is 0).
inline std::string level1_char(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
}

// Runs `action` once the next modal window is open (before the call that opens it).
inline void when_modal(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

class DrillWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* cue : {"Jiayou", "Hero", "Zaixiang", "start", "Gxgx", "win"})
      dir_.write(std::string("sound/") + cue + ".wav", "RIFF");
    dir_.write("sound/backmid.mid", "MThd");
    dir_.write("files/phb.txt", std::string(180, ' '));
    // Character lists: record i has the code 100 + i; words of two characters, 2000 + i.
    std::string z1, c2, c4, c5;
    for (int i = 0; i < 40; ++i) {
      z1 += list_record(std::to_string(100 + i), level1_char(i), 10);
      c2 += list_record(std::to_string(2000 + i), level1_char(i) + level1_char(i + 1), 12);
      c4 += list_record(std::to_string(4000 + i), level1_char(i) + level1_char(i + 2), 16);
      c5 += list_record(std::to_string(5000 + i), gbk("中华人民") + level1_char(i), 24);
    }
    dir_.write("hzlib/z1.txt", z1);
    dir_.write("hzlib/c2.txt", c2);
    dir_.write("hzlib/c4.txt", c4);
    dir_.write("hzlib/c5.txt", c5);
    for (const char* name : {"heng_1.bmp", "shu_2.bmp"})
      write_picture("exercise/bixing/" + std::string(name));

    form_sz = new Tform_sz;
    Form2 = new TForm2;
    Formstop = new TFormstop;
    formdelait = new Tformdelait;
    FormSM = new TFormSM;
    form_help = new Tform_help;
    FPhbin = new TFPhbin;
    FPhb = new TFPhb;
    Form1 = new TForm1;
    Form1->ProgramDir = QByteArray::fromStdString(dir_.path().string() + "/");
    Form1->show();
  }

  void TearDown() override {
    delete Form1;
    delete FPhb;
    delete FPhbin;
    delete form_help;
    delete FormSM;
    delete formdelait;
    delete Formstop;
    delete Form2;
    delete form_sz;
    Form1 = nullptr;
    FPhb = nullptr;
    FPhbin = nullptr;
    form_help = nullptr;
    FormSM = nullptr;
    formdelait = nullptr;
    Formstop = nullptr;
    Form2 = nullptr;
    form_sz = nullptr;
  }

  void write_picture(const std::string& relative) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 2; i < 18; ++i) image.setPixel(i, 10, qRgb(0, 0, 0));
    auto path = dir_.path() / relative;
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(image.save(QString::fromStdString(path.string()), "BMP"));
  }

  // Chooses a kind by its button, as the learner does, and starts a run.
  void start(QToolButton* kind_button) {
    int page = 0;
    for (int p = 0; p < 3; ++p)
      if (Form1->TabbedNotebook2->widget(p)->isAncestorOf(kind_button)) page = p;
    Form1->TabbedNotebook2->setCurrentIndex(page);
    kind_button->click();
    Form1->SBtnStartClick();
  }

  // Types keys into a box: digits on the keypad, "/" "*" "-" "." on the keypad, ' ' space,
  // '\r' Enter, 'F' F1, 'E' Esc, 'd' the main-row digit 1.
  static void type(QWidget* box, const std::string& keys) {
    for (char c : keys) {
      if (c >= '0' && c <= '9')
        QTest::keyClick(box, static_cast<Qt::Key>(Qt::Key_0 + (c - '0')), Qt::KeypadModifier);
      else if (c == '/')
        QTest::keyClick(box, Qt::Key_Slash, Qt::KeypadModifier);
      else if (c == '*')
        QTest::keyClick(box, Qt::Key_Asterisk, Qt::KeypadModifier);
      else if (c == '-')
        QTest::keyClick(box, Qt::Key_Minus, Qt::KeypadModifier);
      else if (c == '.')
        QTest::keyClick(box, Qt::Key_Period, Qt::KeypadModifier);
      else if (c == ' ')
        QTest::keyClick(box, Qt::Key_Space);
      else if (c == '\r')
        QTest::keyClick(box, Qt::Key_Return);
      else if (c == 'F')
        QTest::keyClick(box, Qt::Key_F1);
      else if (c == 'E')
        QTest::keyClick(box, Qt::Key_Escape);
      else if (c == 'd')
        QTest::keyClick(box, Qt::Key_1);
    }
  }

  // The code of the current item of the running kind's board.
  std::string current_code() const {
    return Form1->cell_code(family_of(Form1->DrillKind), Form1->CurrentCell);
  }

  // Answers the current item right with its code and "/".
  void answer_right(QWidget* box) { type(box, current_code() + "/"); }

  QColor background(QWidget* w) const { return w->palette().color(QPalette::Window); }
  QColor text_colour(QWidget* w) const { return w->palette().color(QPalette::WindowText); }
  int count_in_log(const std::string& entry) {
    int n = 0;
    for (const auto& line : platform_->audio_.log) n += line == entry;
    return n;
  }
  void music_on() { form_sz->CheckBox1->setChecked(true); }

  ::tavrel::testing::TempDir dir_;
  ::tavrel::testing::CurrentDir here_{dir_.path()};
  ScopedScriptedPlatform platform_;
};

}  // namespace tavrel::drills::testing
