// The help window: a read-only rich-text box with a vertical scroll bar and an OK button.
#include "platform/test_help.h"

#include "platform/fonts.h"

Tform_help* form_help = nullptr;

Tform_help::Tform_help(QWidget* parent) : OnDemand(parent) {
  setObjectName("Tform_help");
  setWindowTitle(QStringLiteral("说明"));
  setFixedSize(560, 440);
  setFont(tavrel::song_font(12));
}

void Tform_help::build() {
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setGeometry(8, 8, 544, 384);
  RichEdit1->setReadOnly(true);
  RichEdit1->setFont(tavrel::song_font(14));
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  BitBtn1 = new QPushButton(QStringLiteral("确定"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(242, 402, 75, 28);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}
