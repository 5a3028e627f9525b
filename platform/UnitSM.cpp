// The explanation panel: one read-only rich-text box on a tooltip-coloured ground.
#include "platform/UnitSM.h"

#include <QFrame>

#include "platform/fonts.h"

TFormSM* FormSM = nullptr;

TFormSM::TFormSM(QWidget* parent)
    : OnDemand(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TFormSM");
  setFixedSize(473, 353);
}

void TFormSM::build() {
  auto* panel = new QFrame(this);
  panel->setGeometry(0, 0, 473, 353);
  panel->setAutoFillBackground(true);
  RichEdit1 = new QTextEdit(panel);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setGeometry(0, 0, 473, 353);
  RichEdit1->setReadOnly(true);
  RichEdit1->setFrameShape(QFrame::NoFrame);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setFont(tavrel::song_font(16));
  QPalette palette = RichEdit1->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
  // The selection stays visible when the panel is not the active window.
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  RichEdit1->setPalette(palette);
  RichEdit1->setPlainText(QStringLiteral("对不起，未找到说明文件，但你可以点“开始”练习的。"));
}
