// The drill settings window: snapshot on show, live colour preview, confirm or restore on close.
#include "drills/shezhi.h"

#include <QPainter>
#include <QShowEvent>
#include <cstdint>

#include "drills/Unit1.h"
#include "drills/settings_rules.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/window_place.h"

Tform_sz* form_sz = nullptr;

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

std::uint32_t to_bgr(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

QColor from_bgr(std::uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QColor background_of(const QWidget* panel) { return panel->palette().color(QPalette::Window); }

void set_background(QWidget* panel, const QColor& colour) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
}

QPixmap draw_bullet() {
  QPixmap pixmap(12, 12);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 128, 128));
  p.drawEllipse(QRectF(1, 1, 10, 10));
  return pixmap;
}

QPixmap draw_palette() {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colours[] = {Qt::red, QColor(255, 200, 0), Qt::green, QColor(0, 128, 128), Qt::blue};
  for (int i = 0; i < 5; ++i) {
    p.setBrush(colours[i]);
    p.setPen(Qt::NoPen);
    p.drawPie(QRectF(1, 1, 22, 22), i * 72 * 16, 72 * 16);
  }
  return pixmap;
}

}  // namespace

Tform_sz::Tform_sz(QWidget* parent) : OnDemand(parent) {
  setObjectName("Tform_sz");
  setWindowTitle(u8("设置"));
  setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
  setFixedSize(419, 318);
  setFont(tavrel::song_font(16));
  ColorDialog1.Color = QColor(0, 255, 0);
  tavrel::centre_on_screen(*this);
}

void Tform_sz::build() {
  const QPixmap bullet = draw_bullet();
  auto row = [&](const char* caption, int top) {
    auto* mark = new QLabel(this);
    mark->setPixmap(bullet);
    mark->setGeometry(36, top + 7, 12, 12);
    auto* label = new QLabel(u8(caption), this);
    label->setGeometry(56, top, 100, 26);
  };
  row("级别", 20);
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setEditable(true);
  ComboBox1->addItems({u8("初级能手"), u8("中级能手"), u8("高级能手"), u8("超级高手")});
  ComboBox1->setCurrentIndex(0);
  ComboBox1->setGeometry(170, 20, 150, 26);

  row("无级别训练", 60);
  CheckBox2 = new QCheckBox(this);
  CheckBox2->setObjectName("CheckBox2");
  CheckBox2->setGeometry(170, 60, 26, 26);

  row("背景", 100);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setIcon(QIcon(draw_palette()));
  SpeedButton1->setIconSize({24, 24});
  SpeedButton1->setGeometry(170, 97, 40, 32);
  SpeedButton1->setToolTip(u8("选择训练板的背景颜色"));

  row("音乐", 140);
  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(170, 140, 26, 26);

  row("自动提示", 180);
  Checkhelp = new QCheckBox(this);
  Checkhelp->setObjectName("Checkhelp");
  Checkhelp->setGeometry(170, 180, 26, 26);
  Checkhelp->setChecked(true);
  list = new QComboBox(this);
  list->setObjectName("list");
  list->setEditable(true);
  list->addItems({"2", "3", "4", "5", "6"});
  list->setCurrentIndex(0);
  list->setGeometry(204, 180, 56, 26);
  Label5 = new QLabel(u8("次错误后提示"), this);
  Label5->setObjectName("Label5");
  Label5->setGeometry(266, 180, 110, 26);

  row("优先订正", 220);
  yxdz = new QCheckBox(this);
  yxdz->setObjectName("yxdz");
  yxdz->setGeometry(170, 220, 26, 26);
  yxdz->setChecked(true);
  yxdz->setEnabled(false);

  Button1 = new QPushButton(u8("确认"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(170, 266, 80, 32);
  Button1->setAutoDefault(false);

  connect(CheckBox2, &QCheckBox::clicked, this, tavrel::guard([this] { CheckBox2Click(); }));
  connect(Checkhelp, &QCheckBox::clicked, this, tavrel::guard([this] { CheckhelpClick(); }));
  connect(yxdz, &QCheckBox::clicked, this, tavrel::guard([this] { CheckhelpClick(); }));
  connect(SpeedButton1, &QToolButton::clicked, this,
          tavrel::guard([this] { SpeedButton1Click(); }));
  connect(Button1, &QPushButton::clicked, this, tavrel::guard([this] { Button1Click(); }));
}

void Tform_sz::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void Tform_sz::done(int result) {
  tavrel::guarded([this] { FormClose(); });
  QDialog::done(result);
}

void Tform_sz::FormShow() {
  confirmed_ = false;
  colour_picked_ = false;
  saved_panel1_ = background_of(Form1->Panel1);
  saved_panel5_ = background_of(Form1->Panel5);
  saved_panel12_ = background_of(Form1->Panel12);
  saved_list_ = list->currentText().left(5);
}

void Tform_sz::CheckBox2Click() { ComboBox1->setEnabled(!CheckBox2->isChecked()); }

void Tform_sz::CheckhelpClick() {
  list->setVisible(Checkhelp->isChecked());
  Label5->setVisible(Checkhelp->isChecked());
}

void Tform_sz::SpeedButton1Click() {
  try {
    std::optional<QColor> picked = tavrel::platform().choose_color(this, ColorDialog1.Color);
    if (!picked) return;
    ColorDialog1.Color = *picked;
    colour_picked_ = true;
    // The boards change at once, while the settings are still open.
    for (QWidget* panel : {Form1->Panel1, Form1->Panel5, Form1->Panel12})
      set_background(panel, *picked);
  } catch (...) {
    tavrel::platform().message_box(this, u8("Color selection dialog failed to load"),
                                   QString::fromUtf8(tavrel::kProgramTitle), tavrel::MsgButtons::Ok,
                                   tavrel::MsgIcon::None);
  }
}

void Tform_sz::Button1Click() {
  confirmed_ = true;
  Form1->LevelStep =
      tavrel::drills::level_step(ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly));
  Form1->LevelName = ComboBox1->currentText();
  if (colour_picked_) {
    ColorDialog1.Color = from_bgr(tavrel::drills::contrast_colour(to_bgr(ColorDialog1.Color)));
    auto paint = [this](QLabel* cell) {
      QPalette palette = cell->palette();
      palette.setColor(QPalette::WindowText, ColorDialog1.Color);
      cell->setPalette(palette);
    };
    for (QLabel* cell : Form1->CharCells) paint(cell);
    for (QLabel* cell : Form1->WordCells) paint(cell);
  }
  if (CheckBox2->isChecked()) {
    Form1->Timer1->stop();
    Form1->Gauge1->hide();
    Form1->Gauge2->hide();
    ComboBox1->setEnabled(false);
    Form1->NoLevel = true;
  } else {
    Form1->Gauge1->show();
    Form1->Gauge2->show();
    ComboBox1->setEnabled(true);
    Form1->NoLevel = false;
    if (!Form1->SBtnStart->isEnabled()) Form1->Timer1->start();
  }
  Form1->HintAfter = tavrel::drills::parse_whole_number(list->currentText().toStdString());
  close();
}

void Tform_sz::FormClose() {
  if (confirmed_) return;
  set_background(Form1->Panel1, saved_panel1_);
  set_background(Form1->Panel5, saved_panel5_);
  set_background(Form1->Panel12, saved_panel12_);
  list->setEditText(saved_list_);
}
