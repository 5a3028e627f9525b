// Building the article practice window's controls: the article box, the code field, the buttons.
#include <QApplication>

#include "article/test.h"
#include "platform/application.h"
#include "platform/fonts.h"

namespace {

using tavrel::guard;

QLabel* label(QWidget* parent, const QString& text, QRect place, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  l->setGeometry(place);
  return l;
}

QToolButton* speed_button(QWidget* parent, const QString& text, QRect place, const char* name) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(text);
  b->setGeometry(place);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QPushButton* push_button(QWidget* parent, const QString& text, QRect place, const char* name) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setGeometry(place);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

void Tform_test::build() {
  label(this, QStringLiteral("练习文章:"), {20, 10, 80, 24});
  Label_file = label(this, QStringLiteral("缺省文章"), {100, 10, 240, 24}, "Label_file");
  label(this, QStringLiteral("练习时间:"), {350, 10, 80, 24});
  Label_time = label(this, QStringLiteral("15分钟  "), {430, 10, 110, 24}, "Label_time");
  Ltime = label(this, QString(), {660, 10, 140, 24}, "Ltime");
  Ltime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  BtnPause = push_button(this, QStringLiteral("暂停"), {20, 44, 80, 32}, "BtnPause");
  SBtnfile = speed_button(this, QStringLiteral("文件"), {200, 44, 80, 32}, "SBtnfile");
  SBtnSetup = speed_button(this, QStringLiteral("设置"), {290, 44, 80, 32}, "SBtnSetup");
  BitBtn1 = push_button(this, QStringLiteral("自动切词"), {380, 44, 100, 32}, "BitBtn1");
  SBtnHelp = speed_button(this, QStringLiteral("成绩"), {490, 44, 80, 32}, "SBtnHelp");
  key_help = speed_button(this, QStringLiteral("说明"), {580, 44, 80, 32}, "key_help");
  key_help->setToolTip(QStringLiteral("输入法说明"));
  SBtnQuit = speed_button(this, QStringLiteral("退出"), {720, 44, 80, 32}, "SBtnQuit");
  BtnPause->setFocusPolicy(Qt::NoFocus);
  BitBtn1->setFocusPolicy(Qt::NoFocus);
  BtnPause->setEnabled(false);

  FileMenu = new QMenu(this);
  FileMenu->setObjectName("FileMenu");
  select_file = FileMenu->addAction(QStringLiteral("选择文章"));
  select_file->setObjectName("select_file");
  change_file = FileMenu->addAction(QStringLiteral("文件转换"));
  change_file->setObjectName("change_file");

  const QRect box_area(20, 88, 780, 436);
  Image2 = label(this, QString(), box_area, "Image2");
  Image2->setStyleSheet("background: #dfe8f2; border: 1px solid #9aaabb;");
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setGeometry(box_area);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ScrollBox1->setFocusPolicy(Qt::NoFocus);
  auto* box_holder = new QWidget;
  box_holder->resize(kBoxWidth, 455 + 35);
  REdit1 = new QTextEdit(box_holder);
  REdit1->setObjectName("REdit1");
  REdit1->setGeometry(0, 0, kBoxWidth, 455);
  REdit1->setFont(tavrel::song_font(24));
  REdit1->setLineWrapMode(QTextEdit::NoWrap);
  REdit1->setReadOnly(true);
  REdit1->setUndoRedoEnabled(false);  // the box is rewritten on every key of a long test
  REdit1->setTextInteractionFlags(Qt::NoTextInteraction);
  REdit1->setFocusPolicy(Qt::NoFocus);
  REdit1->setFrameShape(QFrame::NoFrame);
  REdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  REdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setWidget(box_holder);
  ScrollBox1->hide();

  BtnStart = new QPushButton(QStringLiteral("开始训练"), this);
  BtnStart->setObjectName("BtnStart");
  BtnStart->setGeometry(340, 284, 140, 44);
  BtnStart->setFont(tavrel::hei_font(18));
  BtnStart->setAutoDefault(true);

  Edit_input = new QLineEdit(this);
  Edit_input->setObjectName("Edit_input");
  Edit_input->setGeometry(20, 534, 100, 30);
  Edit_input->setMaxLength(6);
  Edit_input->setPlaceholderText(QStringLiteral("编码输入"));
  Edit_input->setEnabled(false);
  Edit_input->installEventFilter(this);
  Bleft = label(this, QStringLiteral("◀"), {128, 534, 20, 30}, "Bleft");
  result1 = label(this, QString(), {150, 534, 560, 30}, "result1");
  result1->setFont(tavrel::song_font(18));
  result1->setStyleSheet("background: white; border: 1px solid #9aaabb;");
  bright = label(this, QStringLiteral("▶"), {714, 534, 20, 30}, "bright");
  Bleft->hide();
  bright->hide();

  label(this, QStringLiteral("已打"), {20, 574, 34, 24});
  alread = label(this, QStringLiteral("0"), {54, 574, 50, 24}, "alread");
  label(this, QStringLiteral("个字"), {108, 574, 40, 24});
  label(this, QStringLiteral("打错"), {160, 574, 34, 24});
  wrong = label(this, QStringLiteral("0"), {194, 574, 50, 24}, "wrong");
  label(this, QStringLiteral("个字"), {248, 574, 40, 24});
  for (QLabel* counter : {alread, wrong}) {
    counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counter->setStyleSheet("color: #c00000;");
  }
  Lgo = label(this, QStringLiteral("0:00"), {310, 574, 70, 24}, "Lgo");
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setGeometry(384, 576, 260, 20);
  ProgressBar1->setRange(0, 15 * 60);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  LChange = label(this, default_status(), {656, 574, 144, 24}, "LChange");
  Label9 = label(this, QStringLiteral("输入说明：按“空格”或/键字结束，*键词结束，+和－键翻页。"),
                 {20, 606, 780, 24}, "Label9");

  zdqc = new QFrame(this);
  zdqc->setObjectName("zdqc");
  zdqc->setGeometry(260, 220, 300, 160);
  zdqc->setFrameShape(QFrame::Panel);
  zdqc->setAutoFillBackground(true);  // it covers the start button while it is shown
  zdqc->hide();
  build_segment_panel();

  connect(BtnStart, &QPushButton::clicked, this, guard([this] { BtnStartClick(); }));
  connect(BtnPause, &QPushButton::clicked, this, guard([this] { BtnPauseClick(); }));
  connect(SBtnfile, &QToolButton::clicked, this, guard([this] { SBtnfileClick(); }));
  connect(select_file, &QAction::triggered, this, guard([this] { select_fileClick(); }));
  connect(change_file, &QAction::triggered, this, guard([this] { change_fileClick(); }));
  connect(SBtnQuit, &QToolButton::clicked, this, guard([this] { SBtnQuitClick(); }));
  connect(SBtnHelp, &QToolButton::clicked, this, guard([this] { SBtnHelpClick(); }));
  connect(SBtnSetup, &QToolButton::clicked, this, guard([this] { SBtnSetupClick(); }));
  connect(key_help, &QToolButton::clicked, this, guard([this] { key_helpClick(); }));
  connect(BitBtn1, &QPushButton::clicked, this, guard([this] { BitBtn1Click(); }));
  // The code field's digits are the session's code, also between keys (a clock tick redraws it).
  connect(Edit_input, &QLineEdit::textChanged, this,
          [this](const QString& text) { session.code = text.toStdString(); });
}
