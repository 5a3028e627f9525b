// TForm1: the drill window with its twelve drill kinds, run clocks, answer boxes and judging.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drills/drill_kinds.h"
#include "drills/item_sources.h"
#include "platform/on_demand.h"

class TForm1 : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
  Q_PROPERTY(QByteArray ProgramDir MEMBER ProgramDir)

 public:
  explicit TForm1(QWidget* parent = nullptr);

  // Fields the launcher and the settings window set.
  QByteArray ProgramDir;  // with its trailing separator
  int SpeedTicks = 0;
  int LevelStep = 1;
  QString LevelName;
  bool SpeedRunning = false;
  int HintAfter = 2;
  std::string HelpItemText;  // GBK, at most 4 bytes
  // The no-level mode confirmed in the settings: runs without the level clock.
  bool NoLevel = false;

  // Run state.
  int DrillKind = 0;
  int ItemsTotal = 0;
  int ItemsLeft = 0;
  int CurrentCell = 0;  // offset of the current cell from the first cell of the board
  int ImageColumn = 0;
  int CellColumn = 0;
  bool FinalSpeedDue = false;

  // Answer input state.
  bool PendingReplace = false;
  QString PendingText;
  bool BasicAfterHelp = false, CharAfterHelp = false, WordAfterHelp = false;
  int BasicErrors = 0, CharErrors = 0, WordErrors = 0;

  tavrel::drills::HelpLists HelpLists;

  // What the learning history keeps of the run: wrong answers, items help was asked for, and
  // the history row written when its time ran out (rewritten when it ends again).
  int RunErrors = 0, RunHints = 0;
  int HintCell = -1;  // the cell help was last asked for, counted once
  std::int64_t HistoryRow = 0;

  tavrel::Control<QTabWidget> TabbedNotebook2{this};
  tavrel::Control<QFrame> Panel1{this}, Panel5{this},
      Panel12{this};                                   // the boards: pictures, characters, words
  tavrel::Control<QLabel> Label4{this}, Label5{this};  // the rhyme of the stroke digits
  tavrel::Control<QToolButton> SpeedButton8{this}, SpeedButton10{this},
      SpeedButton9{this};  // basic kinds
  tavrel::Control<QToolButton> SpeedButton12{this}, SpeedButton17{this}, SpeedButton13{this},
      SpeedButton18{this};  // characters
  tavrel::Control<QToolButton> SpeedButton4{this}, SpeedButton6{this}, SpeedButton5{this},
      SpeedButton7{this}, SpeedButton2{this};         // words
  tavrel::ControlArray<QLabel, 60> Images{this};      // Image1 … Image60, tag 1
  tavrel::ControlArray<QLabel, 119> CharCells{this};  // Label6 … Label124, tag 2
  tavrel::ControlArray<QLabel, 45> WordCells{this};   // word00, Label125 … Label168, tag 3
  tavrel::Control<QLineEdit> Labelhint1{this}, Editinput{this}, Editinput2{this};
  tavrel::Control<QLabel> Image71{this};  // marker of the current picture

  tavrel::Control<QProgressBar> Gauge1{this}, Gauge2{this};
  tavrel::Control<QFrame> Panel7{this}, Panelmilti{this}, Panel13{this}, Panel3{this};
  tavrel::Control<QLabel> Imagefaceclose{this}, Imagefaceopen{this};
  tavrel::Control<QLabel> Labelplay1{this}, Labelplay2{this}, Labelplay3{this}, Labelplay4{this};
  tavrel::Control<QPushButton> BitBtn1{this};  // "编码图解"
  tavrel::Control<QToolButton> sbHelp{this}, SBtnStart{this}, SBtnPause{this}, SBtnSetup{this},
      sbAbout{this}, SBtnQuit{this};
  tavrel::Control<QLabel> Label2{this}, Labeljifen{this}, Label3{this};
  tavrel::Control<QLabel> Imagebike{this}, Imagecar{this}, Imageplane{this}, Imagetime{this},
      Label1{this}, Image61{this};
  tavrel::Control<QLabel> Labeloutput1{this};

  QTimer *Timer1, *Timer2, *Timer3, *Timer4, *Timertime;

  // The code and shown text of each cell of the three boards (GBK; a picture's path).
  const std::string& cell_code(tavrel::drills::Family family, int cell) const;
  const std::string& cell_text(tavrel::drills::Family family, int cell) const;
  QLabel* cell_label(tavrel::drills::Family family, int cell) const;

 public slots:
  void FormShow();
  void FormActivate();
  void FormClose();
  void TabbedNotebook2Click();
  void SpeedButton8Click();
  void SpeedButton10Click();
  void SpeedButton9Click();
  void SpeedButton12Click();
  void SpeedButton17Click();
  void SpeedButton13Click();
  void SpeedButton18Click();
  void SpeedButton4Click();
  void SpeedButton6Click();
  void SpeedButton5Click();
  void SpeedButton7Click();
  void SpeedButton2Click();
  void SBtnStartClick();
  void SBtnPauseClick();
  void SBtnQuitClick();
  void SBtnSetupClick();
  void sbAboutClick();
  void sbHelpClick();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer4Timer();
  void TimertimeTimer();

  void Labelhint1KeyDown(int key);
  void Labelhint1Change();
  void EditinputKeyDown(int key);
  void EditinputChange();
  void Editinput2KeyDown(int key);
  void Editinput2Change();
  void BitBtn1Click();

  void ClearBoard(int kind);
  void LeaveKind(int kind);
  // Starts the level clock (unless in no-level mode) and the speed clock again after a
  // modal window, when a run is in progress.
  void resume_clocks_if_running();

 public:
  void done(int result) override;

 protected:
  void build() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build_side_panel();
  void build_pages();
  QWidget* build_page(int page);
  QToolButton* add_kind_button(QWidget* strip, int kind, const char* caption, int left);
  void choose_kind(int kind);
  void fresh_start();
  void continue_run();
  void fill_board();
  void back_to_choosing();
  void show_explanation(const char* file);
  void start_level_clock();
  void show_speed(int speed);
  bool music_on() const;
  bool auto_hint_on() const;
  void cue(unsigned number);
  void say(const char* line1, const char* line2, const char* line3 = "", const char* line4 = "");

  // Answer boxes.
  QLineEdit* box_of(tavrel::drills::Family family) const;
  bool& after_help_of(tavrel::drills::Family family);
  int& errors_of(tavrel::drills::Family family);
  void box_key_down(tavrel::drills::Family family, int key);
  void box_change(QLineEdit* box);
  void judge(tavrel::drills::Family family, const QString& typed);
  void wrong_answer(tavrel::drills::Family family);
  void right_picture();
  void right_typed(tavrel::drills::Family family);
  void complete_typed_run();
  void complete_picture_run();
  void record_check();
  // Writes the run into the learning history (Unit1_history.cpp).
  void record_history(bool completed);
  void start_history();
  void count_hint();
  void help_key(tavrel::drills::Family family);

  void set_cell_colour(QLabel* cell, const QColor& colour, bool opaque);
  void show_picture(QLabel* cell, bool opaque);

  std::array<std::vector<std::string>, 3> codes_, texts_;
  std::array<QPixmap, 60> pictures_;
  int face_count_ = 0;
};

extern TForm1* Form1;

// Whether the speed shown in the drill window is a new record for its drill kind.
bool IsNewRecord();
