// TFormstop: the pause window that holds a running drill until the learner goes on.
#pragma once

#include <QDialog>
#include <QPushButton>

class TFormstop : public QDialog {
  Q_OBJECT
 public:
  explicit TFormstop(QWidget* parent = nullptr);

  QPushButton* BitBtn1;  // "继续"

 public slots:
  void BitBtn1Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

extern TFormstop* Formstop;
