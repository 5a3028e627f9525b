// TFHistory: the learning history window "学习记录". The window exists from start-up; its charts
// and table (THistoryView, history_view/history_window.h) come from the library
// "libtavrel_history_view.so", loaded when the window first opens, so that the chart toolkit
// costs nothing before then.
#pragma once

#include "platform/late_dialog.h"

class TFHistory : public tavrel::LateDialog {
  Q_OBJECT
 public:
  explicit TFHistory(QWidget* parent = nullptr);
};

extern TFHistory* FHistory;
