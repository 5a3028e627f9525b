// The drill window: its pages, boards and side panel, and its window events.
#include "drills/Unit1.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPixmap>
#include <QShowEvent>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "common/data_path.h"
#include "drills/Unit1_shared.h"
#include "drills/drill_art.h"
#include "drills/judging.h"
#include "platform/UnitSM.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/rich_text.h"
#include "platform/window_place.h"

using tavrel::drills::Family;
namespace drills = tavrel::drills;
using namespace unit1;

TForm1* Form1 = nullptr;

namespace {

void set_background(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QFrame* make_panel(QWidget* parent, const char* name, QRect place) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setGeometry(place);
  return panel;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text, QRect place,
                   const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setFont(font);
  return label;
}

QLabel* make_picture(QWidget* parent, const char* name, QRect place, const QPixmap& pixmap) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setPixmap(pixmap);
  return label;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : OnDemand(parent) {
  setObjectName("TForm1");
  setWindowTitle(u8("字词训练窗口"));
  setFixedSize(843, 620);
  setFont(tavrel::song_font(12));

  auto make_timer = [this](const char* name, int interval, void (TForm1::*handler)()) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(interval);
    connect(timer, &QTimer::timeout, this, tavrel::guard([this, handler] { (this->*handler)(); }));
    return timer;
  };
  Timer1 = make_timer("Timer1", 1200, &TForm1::Timer1Timer);
  Timer2 = make_timer("Timer2", 100, &TForm1::Timer2Timer);
  Timer3 = make_timer("Timer3", 1000, &TForm1::Timer3Timer);
  Timer4 = make_timer("Timer4", 200, &TForm1::Timer4Timer);
  Timertime = make_timer("Timertime", 1000, &TForm1::TimertimeTimer);

  codes_[0].resize(Images.size());
  codes_[1].resize(CharCells.size());
  codes_[2].resize(WordCells.size());
  for (int f = 0; f < 3; ++f) texts_[f].resize(codes_[f].size());

  // Creation: the defaults of the run (the controls take theirs when they are built).
  LevelStep = 1;
  LevelName = u8("初级能手");
  SpeedRunning = false;
  HintAfter = 2;
  HelpLists.characters.clear();
  HelpLists.words.clear();
  tavrel::centre_on_screen(*this);
}

void TForm1::build() {
  build_pages();
  build_side_panel();

  Panel3 = make_panel(this, "Panel3", {15, 584, 650, 33});
  Panel3->setFrameShape(QFrame::StyledPanel);
  Labeloutput1 = make_label(Panel3, "Labeloutput1",
                            u8("横一竖二三点捺，叉四插五方块六，角七八八九是小，撇与左钩都是零。"),
                            {4, 8, 642, 18}, tavrel::song_font(14));
  Labeloutput1->hide();

  auto* gauges = make_panel(this, "GaugePanel", {215, 25, 449, 21});
  gauges->setToolTip(u8("进度条"));
  gauges->setFrameShape(QFrame::StyledPanel);
  auto make_gauge = [gauges](const char* name, int top) {
    auto* gauge = new QProgressBar(gauges);
    gauge->setObjectName(name);
    gauge->setGeometry(5, top, 438, 6);
    gauge->setRange(0, drills::kGaugeFull);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    return gauge;
  };
  Gauge1 = make_gauge("Gauge1", 3);
  Gauge2 = make_gauge("Gauge2", 11);

  // The controls' states at creation: the first page, nothing typed.
  SBtnPause->setEnabled(false);
  TabbedNotebook2->setCurrentIndex(0);
  Editinput->clear();
  Editinput2->clear();
  Labeloutput1->setFixedWidth(1000);
  connect(TabbedNotebook2, &QTabWidget::currentChanged, this,
          tavrel::guard([this] { TabbedNotebook2Click(); }));
  // A click on the tab already shown is a tab change too: it abandons a run.
  connect(TabbedNotebook2, &QTabWidget::tabBarClicked, this, [this](int index) {
    if (index == TabbedNotebook2->currentIndex())
      tavrel::guarded([this] { TabbedNotebook2Click(); });
  });
}

