// TFHot_Sort: the warm-up ranking window, adding an entry after a game or listing the file.
#pragma once

#include <QDialog>
#include <string>

#include "platform/on_demand.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFHot_Sort : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFHot_Sort(QWidget* parent = nullptr);

  // Set by the warm-up window before it shows this one: seconds and hits, decimal.
  std::string GameTime;
  std::string GameScore;
  // The program's folder with its trailing separator; the ranking file lies in its "files".
  std::string ProgramDir;

  tavrel::Control<QLineEdit> LabeledEdit1{this};  // the name
  tavrel::Control<QLineEdit> LabeledEdit2{this};  // the game length
  tavrel::Control<QLineEdit> LabeledEdit3{this};  // the score
  tavrel::Control<QPushButton> Button1{this};     // "加入排行榜"
  tavrel::Control<QPushButton> Button2{this};     // "不加了^o^"
  // Hidden: entry mode; visible: list mode. The warm-up window sets it before each show.
  tavrel::Control<QPlainTextEdit> Memo1{this};

  // Shows the window in the mode `Memo1` asks for; when it is already open, it changes to it.
  void show_for_mode();

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;

 private:
  tavrel::ControlArray<QLabel, 3> captions_{this};
};

extern TFHot_Sort* FHot_Sort;
