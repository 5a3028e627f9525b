// TFHot: the numeric-keypad warm-up window with its classic and fun games.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <string>

#include "warmup/warmup_game.h"

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTimer;
class QToolButton;
class QWindow;

class TFHot : public QDialog {
  Q_OBJECT
 public:
  explicit TFHot(QWidget* parent = nullptr);
  ~TFHot() override;

  // The folder, with its trailing separator, whose "images\warmup" holds the window's own
  // pictures: the program's folder unless a test gives another. Loads them again.
  void set_picture_dir(const std::string& dir);
  const tavrel::warmup::WarmupGame& game() const { return game_; }

  QMenuBar* MainMenu1;
  QAction *Nclass, *Nintere, *N11, *N12, *N13, *N14, *N15, *N2, *N6, *N8;

  QWidget* Pintere;  // the fun panel
  QToolButton* start;
  QLabel *s1, *s2, *s3, *t1, *t2, *t3;
  QWidget* Panel3;  // the board with the sixteen holes
  QLabel* mark;     // the rabbit

  QWidget* Pclass;  // the classic panel, lying on the fun panel
  QLabel* Image1;   // its background
  QToolButton* startclass;
  QLabel *sc1, *sc2, *sc3, *Tc1, *Tc2, *Tc3;
  QLabel *I1, *I2, *I3, *I4, *I5, *I6;
  QLineEdit* input;
  QAbstractButton *k0, *k1, *k2, *k3, *k4, *k5, *k6, *k7, *k8, *k9, *kk;

  // The thousands place of each score display, shown only from 1000 hits on.
  QLabel *s0, *sc0;

  QTimer* Timer1;
  std::array<QPixmap, 10> ImageList1;  // the digits 0 to 9, 60 x 60

  // Handlers take keys as the characters typed: Enter is '\r', Backspace '\b'.
 public slots:
  void FormShow();
  void FormActivate();
  void FormClose();
  void FormKeyPress(int key);
  void inputKeyPress(int key);
  void inputChange();
  void startClick();
  void startclassClick();
  void Timer1Timer();
  void NclassClick();
  void NintereClick();
  void N11Click(QAction* item);  // any of the five game lengths
  void N2Click();
  void N6Click();
  void N8Click();

  void showled();
  void showtime();
  void mydraw();
  void classdraw();

 public:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build_menu();
  void build_fun_panel(QWidget* client);
  void build_classic_panel(QWidget* client);
  void load_pictures();
  void ensure_pictures();
  void load_face(const char* path);
  void press(QAbstractButton* key);
  void show_score(const std::array<QLabel*, 4>& places);
  void sync_timer();
  void show_prompt();
  void empty_input();
  void focus_window_changed(QWindow* window);

  tavrel::warmup::WarmupGame game_;
  std::string picture_dir_;
  bool pictures_loaded_ = false;
  std::array<QPixmap, 10> led_digits_;  // ImageList1 at the size of the displays
  std::array<QAbstractButton*, 11> keys_{};
  std::array<QLabel*, 6> target_places_{};
  QLabel* keypad_ = nullptr;
  QPointer<QWindow> last_focus_;
};

extern TFHot* FHot;
