// Tformdelait: the code illustration of the character last asked for with F1.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class Tformdelait : public QDialog {
  Q_OBJECT
 public:
  explicit Tformdelait(QWidget* parent = nullptr);

  QLabel* Image1;
  QPushButton* BitBtn1;  // "关  闭"

 public slots:
  void BitBtn1Click();
  void FormClose();

 public:
  void done(int result) override;
};

extern Tformdelait* formdelait;
