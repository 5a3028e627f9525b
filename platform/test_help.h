// Tform_help: the help text window that the drills and the article practice fill and show.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTextEdit>

class Tform_help : public QDialog {
  Q_OBJECT
 public:
  explicit Tform_help(QWidget* parent = nullptr);

  QTextEdit* RichEdit1;
  QPushButton* BitBtn1;  // "确定"
};

extern Tform_help* form_help;
