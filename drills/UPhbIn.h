// TFPhbin: the new record holder types a name, which SaveRecord writes to the record file.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "platform/on_demand.h"

class TFPhbin : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFPhbin(QWidget* parent = nullptr);

  int RecordKind = 0;       // the drill kind of the run
  std::string RecordSpeed;  // the speed as shown, right-aligned once saved

  tavrel::Control<QLabel> Image1{this};
  tavrel::Control<QLabel> Label1{this};
  tavrel::Control<QLabel> Label3{this};
  tavrel::Control<QLineEdit> Edit1{this};
  tavrel::Control<QPushButton> BitBtn1{this};  // "确定"

  // Writes record `kind` from the typed name and RecordSpeed.
  void SaveRecord(int kind);

 public slots:
  void FormShow();
  void BitBtn1Click();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;
};

extern TFPhbin* FPhbin;
