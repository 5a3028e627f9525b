// TFormSM: the borderless explanation panel the drill window pops up over itself.
#pragma once

#include <QTextEdit>
#include <QWidget>

#include "platform/on_demand.h"

class TFormSM : public tavrel::OnDemand<QWidget> {
  Q_OBJECT
 public:
  explicit TFormSM(QWidget* parent = nullptr);

  tavrel::Control<QTextEdit> RichEdit1{this};

 protected:
  void build() override;
};

extern TFormSM* FormSM;
