// TFHot_Sort: the warm-up ranking window, adding an entry after a game or listing the file.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFHot_Sort : public QDialog {
  Q_OBJECT
 public:
  explicit TFHot_Sort(QWidget* parent = nullptr);

  // Set by the warm-up window before it shows this one: seconds and hits, decimal.
  std::string GameTime;
  std::string GameScore;
  // The program's folder with its trailing separator; the ranking file lies in its "files".
  std::string ProgramDir;

  QLineEdit* LabeledEdit1;  // the name
  QLineEdit* LabeledEdit2;  // the game length
  QLineEdit* LabeledEdit3;  // the score
  QPushButton* Button1;     // "加入排行榜"
  QPushButton* Button2;     // "不加了^o^"
  // Hidden: entry mode; visible: list mode. The warm-up window sets it before each show.
  QPlainTextEdit* Memo1;

  // Shows the window in the mode `Memo1` asks for; when it is already open, it changes to it.
  void show_for_mode();

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* captions_[3];
};

extern TFHot_Sort* FHot_Sort;
