// Tform_test: the article practice window, its loading and conversion and the typing test.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <set>
#include <string>

#include "article/tvm_format.h"
#include "article/typing_session.h"
#include "platform/on_demand.h"

class Tform_test : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
  Q_PROPERTY(QByteArray program_dir MEMBER program_dir)

 public:
  explicit Tform_test(QWidget* parent = nullptr);

  // The test's state and rules, with the display settings (typed_color ... practice_minutes),
  // the counters and the errata list that the report and the settings windows read and set.
  tavrel::article::TypingSession session;

  QByteArray program_dir;                 // with its trailing separator
  std::string article_path = "test.tvm";  // reloaded after a finished test
  int chars_per_line = tavrel::article::kCharsPerLine;
  bool conversion_accepted = false;  // the answer of TForm_change
  bool article_loaded = false;       // the box holds an article a test can start on

  tavrel::Control<QLabel> Label_file{this}, Label_time{this}, Ltime{this}, LChange{this}, Lgo{this},
      Label9{this};
  tavrel::Control<QLabel> alread{this}, wrong{this};
  tavrel::Control<QLabel> result1{this}, Bleft{this}, bright{this};
  tavrel::Control<QLabel> Image2{this};
  tavrel::Control<QScrollArea> ScrollBox1{this};
  tavrel::Control<QTextEdit> REdit1{this};
  tavrel::Control<QPushButton> BtnStart{this}, BtnPause{this}, BitBtn1{this};
  tavrel::Control<QToolButton> SBtnQuit{this}, SBtnHelp{this}, SBtnSetup{this}, SBtnfile{this},
      key_help{this};
  tavrel::Control<QMenu> FileMenu{this};
  tavrel::Control<QAction> select_file{this}, change_file{this};
  tavrel::Control<QLineEdit> Edit_input{this};
  tavrel::Control<QProgressBar> ProgressBar1{this};
  tavrel::Control<QFrame> zdqc{this};  // the segmentation panel, hidden except while segmenting
  tavrel::Control<QProgressBar> ProgressBar2{this};  // in zdqc: two steps per article line
  QTimer *Timer1, *Timer3;

  // Load into the box: the file's lines, the box sized to them.
  void load_article(const std::string& path);
  // Clears the errata list (the report's list of wrong characters).
  void clear_errata();

 public slots:
  void FormShow();
  void SBtnfileClick();
  void select_fileClick();
  void change_fileClick();
  void BtnStartClick();
  void BtnPauseClick();
  void Timer1Timer();
  void Timer3Timer();
  void SBtnQuitClick();
  void SBtnHelpClick();
  void SBtnSetupClick();
  void key_helpClick();
  void BitBtn1Click();  // automatic word segmentation (test_segment.cpp)
  void FormClose();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kBoxWidth = 756;  // the article box, and the box's holder when it grows
  static QString default_status();       // the status line before an article is chosen
  void build_segment_panel();
  bool FormKeyPress(QKeyEvent* event);
  void article_end();
  void time_up();
  void show_start_button();
  void show_report();
  void show_loaded_article(const std::string& path);
  void size_box();
  void refresh();
  void redraw_lines(const std::set<int>& lines);
  void redraw_all();
  void set_status(const QString& text) { LChange->setText(text); }
};

extern Tform_test* form_test;
