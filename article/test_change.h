// TForm_change: the confirmation after a conversion, offering the converted article for a test.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "platform/on_demand.h"

class TForm_change : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TForm_change(QWidget* parent = nullptr);

  tavrel::Control<QLabel> Label1{this};  // "共包含" + count + "个汉字"
  tavrel::Control<QLabel> Label2{this};
  tavrel::Control<QPushButton> BitBtnok{this};
  tavrel::Control<QPushButton> BitBtn1{this};

 public slots:
  void BitBtnokClick();
  void BitBtn1Click();

 protected:
  void build() override;
};

extern TForm_change* Form_change;
