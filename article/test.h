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

class Tform_test : public QDialog {
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

  QLabel *Label_file, *Label_time, *Ltime, *LChange, *Lgo, *Label9;
  QLabel *alread, *wrong;
  QLabel *result1, *Bleft, *bright;
  QLabel* Image2;
  QScrollArea* ScrollBox1;
  QTextEdit* REdit1;
  QPushButton *BtnStart, *BtnPause, *BitBtn1;
  QToolButton *SBtnQuit, *SBtnHelp, *SBtnSetup, *SBtnfile, *key_help;
  QMenu* FileMenu;
  QAction *select_file, *change_file;
  QLineEdit* Edit_input;
  QProgressBar* ProgressBar1;
  QFrame* zdqc;                // the segmentation panel, hidden except while segmenting
  QProgressBar* ProgressBar2;  // in zdqc: two steps per article line
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
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_controls();
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
