// The pause window: a notice and one button that ends the pause.
#include "drills/Unitstop.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyle>

#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/window_place.h"

TFormstop* Formstop = nullptr;

TFormstop::TFormstop(QWidget* parent)
    : OnDemand(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("TFormstop");
  setWindowTitle(QStringLiteral("暂停"));
  setFixedSize(337, 177);
  setFont(tavrel::song_font(14));
  tavrel::centre_on_screen(*this);
}

void TFormstop::build() {
  auto* title = new QLabel(QStringLiteral("暂停训练"), this);
  QFont title_font = tavrel::hei_font(21);
  title_font.setBold(true);
  title->setFont(title_font);
  title->setStyleSheet("color: red;");
  title->setAlignment(Qt::AlignCenter);
  title->setGeometry(0, 14, 337, 30);
  auto* rest = new QLabel(QStringLiteral("你可以作片刻休息，不会影响你的训练速度"), this);
  rest->setAlignment(Qt::AlignCenter);
  rest->setGeometry(0, 58, 337, 22);
  auto* go_on = new QLabel(QStringLiteral("按“继续”键可继续训练"), this);
  go_on->setAlignment(Qt::AlignCenter);
  go_on->setGeometry(0, 84, 337, 22);

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                            QStringLiteral("继续"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(128, 128, 81, 30);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
}

void TFormstop::BitBtn1Click() { close(); }

void TFormstop::keyPressEvent(QKeyEvent* event) {
  // Without a close box the pause ends only through its button (or Enter).
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
