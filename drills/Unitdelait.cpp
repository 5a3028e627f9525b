// The code illustration window: one picture; closing it lets a running drill go on.
#include "drills/Unitdelait.h"

#include "drills/Unit1.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/window_place.h"

Tformdelait* formdelait = nullptr;

Tformdelait::Tformdelait(QWidget* parent) : OnDemand(parent) {
  setObjectName("Tformdelait");
  setWindowTitle(QStringLiteral("编码图解"));
  setFixedSize(148, 172);
  setFont(tavrel::song_font(12));
  tavrel::centre_on_screen(*this);
}

void Tformdelait::build() {
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(24, 8, 97, 113);
  Image1->setScaledContents(true);
  BitBtn1 = new QPushButton(QStringLiteral("关  闭"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(36, 132, 76, 28);
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
}

void Tformdelait::BitBtn1Click() {
  Form1->BitBtn1->hide();
  close();
}

void Tformdelait::done(int result) {
  tavrel::guarded([this] { FormClose(); });
  QDialog::done(result);
}

void Tformdelait::FormClose() { Form1->resume_clocks_if_running(); }
