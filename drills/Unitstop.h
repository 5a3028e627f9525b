// TFormstop: the pause window that holds a running drill until the learner goes on.
#pragma once

#include <QDialog>
#include <QPushButton>

#include "platform/on_demand.h"

class TFormstop : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFormstop(QWidget* parent = nullptr);

  tavrel::Control<QPushButton> BitBtn1{this};  // "继续"

 public slots:
  void BitBtn1Click();

 protected:
  void build() override;
  void keyPressEvent(QKeyEvent* event) override;
};

extern TFormstop* Formstop;
