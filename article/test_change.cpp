// The conversion's confirmation window; its buttons record the answer in the practice window.
#include "article/test_change.h"

#include "article/test.h"
#include "platform/application.h"
#include "platform/fonts.h"

TForm_change* Form_change = nullptr;

TForm_change::TForm_change(QWidget* parent) : OnDemand(parent) {
  setObjectName("TForm_change");
  setWindowTitle(QStringLiteral("转换完毕"));
  setFixedSize(340, 170);
  setFont(tavrel::song_font(14));
}

void TForm_change::build() {
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setFont(tavrel::song_font(19));
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(10, 20, 320, 32);

  Label2 = new QLabel(QStringLiteral("你想用该文章进行测试吗？"), this);
  Label2->setObjectName("Label2");
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setGeometry(10, 66, 320, 26);

  BitBtnok = new QPushButton(QStringLiteral("确定"), this);
  BitBtnok->setObjectName("BitBtnok");
  BitBtnok->setGeometry(70, 114, 90, 32);
  BitBtnok->setDefault(true);
  BitBtn1 = new QPushButton(QStringLiteral("否"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(180, 114, 90, 32);
  connect(BitBtnok, &QPushButton::clicked, this, tavrel::guard([this] { BitBtnokClick(); }));
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
}

void TForm_change::BitBtnokClick() {
  if (form_test) form_test->conversion_accepted = true;
  accept();
}

void TForm_change::BitBtn1Click() {
  if (form_test) form_test->conversion_accepted = false;
  reject();
}
