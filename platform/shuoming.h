// TForm2: a window never shown, owner of the shared media player.
#pragma once

#include <QDialog>

#include "platform/media_player.h"

class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  tavrel::MediaPlayer MediaPlayer1;
};

extern TForm2* Form2;