void TForm1::build_pages() {
  TabbedNotebook2 = new QTabWidget(this);
  TabbedNotebook2->setObjectName("TabbedNotebook2");
  TabbedNotebook2->setGeometry(15, 23, 650, 562);
  TabbedNotebook2->setFont(tavrel::song_font(16));
  for (int page = 0; page < drills::kPageCount; ++page)
    TabbedNotebook2->addTab(build_page(page), u8(drills::drill_page(page).caption));
  // Set once the pages exist: a style sheet set before restyles the whole notebook on every added
  // page.
  TabbedNotebook2->setStyleSheet(
      "QTabWidget::pane { border: 1px solid #8a8a8a; top: -1px; }"
      "QTabBar::tab { padding: 3px 4px; height: 20px; }");
}

QWidget* TForm1::build_page(int page) {
  auto* sheet = new QWidget;
  auto* strip = make_panel(sheet, "Strip", {2, 0, 642, 65});
  strip->setFrameShape(QFrame::StyledPanel);
  if (page == 0) {
    Panel1 = make_panel(sheet, "Panel1", {2, 65, 642, 466});
    set_background(Panel1, kWhite);
    // 82 px buttons 2 px apart, ending before the mnemonic lines at 258.
    SpeedButton8 = add_kind_button(strip, 0, "简单", 6);
    SpeedButton10 = add_kind_button(strip, 1, "较难", 90);
    SpeedButton9 = add_kind_button(strip, 2, "彩色字", 174);
    Label4 = make_label(strip, "Label4", u8("一横二竖三点捺，叉四插五方块六，"), {258, 8, 380, 24},
                        tavrel::song_font(19));
    Label5 = make_label(strip, "Label5", u8("七角八八九是小，撇与左钩都是零。"), {258, 35, 380, 24},
                        tavrel::song_font(19));
    const int lefts[] = {16, 76, 136, 197, 257, 318, 378, 439, 499, 560};
    const int tops[] = {16, 88, 160, 232, 304, 377};
    for (int i = 0; i < 60; ++i) {
      auto* image = new QLabel(Panel1);
      image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
      image->setGeometry(lefts[i % 10], tops[i / 10], 49, 48);
      image->setScaledContents(true);
      image->setProperty("tag", 1);
      image->hide();
      Images[static_cast<std::size_t>(i)] = image;
    }
    Image71 = make_picture(Panel1, "Image71", {32, 68, 17, 17}, drills::draw_marker());
    Image71->hide();
    Labelhint1 = new QLineEdit(Panel1);
    Labelhint1->setObjectName("Labelhint1");
    Labelhint1->setGeometry(15, 62, 58, 27);
    QFont hint_font = tavrel::song_font(19);
    hint_font.setBold(true);
    Labelhint1->setFont(hint_font);
    Labelhint1->installEventFilter(this);
    Labelhint1->hide();
    connect(Labelhint1, &QLineEdit::textChanged, this,
            tavrel::guard([this] { Labelhint1Change(); }));
    Image71->raise();  // the marker stands on the answer box it marks
  } else if (page == 1) {
    Panel5 = make_panel(sheet, "Panel5", {2, 65, 642, 466});
    set_background(Panel5, kTeal);
    SpeedButton12 = add_kind_button(strip, 3, "全码字", 8);
    SpeedButton17 = add_kind_button(strip, 4, "稍难字", 98);
    SpeedButton13 = add_kind_button(strip, 5, "一键简码", 188);
    SpeedButton18 = add_kind_button(strip, 6, "二键简码", 278);
    const int tops[] = {11, 74, 138, 202, 265, 329, 393};
    for (int i = 0; i < 119; ++i) {
      auto* cell = new QLabel(Panel5);
      cell->setObjectName(QStringLiteral("Label%1").arg(i + 6));
      cell->setGeometry(8 + 37 * (i % 17), tops[i / 17], 32, 33);
      cell->setFont(tavrel::song_font(32));
      cell->setAlignment(Qt::AlignCenter);
      cell->setProperty("tag", 2);
      QPalette palette = cell->palette();
      palette.setColor(QPalette::WindowText, kCellText);
      cell->setPalette(palette);
      cell->hide();
      CharCells[static_cast<std::size_t>(i)] = cell;
    }
  } else {
    Panel12 = make_panel(sheet, "Panel12", {2, 65, 642, 466});
    set_background(Panel12, kTeal);
    SpeedButton4 = add_kind_button(strip, 7, "二字词", 8);
    SpeedButton6 = add_kind_button(strip, 8, "三字词", 98);
    SpeedButton5 = add_kind_button(strip, 9, "四字词", 188);
    SpeedButton2 = add_kind_button(strip, 11, "多字词", 278);
    SpeedButton7 = add_kind_button(strip, 10, "一键词", 368);
    for (int i = 0; i < 45; ++i) {
      auto* cell = new QLabel(Panel12);
      cell->setObjectName(i == 0 ? QStringLiteral("word00")
                                 : QStringLiteral("Label%1").arg(i + 124));
      cell->setGeometry(2 + 126 * (i % 5), 7 + 49 * (i / 5), 108, 27);
      cell->setFont(tavrel::song_font(27));
      cell->setProperty("tag", 3);
      QPalette palette = cell->palette();
      palette.setColor(QPalette::WindowText, kCellText);
      cell->setPalette(palette);
      cell->hide();
      WordCells[static_cast<std::size_t>(i)] = cell;
    }
  }
  if (page != 0) {
    QWidget* board = page == 1 ? Panel5 : Panel12;
    auto* box = new QLineEdit(board);
    box->setObjectName(page == 1 ? "Editinput" : "Editinput2");
    box->setGeometry(page == 1 ? QRect(8, 44, 69, 27) : QRect(2, 34, 119, 22));
    box->setMaxLength(drills::kBoxFull);
    QFont font = tavrel::song_font(page == 1 ? 19 : 16);
    font.setBold(true);
    box->setFont(font);
    box->setStyleSheet(
        "QLineEdit { color: white; background: red; }"
        "QLineEdit:disabled { color: #ffd0d0; background: #b04040; }");
    box->setToolTip(u8("Tavrel码输入"));
    box->installEventFilter(this);
    box->hide();
    if (page == 1) {
      Editinput = box;
      connect(box, &QLineEdit::textChanged, this, tavrel::guard([this] { EditinputChange(); }));
    } else {
      Editinput2 = box;
      connect(box, &QLineEdit::textChanged, this, tavrel::guard([this] { Editinput2Change(); }));
    }
  }
  return sheet;
}

