// TFPhb: the record holders of the twelve drill kinds, with blanking of all records.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/on_demand.h"

class TFPhb : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFPhb(QWidget* parent = nullptr);

  tavrel::Control<QLabel> L1{this}, L2{this}, L3{this}, L4{this}, L5{this}, L6{this}, L7{this},
      L8{this}, L9{this}, L10{this}, L11{this}, L12{this};
  // The label of each record, by drill kind (kind 10 is L12, kind 11 is L11).
  tavrel::ControlArray<QLabel, 12> RecordLabels{this};
  tavrel::Control<QPushButton> BitBtn2{this};  // "重新记名"
  tavrel::Control<QPushButton> BitBtn1{this};  // "关闭"

 public slots:
  void FormShow();
  void BitBtn2Click();
  void BitBtn1Click();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;
};

extern TFPhb* FPhb;
