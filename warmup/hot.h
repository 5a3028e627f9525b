// TFHot: the numeric-keypad warm-up window with its classic and fun games.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <array>
#include <string>

#include "platform/on_demand.h"
#include "warmup/warmup_game.h"

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTimer;
class QToolButton;
class QWindow;

class TFHot : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFHot(QWidget* parent = nullptr);
  ~TFHot() override;

  // The folder, with its trailing separator, whose "images\warmup" holds the window's own
  // pictures: the program's folder unless a test gives another. Loads them again.
  void set_picture_dir(const std::string& dir);
  const tavrel::warmup::WarmupGame& game() const { return game_; }

  tavrel::Control<QMenuBar> MainMenu1{this};
  tavrel::Control<QAction> Nclass{this}, Nintere{this}, N11{this}, N12{this}, N13{this}, N14{this},
      N15{this}, N2{this}, N6{this}, N8{this};

  QWidget* Pintere;  // the fun panel
  tavrel::Control<QToolButton> start{this};
  tavrel::Control<QLabel> s1{this}, s2{this}, s3{this}, t1{this}, t2{this}, t3{this};
  QWidget* Panel3;                     // the board with the sixteen holes
  tavrel::Control<QLabel> mark{this};  // the rabbit

  QWidget* Pclass;                       // the classic panel, lying on the fun panel
  tavrel::Control<QLabel> Image1{this};  // its background
  tavrel::Control<QToolButton> startclass{this};
  tavrel::Control<QLabel> sc1{this}, sc2{this}, sc3{this}, Tc1{this}, Tc2{this}, Tc3{this};
  tavrel::Control<QLabel> I1{this}, I2{this}, I3{this}, I4{this}, I5{this}, I6{this};
  tavrel::Control<QLineEdit> input{this};
  tavrel::Control<QAbstractButton> k0{this}, k1{this}, k2{this}, k3{this}, k4{this}, k5{this},
      k6{this}, k7{this}, k8{this}, k9{this}, kk{this};

  // The thousands place of each score display, shown only from 1000 hits on.
  tavrel::Control<QLabel> s0{this}, sc0{this};

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
  void build() override;
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
  tavrel::ControlArray<QAbstractButton, 11> keys_{this};
  tavrel::ControlArray<QLabel, 6> target_places_{this};
  tavrel::Control<QLabel> keypad_{this};
  QPointer<QWindow> last_focus_;
};

extern TFHot* FHot;
