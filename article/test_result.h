// TForm_result: the test report with its errata list, and the result it hands to the top ten.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <string>

#include "article/report.h"
#include "platform/on_demand.h"

namespace tavrel::article {
// The last test's speed and a qualifying learner's name, read by the top-ten window.
extern int speed;
extern std::string pending_name;  // GBK, at most 16 bytes
extern bool entry_pending;
}  // namespace tavrel::article

class TForm_result : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TForm_result(QWidget* parent = nullptr);

  tavrel::Control<QLabel> Ltime{this}, Ltotal{this}, Lwrong{this}, LRight{this}, LL{this},
      LRate{this};
  tavrel::Control<QLabel> LKeys{this},
      LCodeLength{this};  // keystrokes per second, keystrokes per character typed
  tavrel::Control<QLabel> lbSorry{this};
  tavrel::Control<QPlainTextEdit> Mresult{this};
  tavrel::Control<QToolButton> SpeedButton1{this};
  bool review_only = false;  // shows the last values unchanged

 public slots:
  void FormCreate();
  void FormShow();
  void SpeedButton1Click();
  // Enter: the next errata line gets its character's code.
  void append_next_code();

 protected:
  void build() override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool FormKeyPress(QKeyEvent* event);
  void show_errata();
  void record_history(const tavrel::article::ReportValues& values, int seconds, int keystrokes);
};

extern TForm_result* Form_result;
