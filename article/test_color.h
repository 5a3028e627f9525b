// TForm_color: the display settings of the article practice, the four colours and the test time.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>

#include "article/article_box.h"
#include "platform/on_demand.h"

class TForm_color : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  // The choices of colorGroup, in their order.
  enum Choice { kBackground = 0, kTyped = 1, kUntyped = 2, kInput = 3 };

  explicit TForm_color(QWidget* parent = nullptr);

  tavrel::Control<QGroupBox> colorGroup{this};
  tavrel::ControlArray<QRadioButton, 4> choices{this};
  tavrel::Control<QTextEdit> example{this};
  tavrel::Control<QPushButton> BitBtn5{this}, BtnDefault{this}, BitBtn_ok{this},
      BitBtn_cancel{this};
  tavrel::Control<QSpinBox> Edit_time{this};

  int selected_choice() const;
  // The minutes Edit_time stands for: an empty or non-numeric entry is 1, the rest within 1-120.
  int time_value() const;

 public slots:
  void FormCreate();
  void BitBtn5Click();
  void BtnDefaultClick();
  void BitBtn_okClick();

 protected:
  void build() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void preview(int choice);
  void preview_all();
  tavrel::article::Colour colour_of(int choice) const;
  void set_colour(int choice, tavrel::article::Colour colour);
};

extern TForm_color* form_color;
