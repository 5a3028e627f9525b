// Tform_help: the help text window that the drills and the article practice fill and show.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextEdit>

#include "platform/on_demand.h"

class Tform_help : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit Tform_help(QWidget* parent = nullptr);

  tavrel::Control<QTextEdit> RichEdit1{this};
  tavrel::Control<QPushButton> BitBtn1{this};  // "确定"

 protected:
  void build() override;
};

extern Tform_help* form_help;
