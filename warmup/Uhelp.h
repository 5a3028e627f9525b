// TFhelp: the warm-up window's explanation of its two games.
#pragma once

#include <QDialog>

#include "platform/on_demand.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TFhelp : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFhelp(QWidget* parent = nullptr);

  tavrel::Control<QTabWidget> PageControl1{this};  // "古典式" and "趣味式"
  tavrel::Control<QPlainTextEdit> Memo1{this};     // the classic game
  tavrel::Control<QPlainTextEdit> Memo2{this};     // the fun game
  tavrel::Control<QPushButton> Button1{this};      // "确定"

 protected:
  void build() override;
};

extern TFhelp* Fhelp;
