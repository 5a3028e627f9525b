// The learning history window as start-up creates it: its name, caption, size, font and place.
#include "history_view/UHistory.h"

#include "platform/fonts.h"
#include "platform/window_place.h"

TFHistory* FHistory = nullptr;

TFHistory::TFHistory(QWidget* parent)
    : LateDialog("libtavrel_history_view.so", "tavrel_history_view", parent) {
  setObjectName("TFHistory");
  setWindowTitle(QStringLiteral("学习记录"));
  setFixedSize(1000, 720);
  setFont(tavrel::song_font(12));
  tavrel::centre_on_screen(*this);
}
