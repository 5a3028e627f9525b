// TFPhbin: the new record holder types a name, which SaveRecord writes to the record file.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

class TFPhbin : public QDialog {
  Q_OBJECT
 public:
  explicit TFPhbin(QWidget* parent = nullptr);

  int RecordKind = 0;       // the drill kind of the run
  std::string RecordSpeed;  // the speed as shown, right-aligned once saved

  QLabel* Image1;
  QLabel* Label1;
  QLabel* Label3;
  QLineEdit* Edit1;
  QPushButton* BitBtn1;  // "确定"

  // Writes record `kind` from the typed name and RecordSpeed.
  void SaveRecord(int kind);

 public slots:
  void FormShow();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TFPhbin* FPhbin;
