// Tpreface01: the launcher, a menu picture with eight flat buttons, a preview and an animation.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <string>

#include "app/flash_player.h"
#include "app/picture_button.h"

class Tpreface01 : public QWidget {
  Q_OBJECT
 public:
  explicit Tpreface01(QWidget* parent = nullptr);

  // The program's own path; its folder becomes the program directory when the launcher shows.
  std::string ProgramPath;
  // The program directory with its trailing separator, worked out by FormShow.
  const std::string& program_dir() const { return program_dir_; }

  QLabel* Image1;
  QLabel* Image2;
  PictureButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5,
      *SpeedButton6, *SpeedButton7, *SpeedButton8;
  PictureButton* SpeedButton9;  // the learning history, first of the bottom row
  FlashPlayer* ShockwaveFlash1;

 public slots:
  void FormShow();
  void Image1MouseMove();
  void SpeedButtonMouseMove(int number);  // buttons 1 to 5
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  // Asks before the launcher closes; true lets it close.
  bool FormCloseQuery();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PictureButton* make_button(const char* name, QRect place);
  void open_document(const char* name);
  void open_modal(const char* class_name);

  std::string program_dir_;
};

extern Tpreface01* preface01;
