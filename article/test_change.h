// TForm_change: the confirmation after a conversion, offering the converted article for a test.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class TForm_change : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_change(QWidget* parent = nullptr);

  QLabel* Label1;  // "共包含" + count + "个汉字"
  QLabel* Label2;
  QPushButton* BitBtnok;
  QPushButton* BitBtn1;

 public slots:
  void BitBtnokClick();
  void BitBtn1Click();
};

extern TForm_change* Form_change;
