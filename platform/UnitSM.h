// TFormSM: the borderless explanation panel the drill window pops up over itself.
#pragma once

#include <QTextEdit>
#include <QWidget>

class TFormSM : public QWidget {
  Q_OBJECT
 public:
  explicit TFormSM(QWidget* parent = nullptr);

  QTextEdit* RichEdit1;
};

extern TFormSM* FormSM;
