// Tform_sz: the drill settings (level, no-level mode, board colour, music, automatic hint).
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "platform/on_demand.h"

class Tform_sz : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit Tform_sz(QWidget* parent = nullptr);

  tavrel::Control<QComboBox> ComboBox1{this};       // the level
  tavrel::Control<QCheckBox> CheckBox2{this};       // no-level mode
  tavrel::Control<QToolButton> SpeedButton1{this};  // the board colour
  tavrel::Control<QCheckBox> CheckBox1{this};  // music, read by the drill window before every cue
  tavrel::Control<QCheckBox> Checkhelp{this};  // automatic hint, read by the drill window's judging
  tavrel::Control<QComboBox> list{this};       // wrong answers before the hint
  tavrel::Control<QLabel> Label5{this};
  tavrel::Control<QCheckBox> yxdz{this};       // fixed indicator
  tavrel::Control<QPushButton> Button1{this};  // "确认"

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
  void build() override;

 private:
  // What the window restores when it is closed without 确认.
  QColor saved_panel1_, saved_panel5_, saved_panel12_;
  QString saved_list_;
  bool confirmed_ = false;
  bool colour_picked_ = false;
};

extern Tform_sz* form_sz;
