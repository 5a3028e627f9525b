// Test pictures, display reading and keypad typing for the warm-up window tests.
#include "window_support.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <filesystem>

namespace tavrel::testing {

const QColor kStartFace(20, 200, 20), kLaughFace(220, 30, 30), kCryFace(30, 30, 220);

QColor digit_colour(int digit) { return QColor::fromHsv(digit * 36, 255, 230); }

namespace {

void write_face(const TempDir& dir, const char* name, const QColor& colour) {
  QImage face(40, 40, QImage::Format_RGB32);
  face.fill(Qt::white);  // the ground, transparent in the window
  QPainter(&face).fillRect(8, 8, 24, 24, colour);
  face.save(QString::fromStdString((dir.path() / "files" / name).string()), "BMP");
}

}  // namespace

void write_warmup_pictures(const TempDir& dir) {
  std::filesystem::create_directories(dir.path() / "images" / "warmup");
  std::filesystem::create_directories(dir.path() / "files");
  QImage digits(600, 60, QImage::Format_RGB32);
  {
    QPainter painter(&digits);
    for (int d = 0; d < 10; ++d) painter.fillRect(d * 60, 0, 60, 60, digit_colour(d));
  }
  digits.save(QString::fromStdString((dir.path() / "images" / "warmup" / "digits.png").string()));
  write_face(dir, "facestart.bmp", kStartFace);
  write_face(dir, "facelaugh.bmp", kLaughFace);
  write_face(dir, "facec.bmp", kCryFace);
}

std::string shown_digits(std::initializer_list<const QLabel*> labels) {
  std::string shown;
  for (const QLabel* label : labels) {
    if (label->isHidden()) {
      shown += '-';
      continue;
    }
    const QImage image = label->pixmap().toImage();
    char digit = '?';
    for (int d = 0; d < 10 && !image.isNull(); ++d)
      if (image.pixel(image.width() / 2, image.height() / 2) == digit_colour(d).rgb())
        digit = static_cast<char>('0' + d);
    shown += digit;
  }
  return shown;
}

void type_keys(QWidget* target, std::string_view keys) {
  for (char c : keys) {
    if (c >= '0' && c <= '9')
      QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_0 + (c - '0')), Qt::KeypadModifier);
    else if (c == '.')
      QTest::keyClick(target, Qt::Key_Period, Qt::KeypadModifier);
    else if (c == '\r')
      QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    else
      QTest::keyClick(target, c);
  }
}

}  // namespace tavrel::testing
