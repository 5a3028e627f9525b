// TAbout: the About box opened from the launcher.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class QKeyEvent;

class TAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);

  QLabel* Image1;  // the logo, also a link to the maker's page
  QPushButton* BitBtn1;

 public slots:
  void Image1Click();

 protected:
  // Sees every key before the focused control does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void FormKeyDown(QKeyEvent& event);
};

extern TAbout* About;
extern const char* const kMakerPage;
