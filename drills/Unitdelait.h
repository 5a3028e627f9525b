// Tformdelait: the code illustration of the character last asked for with F1.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "platform/on_demand.h"

class Tformdelait : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit Tformdelait(QWidget* parent = nullptr);

  tavrel::Control<QLabel> Image1{this};
  tavrel::Control<QPushButton> BitBtn1{this};  // "关  闭"

 public slots:
  void BitBtn1Click();
  void FormClose();

 public:
  void done(int result) override;

 protected:
  void build() override;
};

extern Tformdelait* formdelait;
