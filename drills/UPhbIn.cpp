// The new-record window: a name box whose name goes into "files\phb.txt".
#include "drills/UPhbIn.h"

#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>
#include <QStyle>

#include "drills/records.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/qt_text.h"
#include "platform/window_place.h"

TFPhbin* FPhbin = nullptr;

namespace {

// A gold cup for the new record.
QPixmap draw_cup() {
  QPixmap pixmap(57, 57);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(150, 100, 0), 2));
  p.setBrush(QColor(255, 200, 40));
  QPainterPath cup;
  cup.moveTo(14, 6);
  cup.lineTo(43, 6);
  cup.cubicTo(43, 26, 36, 34, 28.5, 34);
  cup.cubicTo(21, 34, 14, 26, 14, 6);
  p.drawPath(cup);
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(5, 9, 12, 14), 90 * 16, 180 * 16);
  p.drawArc(QRectF(40, 9, 12, 14), 270 * 16, 180 * 16);
  p.setBrush(QColor(255, 200, 40));
  p.drawRect(QRectF(25, 34, 7, 9));
  p.drawRoundedRect(QRectF(16, 43, 25, 8), 2, 2);
  return pixmap;
}

}  // namespace

TFPhbin::TFPhbin(QWidget* parent) : OnDemand(parent) {
  setObjectName("TFPhbin");
  setWindowTitle(QStringLiteral("提示"));
  setFixedSize(330, 150);
  setFont(tavrel::song_font(15));
  tavrel::centre_on_screen(*this);
}

void TFPhbin::build() {
  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(12, 10, 57, 57);
  Image1->setPixmap(draw_cup());
  Label1 = new QLabel(QStringLiteral("太棒了！恭喜你破记录！"), this);
  Label1->setObjectName("Label1");
  QFont bold = tavrel::song_font(15);
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setStyleSheet("color: red;");
  Label1->setGeometry(82, 26, 236, 24);
  Label3 = new QLabel(QStringLiteral("请输入大名:"), this);
  Label3->setObjectName("Label3");
  Label3->setGeometry(22, 78, 96, 26);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(120, 78, 188, 26);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                            QStringLiteral("确定"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(125, 114, 80, 28);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
}

void TFPhbin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void TFPhbin::FormShow() { Edit1->setFocus(); }

void TFPhbin::SaveRecord(int kind) {
  RecordSpeed = tavrel::drills::save_record(tavrel::drills::kRecordFile, kind,
                                            tavrel::to_gbk(Edit1->text()), RecordSpeed);
}

void TFPhbin::BitBtn1Click() {
  SaveRecord(RecordKind);
  close();
}
