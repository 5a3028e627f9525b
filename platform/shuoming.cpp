// TForm2 exists only to own MediaPlayer1.
#include "platform/shuoming.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm2");
  setWindowTitle(QStringLiteral("前言"));
}