QToolButton* TForm1::add_kind_button(QWidget* strip, int kind, const char* caption, int left) {
  static const char* const kNames[drills::kKindCount] = {
      "SpeedButton8",  "SpeedButton10", "SpeedButton9",  "SpeedButton12",
      "SpeedButton17", "SpeedButton13", "SpeedButton18", "SpeedButton4",
      "SpeedButton6",  "SpeedButton5",  "SpeedButton7",  "SpeedButton2"};
  auto* button = new QToolButton(strip);
  button->setObjectName(kNames[kind]);
  button->setText(u8(caption));
  button->setGeometry(left, 12, 82, 40);
  button->setFont(tavrel::song_font(16));
  button->setCheckable(true);
  button->setAutoExclusive(true);
  button->setChecked(kind == 0 || kind == 3 || kind == 7);
  button->setFocusPolicy(Qt::NoFocus);
  button->setCursor(Qt::PointingHandCursor);
  connect(
      button, &QToolButton::clicked, this, tavrel::guard([this, kind] {
        static constexpr void (TForm1::*kHandlers[drills::kKindCount])() = {
            &TForm1::SpeedButton8Click,  &TForm1::SpeedButton10Click, &TForm1::SpeedButton9Click,
            &TForm1::SpeedButton12Click, &TForm1::SpeedButton17Click, &TForm1::SpeedButton13Click,
            &TForm1::SpeedButton18Click, &TForm1::SpeedButton4Click,  &TForm1::SpeedButton6Click,
            &TForm1::SpeedButton5Click,  &TForm1::SpeedButton7Click,  &TForm1::SpeedButton2Click};
        (this->*kHandlers[kind])();
      }));
  return button;
}

