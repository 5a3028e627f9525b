// TFPhb: the record holders of the twelve drill kinds, with blanking of all records.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

class TFPhb : public QDialog {
  Q_OBJECT
 public:
  explicit TFPhb(QWidget* parent = nullptr);

  QLabel *L1, *L2, *L3, *L4, *L5, *L6, *L7, *L8, *L9, *L10, *L11, *L12;
  // The label of each record, by drill kind (kind 10 is L12, kind 11 is L11).
  std::array<QLabel*, 12> RecordLabels;
  QPushButton* BitBtn2;  // "重新记名"
  QPushButton* BitBtn1;  // "关闭"

 public slots:
  void FormShow();
  void BitBtn2Click();
  void BitBtn1Click();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TFPhb* FPhb;
