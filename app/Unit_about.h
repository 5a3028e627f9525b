// TAbout: the About box opened from the launcher.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "platform/on_demand.h"

class QKeyEvent;

class TAbout : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TAbout(QWidget* parent = nullptr);

  tavrel::Control<QLabel> Image1{this};  // the logo, also a link to the maker's page
  tavrel::Control<QPushButton> BitBtn1{this};

 public slots:
  void Image1Click();

 protected:
  void build() override;
  // Sees every key before the focused control does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void FormKeyDown(QKeyEvent& event);
};

extern TAbout* About;
extern const char* const kMakerPage;
