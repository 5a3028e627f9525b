// Thighscore: the top-ten window over "files\record.dat", which also files a qualifying result.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

#include "platform/on_demand.h"

class Thighscore : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit Thighscore(QWidget* parent = nullptr);

  tavrel::Control<QTableWidget> StringGrid1{this};
  tavrel::Control<QPushButton> Button1{this}, Button2{this},
      Button3{this};  // 清空 (hidden until F1), 关闭, 上一次成绩

  // The cell text of the grid.
  QString cell(int row, int column) const;

 public slots:
  void FormShow();
  void Button1Click();
  void Button2Click();
  void Button3Click();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool FormKeyDown(QKeyEvent* event);
  void set_cell(int row, int column, const QString& text);
};

extern Thighscore* highscore;