void TForm1::build_side_panel() {
  Panel7 = make_panel(this, "Panel7", {666, 24, 167, 560});
  Panel7->setFrameShape(QFrame::StyledPanel);

  Panelmilti = make_panel(Panel7, "Panelmilti", {5, 4, 156, 156});
  Panelmilti->setFrameShape(QFrame::Panel);
  Panelmilti->setFrameShadow(QFrame::Raised);
  Imagefaceclose =
      make_picture(Panelmilti, "Imagefaceclose", {6, 4, 60, 60}, drills::draw_face(false));
  Imagefaceclose->setToolTip(u8("别摸我的脸"));
  Imagefaceopen =
      make_picture(Panelmilti, "Imagefaceopen", {6, 4, 60, 60}, drills::draw_face(true));
  Imagefaceopen->setToolTip(u8("不要摸我脸嘛"));
  Imagefaceopen->hide();
  BitBtn1 = new QPushButton(u8("编码图解"), Panelmilti);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(72, 20, 78, 28);
  BitBtn1->setAutoDefault(false);
  BitBtn1->setFocusPolicy(Qt::NoFocus);
  BitBtn1->hide();
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
  QFont line_font = tavrel::song_font(14);
  Labelplay1 = make_label(Panelmilti, "Labelplay1", {}, {10, 68, 137, 20}, line_font);
  Labelplay2 = make_label(Panelmilti, "Labelplay2", {}, {10, 89, 137, 20}, line_font);
  Labelplay3 = make_label(Panelmilti, "Labelplay3", {}, {10, 110, 137, 20}, line_font);
  Labelplay4 = make_label(Panelmilti, "Labelplay4", {}, {10, 131, 137, 20}, line_font);
  for (QLabel* line : {Labelplay1, Labelplay2, Labelplay3, Labelplay4}) {
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, kNavy);
    line->setPalette(palette);
  }

  Panel13 = make_panel(Panel7, "Panel13", {5, 166, 156, 112});
  Panel13->setFrameShape(QFrame::StyledPanel);
  auto make_button = [this](const char* name, const char* caption, int left, int top,
                            void (TForm1::*handler)()) {
    auto* button = new QToolButton(Panel13);
    button->setObjectName(name);
    button->setText(u8(caption));
    button->setGeometry(left, top, 50, 50);
    button->setFont(tavrel::song_font(14));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this,
            tavrel::guard([this, handler] { (this->*handler)(); }));
    return button;
  };
  sbHelp = make_button("sbHelp", "说明", 2, 4, &TForm1::sbHelpClick);
  sbHelp->setToolTip(u8("输入说明"));
  SBtnStart = make_button("SBtnStart", "开始", 53, 4, &TForm1::SBtnStartClick);
  SBtnPause = make_button("SBtnPause", "暂停", 104, 4, &TForm1::SBtnPauseClick);
  SBtnSetup = make_button("SBtnSetup", "设置", 2, 57, &TForm1::SBtnSetupClick);
  sbAbout = make_button("sbAbout", "高手", 53, 57, &TForm1::sbAboutClick);
  sbAbout->setToolTip(u8("关于系统"));
  SBtnQuit = make_button("SBtnQuit", "退出", 104, 57, &TForm1::SBtnQuitClick);

  Label2 = make_label(Panel7, "Label2", u8("速度"), {8, 292, 40, 22}, tavrel::song_font(16));
  QFont speed_font = tavrel::song_font(21);
  speed_font.setBold(true);
  Labeljifen = make_label(Panel7, "Labeljifen", QStringLiteral("0"), {48, 288, 68, 28}, speed_font);
  Labeljifen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QPalette red = Labeljifen->palette();
  red.setColor(QPalette::WindowText, kRed);
  Labeljifen->setPalette(red);
  Label3 = make_label(Panel7, "Label3", u8("字/分"), {120, 292, 44, 22}, tavrel::song_font(14));

  Imagebike = make_picture(Panel7, "Imagebike", {40, 322, 88, 44},
                           drills::draw_vehicle(drills::Vehicle::kBike));
  Imagecar = make_picture(Panel7, "Imagecar", {40, 322, 88, 44},
                          drills::draw_vehicle(drills::Vehicle::kCar));
  Imageplane = make_picture(Panel7, "Imageplane", {40, 322, 88, 44},
                            drills::draw_vehicle(drills::Vehicle::kPlane));
  Imagecar->hide();
  Imageplane->hide();
  Imagetime = make_picture(Panel7, "Imagetime", {8, 378, 44, 44}, drills::draw_clock());
  Label1 = make_label(Panel7, "Label1", {}, {56, 388, 106, 24}, tavrel::song_font(16));
  Image61 = make_picture(Panel7, "Image61", {5, 440, 156, 112}, drills::draw_decoration());
}

