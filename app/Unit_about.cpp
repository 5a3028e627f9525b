// The About box: title, product and version, logo link, credits and a close button.
#include "app/Unit_about.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/window_place.h"

TAbout* About = nullptr;
const char* const kMakerPage = "https://tavrel.example.org/";

namespace {

QLabel* add_line(QWidget* parent, const QString& text, int top, int height, const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, 383, height);
  return label;
}

// The program's logo: the name in two colours on a soft band, drawn at the logo's size.
QPixmap draw_logo() {
  QPixmap logo(201, 49);
  logo.fill(Qt::transparent);
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient band(0, 0, 201, 0);
  band.setColorAt(0, QColor(0x1f, 0x5f, 0xa8));
  band.setColorAt(1, QColor(0x3f, 0x9f, 0xd8));
  p.setBrush(band);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(1, 1, 199, 47), 10, 10);
  QFont font = tavrel::hei_font(28);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 150, 49), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Tavrel"));
  p.setPen(QColor(0xff, 0xd8, 0x40));
  p.drawText(QRect(150, 0, 45, 49), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("码"));
  return logo;
}

}  // namespace

TAbout::TAbout(QWidget* parent) : OnDemand(parent) {
  setObjectName("TAbout");
  setWindowTitle(QStringLiteral("关于系统"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setFixedSize(383, 248);
  setFont(tavrel::song_font(12));
  tavrel::centre_on_screen(*this);
}

void TAbout::build() {
  add_line(this, QStringLiteral("Tavrel码输入法教学训练软件"), 10, 34, tavrel::song_font(24));
  add_line(this, QStringLiteral("产品：Tavrel码字词训练与文章练习"), 48, 18, font());
  add_line(this, QStringLiteral("版本：1.0（Linux 版）"), 66, 18, font());
  auto* rule = new QFrame(this);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(16, 90, 351, 4);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(91, 100, 201, 49);
  Image1->setPixmap(draw_logo());
  Image1->setCursor(Qt::PointingHandCursor);
  Image1->setToolTip(QString::fromUtf8(kMakerPage));
  Image1->installEventFilter(this);

  add_line(this, QStringLiteral("编写：Tavrel码教学软件开发组"), 154, 16, font());
  add_line(this, QStringLiteral("技术顾问：Tavrel码输入法研究组"), 171, 16, font());
  add_line(this, QStringLiteral("版权所有 © 2026 Tavrel码教学软件开发组"), 188, 16, font());

  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                            QStringLiteral("关闭"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(154, 212, 75, 27);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  qApp->installEventFilter(this);
}

void TAbout::Image1Click() { tavrel::platform().shell_open(this, QString::fromUtf8(kMakerPage)); }

void TAbout::FormKeyDown(QKeyEvent& event) {
  if (tavrel::key_code(event) == tavrel::vk::kEscape) close();
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
    tavrel::guarded([this] { Image1Click(); });
    return true;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::KeyPress && widget && widget->window() == this && isVisible()) {
    tavrel::guarded([&] { FormKeyDown(static_cast<QKeyEvent&>(*event)); });
    return event->isAccepted() && !isVisible();
  }
  return QDialog::eventFilter(watched, event);
}
