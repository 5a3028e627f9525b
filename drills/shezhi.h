// Tform_sz: the drill settings (level, no-level mode, board colour, music, automatic hint).
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

class Tform_sz : public QDialog {
  Q_OBJECT
 public:
  explicit Tform_sz(QWidget* parent = nullptr);

  QComboBox* ComboBox1;       // the level
  QCheckBox* CheckBox2;       // no-level mode
  QToolButton* SpeedButton1;  // the board colour
  QCheckBox* CheckBox1;       // music, read by the drill window before every cue
  QCheckBox* Checkhelp;       // automatic hint, read by the drill window's judging
  QComboBox* list;            // wrong answers before the hint
  QLabel* Label5;
  QCheckBox* yxdz;       // fixed indicator
  QPushButton* Button1;  // "确认"

  // The colour dialog keeps the colour it last showed or was given.
  struct ColorDialog {
    QColor Color;
  } ColorDialog1;

 public slots:
  void FormShow();
  void CheckBox2Click();
  void CheckhelpClick();
  void SpeedButton1Click();
  void Button1Click();
  void FormClose();

 public:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // What the window restores when it is closed without 确认.
  QColor saved_panel1_, saved_panel5_, saved_panel12_;
  QString saved_list_;
  bool confirmed_ = false;
  bool colour_picked_ = false;
};

extern Tform_sz* form_sz;
