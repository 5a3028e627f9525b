// TFhelp: the warm-up window's explanation of its two games.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TFhelp : public QDialog {
  Q_OBJECT
 public:
  explicit TFhelp(QWidget* parent = nullptr);

  QTabWidget* PageControl1;  // "古典式" and "趣味式"
  QPlainTextEdit* Memo1;     // the classic game
  QPlainTextEdit* Memo2;     // the fun game
  QPushButton* Button1;      // "确定"
};

extern TFhelp* Fhelp;