const std::string& TForm1::cell_code(Family family, int cell) const {
  return codes_[family_index(family)].at(static_cast<std::size_t>(cell));
}

const std::string& TForm1::cell_text(Family family, int cell) const {
  return texts_[family_index(family)].at(static_cast<std::size_t>(cell));
}

QLabel* TForm1::cell_label(Family family, int cell) const {
  const auto index = static_cast<std::size_t>(cell);
  switch (family) {
    case Family::kBasic:
      return Images.at(index);
    case Family::kCharacter:
      return CharCells.at(index);
    default:
      return WordCells.at(index);
  }
}

// ---------------------------------------------------------------------------------------
// Window events.

void TForm1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void TForm1::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    tavrel::guarded([this] { FormActivate(); });
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // The drill window has no cancel button: Esc does not close it.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm1::done(int result) {
  tavrel::guarded([this] { FormClose(); });
  QDialog::done(result);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == Labelhint1 || watched == Editinput || watched == Editinput2)) {
    // A closed box takes no keys (the platform delivers none to it either).
    if (!static_cast<QWidget*>(watched)->isEnabled()) return true;
    const int key = tavrel::key_code(*static_cast<QKeyEvent*>(event));
    tavrel::guarded([&] {
      if (watched == Labelhint1)
        Labelhint1KeyDown(key);
      else if (watched == Editinput)
        EditinputKeyDown(key);
      else
        Editinput2KeyDown(key);
    });
    // Enter would press a default button and Esc close the window; neither types anything.
    return key == tavrel::vk::kReturn || key == tavrel::vk::kEscape;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm1::FormShow() {
  Labelhint1->hide();
  HelpLists.characters.owner_kind = 3;
  HelpLists.words.owner_kind = 7;
  Editinput->hide();
  Editinput2->hide();
  BitBtn1->hide();
  HelpLists.count = 0;
  if (!ProgramDir.isEmpty()) {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::path(ProgramDir.toStdString()), ec);
    if (ec) throw std::runtime_error("无法进入程序目录：" + ProgramDir.toStdString());
  }
  Timer2->start();
  Timertime->start();
  Imagefaceclose->show();
  Timer4->start();
  say("欢迎您使用", "请选择训练项目");
  TabbedNotebook2Click();
}

void TForm1::FormActivate() {
  if (FormSM) FormSM->close();
}

void TForm1::FormClose() {
  for (QTimer* timer : {Timer1, Timer2, Timer3, Timer4, Timertime}) timer->stop();
  if (FormSM && FormSM->isVisible()) FormSM->close();
}

void TForm1::show_explanation(const char* file) {
  if (!FormSM) return;
  FormSM->move(x() + 108, y() + 187);
  if (tavrel::path_exists(file)) tavrel::load_rich_text(*FormSM->RichEdit1, file);
  // The panel must not take the activation from the drill window: activating the drill
  // window again is what closes it.
  FormSM->setAttribute(Qt::WA_ShowWithoutActivating);
  FormSM->show();
}

void TForm1::TabbedNotebook2Click() {
  Timer4->start();
  Image71->hide();
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  Timer1->stop();
  Editinput->hide();
  Editinput2->hide();
  Labelhint1->hide();
  SBtnStart->setEnabled(true);
  SBtnSetup->setEnabled(true);
  sbAbout->setEnabled(true);
  SBtnPause->setEnabled(false);
  HelpLists.count = 0;
  ClearBoard(DrillKind);
  const int page = TabbedNotebook2->currentIndex();
  const drills::DrillPageInfo& info = drills::drill_page(page);
  say(info.lines[0], info.lines[1], info.lines[2], info.lines[3]);
  DrillKind = info.first_kind;
  QToolButton* first[] = {SpeedButton8, SpeedButton12, SpeedButton4};
  first[page]->setChecked(true);
  show_explanation(info.explanation);
}

void TForm1::Timer2Timer() {
  // The explanation of the page the window opens on.
  show_explanation(drills::drill_page(TabbedNotebook2->currentIndex()).explanation);
  Timer2->stop();
}
