// The drill window: pages and boards, runs with their clocks, answer boxes and judging.
#include "drills/Unit1.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPixmap>
#include <QShowEvent>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/UnitSM.h"
#include "app/application.h"
#include "app/fonts.h"
#include "app/keys.h"
#include "app/platform.h"
#include "app/qt_text.h"
#include "app/rich_text.h"
#include "app/shuoming.h"
#include "app/sound.h"
#include "app/window_place.h"
#include "article/test_help.h"
#include "common/data_path.h"
#include "common/gbk.h"
#include "drills/UPhb.h"
#include "drills/UPhbIn.h"
#include "drills/Unitdelait.h"
#include "drills/Unitstop.h"
#include "drills/drill_art.h"
#include "drills/judging.h"
#include "drills/records.h"
#include "drills/run_rules.h"
#include "drills/shezhi.h"

TForm1* Form1 = nullptr;

using tavrel::drills::Family;
namespace drills = tavrel::drills;

namespace {

const QColor kTeal(0, 128, 128), kRed(255, 0, 0), kNavy(0, 0, 128), kWhite(255, 255, 255);
const QColor kCellText(255, 255, 0);  // yellow reads well on teal, red and navy
constexpr int kCueJiayou = 1, kCueHero = 2, kCueZaixiang = 3, kCueStart = 4, kCueTimeUp = 5,
              kCueWin = 6, kCuePause = 7;

QString u8(const char* text) { return QString::fromUtf8(text); }

int family_index(Family family) { return static_cast<int>(family); }

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

bool ends_with_digit(const QString& text) {
  return !text.isEmpty() && text.back() >= QLatin1Char('0') && text.back() <= QLatin1Char('9');
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm1");
  setWindowTitle(u8("字词训练窗口"));
  setFixedSize(843, 620);
  setFont(tavrel::song_font(12));

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

  // Creation: the defaults of the run and the first page.
  LevelStep = 1;
  LevelName = u8("初级能手");
  SpeedRunning = false;
  HintAfter = 2;
  SBtnPause->setEnabled(false);
  TabbedNotebook2->setCurrentIndex(0);
  Editinput->clear();
  Editinput2->clear();
  Labeloutput1->setFixedWidth(1000);
  HelpLists.characters.clear();
  HelpLists.words.clear();
  connect(TabbedNotebook2, &QTabWidget::currentChanged, this,
          tavrel::guard([this] { TabbedNotebook2Click(); }));
  // A click on the tab already shown is a tab change too: it abandons a run.
  connect(TabbedNotebook2, &QTabWidget::tabBarClicked, this, [this](int index) {
    if (index == TabbedNotebook2->currentIndex())
      tavrel::guarded([this] { TabbedNotebook2Click(); });
  });
  tavrel::centre_on_screen(*this);
}

void TForm1::build_pages() {
  TabbedNotebook2 = new QTabWidget(this);
  TabbedNotebook2->setObjectName("TabbedNotebook2");
  TabbedNotebook2->setGeometry(15, 23, 650, 562);
  TabbedNotebook2->setFont(tavrel::song_font(16));
  for (int page = 0; page < drills::kPageCount; ++page)
    TabbedNotebook2->addTab(build_page(page), u8(drills::drill_page(page).caption));
  // Set once the pages exist: a style sheet set before restyles the whole notebook on every added page.
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
        static void (TForm1::*const kHandlers[drills::kKindCount])() = {
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

// ---------------------------------------------------------------------------------------
// Choosing a kind, clearing and leaving.

void TForm1::SpeedButton8Click() { choose_kind(0); }
void TForm1::SpeedButton10Click() { choose_kind(1); }
void TForm1::SpeedButton9Click() { choose_kind(2); }
void TForm1::SpeedButton12Click() { choose_kind(3); }
void TForm1::SpeedButton17Click() { choose_kind(4); }
void TForm1::SpeedButton13Click() { choose_kind(5); }
void TForm1::SpeedButton18Click() { choose_kind(6); }
void TForm1::SpeedButton4Click() { choose_kind(7); }
void TForm1::SpeedButton6Click() { choose_kind(8); }
void TForm1::SpeedButton5Click() { choose_kind(9); }
void TForm1::SpeedButton7Click() { choose_kind(10); }
void TForm1::SpeedButton2Click() { choose_kind(11); }

void TForm1::choose_kind(int kind) {
  LeaveKind(DrillKind);
  DrillKind = kind;
  const Family family = drills::family_of(kind);
  if (family != Family::kBasic) {
    drills::HelpList& list = HelpLists.of_kind(kind);
    if (list.owner_kind != kind) list.clear();
  }
  Imagefaceclose->show();
  Timer4->start();
  say(drills::drill_kind(kind).title_on_choosing, "请按<开始>键");
  if (family == Family::kBasic) Labelhint1->hide();
  SBtnStart->setEnabled(true);
}

void TForm1::ClearBoard(int kind) {
  SpeedTicks = 0;
  Timer3->stop();
  Labeljifen->clear();
  SBtnStart->setText(u8("开始"));
  BitBtn1->hide();
  switch (drills::family_of(kind)) {
    case Family::kBasic:
      for (QLabel* image : Images) image->hide();
      break;
    case Family::kCharacter:
      for (QLabel* cell : CharCells) {
        cell->setAutoFillBackground(false);
        cell->hide();
      }
      break;
    case Family::kWord:
      for (QLabel* cell : WordCells) {
        cell->setAutoFillBackground(false);
        cell->hide();
      }
      break;
  }
}

void TForm1::LeaveKind(int kind) {
  Labeloutput1->setPalette(Labeloutput1->parentWidget()->palette());
  HelpLists.count = 0;
  switch (drills::family_of(kind)) {
    case Family::kBasic:
      Image71->hide();
      break;
    case Family::kCharacter:
      Editinput->move(8, 34);
      Editinput->clear();
      HelpLists.characters.owner_kind = kind;
      Editinput->hide();
      break;
    case Family::kWord:
      Editinput2->move(5, 24);
      Editinput2->clear();
      HelpLists.words.owner_kind = kind;
      Editinput2->hide();
      break;
  }
  if (FormSM) FormSM->close();
  ClearBoard(DrillKind);
  SBtnStart->setEnabled(true);
  SBtnSetup->setEnabled(true);
  sbAbout->setEnabled(true);
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  Timer1->stop();
  if (Formstop) Formstop->close();
  SBtnPause->setEnabled(false);
}

// ---------------------------------------------------------------------------------------
// Runs.

void TForm1::SBtnStartClick() {
  if (Gauge2->value() >= drills::kGaugeFull)
    continue_run();
  else
    fresh_start();
}

void TForm1::fresh_start() {
  cue(kCueStart);
  if (FormSM) FormSM->close();
  SBtnPause->setEnabled(true);
  sbAbout->setEnabled(false);
  SBtnSetup->setEnabled(false);
  Timer4->start();
  SpeedRunning = true;
  Imagebike->show();
  Imagecar->hide();
  Imageplane->hide();
  SpeedTicks = 0;
  Labeljifen->clear();
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  ImageColumn = 0;
  const drills::DrillKindInfo& kind = drills::drill_kind(DrillKind);
  say(kind.title_at_start, "按F1键帮助");
  ItemsTotal = ItemsLeft = kind.items;
  start_history();
  try {
    fill_board();
  } catch (...) {
    back_to_choosing();
    throw;
  }
  Image71->move(32, 68);
  Image71->show();
  CellColumn = 0;
  Labelhint1->move(15, 62);
  Labelhint1->show();
  Editinput->move(8, 44);
  Editinput->clear();
  Editinput->show();
  Editinput2->move(2, 34);
  Editinput2->clear();
  Editinput2->show();
  HelpLists.count = 0;
  QLineEdit* box = box_of(drills::family_of(DrillKind));
  box->setEnabled(true);
  box->show();
  box->setFocus();

  tavrel::platform().wait_one_second();
  start_level_clock();
  Timer3->start();
  SBtnStart->setEnabled(false);
  SBtnSetup->setEnabled(false);
}

// A start whose board could not be filled leaves the window ready to choose again.
void TForm1::back_to_choosing() {
  ClearBoard(DrillKind);
  SpeedRunning = false;
  SBtnPause->setEnabled(false);
  SBtnStart->setEnabled(true);
  SBtnSetup->setEnabled(true);
  sbAbout->setEnabled(true);
  Image71->hide();
  Labelhint1->hide();
  Editinput->hide();
  Editinput2->hide();
  say(drills::drill_kind(DrillKind).title_on_choosing, "请按<开始>键");
}

void TForm1::fill_board() {
  auto random = [](int n) { return tavrel::platform().random(n); };
  const Family family = drills::family_of(DrillKind);
  const int f = family_index(family);
  if (family == Family::kBasic) {
    std::vector<drills::Item> items = drills::fill_picture_board(DrillKind, random);
    for (std::size_t i = 0; i < items.size(); ++i) {
      QPixmap picture(QString::fromStdString(tavrel::resolve_path(items[i].text).string()));
      if (picture.isNull()) throw std::runtime_error("无法读取图片：" + items[i].text);
      pictures_[i] = picture;
      codes_[f][i] = items[i].code;
      texts_[f][i] = items[i].text;
      Images[i]->setToolTip(tavrel::from_gbk(items[i].code));
      show_picture(Images[i], false);
      Images[i]->show();
    }
    CurrentCell = 0;
    return;
  }
  std::vector<drills::PlacedItem> items =
      drills::fill_list_board(DrillKind, HelpLists.of_kind(DrillKind), random);
  for (const drills::PlacedItem& placed : items) {
    const auto cell = static_cast<std::size_t>(placed.cell);
    codes_[f][cell] = placed.item.code;
    texts_[f][cell] = placed.item.text;
    QLabel* label = cell_label(family, placed.cell);
    label->setText(tavrel::from_gbk(placed.item.text));
    label->setToolTip(tavrel::from_gbk(placed.item.code));
    if (family == Family::kWord)  // long words reach over the hidden cells beside them
      label->resize(std::max(108, label->sizeHint().width()), label->height());
    label->show();
    set_cell_colour(label, kTeal, label->autoFillBackground());
  }
  CurrentCell = items.front().cell;
  set_cell_colour(cell_label(family, CurrentCell), kRed, true);
}

void TForm1::continue_run() {
  SBtnStart->setText(u8("开始"));
  SBtnStart->setEnabled(false);
  SBtnPause->setEnabled(true);
  SBtnSetup->setEnabled(false);
  sbAbout->setEnabled(false);
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  say("加油啊！", "");
  start_level_clock();
  Timer3->start();
  Timer4->start();
  QLineEdit* box = box_of(drills::family_of(DrillKind));
  box->setEnabled(true);
  box->setFocus();
}

void TForm1::start_level_clock() {
  if (!NoLevel) Timer1->start();
}

void TForm1::resume_clocks_if_running() {
  if (SBtnStart->isEnabled()) return;
  start_level_clock();
  Timer3->start();
}

void TForm1::Timer1Timer() {
  int gauge1 = Gauge1->value(), gauge2 = Gauge2->value();
  const bool was_full = gauge1 >= drills::kGaugeFull;
  const drills::LevelTick tick = drills::level_tick(gauge1, gauge2, LevelStep);
  // The gauges move before any cue, so that a sound that fails does not hold the clock.
  Gauge1->setValue(gauge1);
  Gauge2->setValue(gauge2);
  if (was_full) {
    if (tick.first_full) cue(kCueJiayou);
    if (tick.stop) {
      Timer1->stop();
    } else {
      Timer4->start();
      say("加油啊！", "加油啊！");
    }
  }
  if (tick.half_way) {
    Timer4->start();
    cue(kCueJiayou);
    say("加油啊！", "加油啊！");
  }
  if (tick.time_up) {
    SBtnStart->setEnabled(true);
    SBtnStart->setText(u8("继续"));
    Timer4->start();
    Labelplay1->setText(u8("你离\"") + LevelName + u8("\""));
    Labelplay2->setText(u8("还有一点距离."));
    Labelplay3->setText(u8("加油啊！"));
    Labelplay4->setText(u8("可按<继续>键继续."));
    SBtnPause->setEnabled(false);
    Timer1->stop();
    Editinput->setEnabled(false);
    Editinput2->setEnabled(false);
    Labelhint1->setEnabled(false);  // the basic box waits for 继续 as well
    record_history(false);
    cue(kCueTimeUp);
  }
}

void TForm1::show_speed(int speed) {
  Labeljifen->setText(QString::number(speed));
  const drills::Vehicle vehicle = drills::vehicle_for(speed);
  Imagebike->setVisible(vehicle == drills::Vehicle::kBike);
  Imagecar->setVisible(vehicle == drills::Vehicle::kCar);
  Imageplane->setVisible(vehicle == drills::Vehicle::kPlane);
}

void TForm1::Timer3Timer() {
  if (SpeedRunning) {
    ++SpeedTicks;
    if (SpeedTicks % 10 == 0) {
      const long long done = static_cast<long long>(ItemsTotal - ItemsLeft) *
                             drills::drill_kind(DrillKind).chars_per_item;
      show_speed(drills::chars_per_minute(done, SpeedTicks));
    }
  }
  if (ItemsLeft == 0 && FinalSpeedDue) {
    // A run finished within its first second still shows a speed.
    Labeljifen->setText(
        QString::number(drills::chars_per_minute(ItemsTotal, std::max(SpeedTicks, 1))));
    SpeedTicks = 0;
    FinalSpeedDue = false;
  }
}

void TForm1::Timer4Timer() {
  ++face_count_;
  Imagefaceclose->show();
  if (face_count_ == 4 || face_count_ == 8) {
    Imagefaceclose->hide();
    Imagefaceopen->show();
  }
  if (face_count_ == 7 || face_count_ == 10) Imagefaceopen->hide();
  if (face_count_ >= 10) face_count_ = 0;
}

void TForm1::TimertimeTimer() {
  auto& platform = tavrel::platform();
  Label1->setText(platform.long_time(platform.now().time()));
}

void TForm1::SBtnPauseClick() {
  Timer1->stop();
  Timer3->stop();
  Timer4->stop();
  cue(kCuePause);
  Formstop->exec();
  Form2->MediaPlayer1.close();
  start_level_clock();
  Timer3->start();
  Timer4->start();
}

void TForm1::SBtnSetupClick() {
  Timer1->stop();
  Timer3->stop();
  if (!tavrel::sound_ready(Form2->MediaPlayer1)) {
    form_sz->CheckBox1->setChecked(false);
    form_sz->CheckBox1->setEnabled(false);
  }
  form_sz->exec();
}

void TForm1::sbAboutClick() {
  Timer1->stop();
  Timer3->stop();
  FPhb->exec();
}

void TForm1::sbHelpClick() {
  Timer1->stop();
  Timer3->stop();
  const char* const kHelpFile = "files\\tvmsm.rtf";
  if (tavrel::path_exists(kHelpFile)) {
    tavrel::load_rich_text(*form_help->RichEdit1, kHelpFile);
    form_help->exec();
  }
  resume_clocks_if_running();
}

void TForm1::SBtnQuitClick() {
  if (tavrel::platform().message_box(this, u8("确定退出吗"), u8("确认"),
                                     tavrel::MsgButtons::OkCancel,
                                     tavrel::MsgIcon::Question) != tavrel::MsgResult::Ok)
    return;
  ClearBoard(DrillKind);
  LeaveKind(DrillKind);
  close();
}

bool TForm1::music_on() const { return form_sz && form_sz->CheckBox1->isChecked(); }

bool TForm1::auto_hint_on() const { return form_sz && form_sz->Checkhelp->isChecked(); }

void TForm1::cue(unsigned number) {
  if (music_on()) tavrel::play_cue(number, Form2->MediaPlayer1);
}

void TForm1::say(const char* line1, const char* line2, const char* line3, const char* line4) {
  Labelplay1->setText(u8(line1));
  Labelplay2->setText(u8(line2));
  Labelplay3->setText(u8(line3));
  Labelplay4->setText(u8(line4));
}

void TForm1::set_cell_colour(QLabel* cell, const QColor& colour, bool opaque) {
  QPalette palette = cell->palette();
  palette.setColor(QPalette::Window, colour);
  cell->setPalette(palette);
  cell->setAutoFillBackground(opaque);
}

void TForm1::show_picture(QLabel* cell, bool opaque) {
  const auto index =
      static_cast<std::size_t>(std::find(Images.begin(), Images.end(), cell) - Images.begin());
  if (index >= pictures_.size()) return;
  cell->setPixmap(opaque ? pictures_[index] : drills::transparent_picture(pictures_[index]));
}

// ---------------------------------------------------------------------------------------
// Answer boxes and judging.

QLineEdit* TForm1::box_of(Family family) const {
  switch (family) {
    case Family::kBasic:
      return Labelhint1;
    case Family::kCharacter:
      return Editinput;
    default:
      return Editinput2;
  }
}

bool& TForm1::after_help_of(Family family) {
  switch (family) {
    case Family::kBasic:
      return BasicAfterHelp;
    case Family::kCharacter:
      return CharAfterHelp;
    default:
      return WordAfterHelp;
  }
}

int& TForm1::errors_of(Family family) {
  switch (family) {
    case Family::kBasic:
      return BasicErrors;
    case Family::kCharacter:
      return CharErrors;
    default:
      return WordErrors;
  }
}

void TForm1::Labelhint1KeyDown(int key) { box_key_down(Family::kBasic, key); }
void TForm1::EditinputKeyDown(int key) { box_key_down(Family::kCharacter, key); }
void TForm1::Editinput2KeyDown(int key) { box_key_down(Family::kWord, key); }
void TForm1::Labelhint1Change() { box_change(Labelhint1); }
void TForm1::EditinputChange() { box_change(Editinput); }
void TForm1::Editinput2Change() { box_change(Editinput2); }

void TForm1::box_change(QLineEdit* box) {
  QString text = box->text();
  if (!text.isEmpty()) {
    if (ends_with_digit(text)) {
      box->setCursorPosition(static_cast<int>(text.size()));
    } else {
      text.chop(1);
      box->setText(text);
      box->setCursorPosition(static_cast<int>(text.size()));
    }
  }
  if (PendingReplace) {
    PendingReplace = false;
    box->setText(PendingText);
  }
}

void TForm1::box_key_down(Family family, int key) {
  using drills::KeyRole;
  namespace vk = tavrel::vk;
  QLineEdit* box = box_of(family);
  PendingReplace = false;
  if (family != Family::kWord) BitBtn1->hide();
  bool& after_help = after_help_of(family);
  if (after_help) {
    after_help = false;
    if (key != vk::kSubtract && key != vk::kF1) {
      PendingReplace = true;
      const int digit = drills::digit_of_key(key);
      PendingText = digit >= 0 ? QString::number(digit) : QString();
    }
  }
  const KeyRole role = drills::key_role(family, key);
  bool submission_due = role == KeyRole::kSubmit;
  if (role == KeyRole::kDelete) {
    QString text = box->text();
    text.chop(1);
    box->setText(text);
    box->setCursorPosition(static_cast<int>(text.size()));
  }
  if (box->text().size() == drills::kBoxFull) submission_due = true;
  if (submission_due) {
    const QString typed = box->text();
    PendingReplace = true;
    PendingText.clear();
    judge(family, typed);
  }
  if (role == KeyRole::kHelp) help_key(family);
}

void TForm1::judge(Family family, const QString& typed) {
  const auto& codes = codes_[family_index(family)];
  if (CurrentCell < 0 || static_cast<std::size_t>(CurrentCell) >= codes.size()) return;
  if (!drills::answer_is_right(tavrel::to_gbk(typed),
                               codes[static_cast<std::size_t>(CurrentCell)])) {
    wrong_answer(family);
  } else if (family == Family::kBasic) {
    right_picture();
  } else {
    right_typed(family);
  }
}

void TForm1::wrong_answer(Family family) {
  QLineEdit* box = box_of(family);
  ++RunErrors;
  const drills::WrongAnswer wrong =
      drills::count_wrong_answer(family, errors_of(family), auto_hint_on(), HintAfter);
  if (family == Family::kBasic) box->clear();
  if (wrong.message) {
    Timer4->start();
    if (family != Family::kWord) cue(kCueZaixiang);
    if (family == Family::kBasic)
      say("再想想", "再想想");
    else
      say("再想想！", "加油啊！");
  }
  if (!wrong.hint) return;
  const QString code = tavrel::from_gbk(cell_code(family, CurrentCell));
  if (family == Family::kBasic) {
    Labelhint1->show();
    Labelhint1->setText(code);
  } else {
    // The typing boxes show the code as F1 does: the next digit starts a new code. The key
    // that was judged still puts its own character into the box after this handler; the
    // pending replacement puts the code back, or the digit would be appended to it and the
    // shown code be judged wrong once more.
    PendingReplace = false;
    box->setText(code);
    PendingReplace = true;
    PendingText = code;
    after_help_of(family) = true;
  }
}

void TForm1::right_picture() {
  BasicErrors = 0;
  Timer4->stop();
  say("Tavrel编码", "Tavrel天下");
  const bool last = ItemsLeft == 1;
  --ItemsLeft;
  if (last) complete_picture_run();
  show_picture(Images[static_cast<std::size_t>(CurrentCell)], true);
  const drills::BoxPlace next =
      drills::next_picture_place({Labelhint1->x(), Labelhint1->y(), ImageColumn, CurrentCell});
  CurrentCell = next.cell;
  ImageColumn = next.column;
  Labelhint1->clear();
  Labelhint1->move(next.left, next.top);
  Image71->move(next.left + 17, next.top + 6);
  if (ItemsLeft == 0) record_check();
}

void TForm1::complete_picture_run() {
  Timer1->stop();
  SpeedRunning = false;
  FinalSpeedDue = true;
  SBtnStart->setEnabled(true);
  // No item is left to answer or pause for.
  Labelhint1->setEnabled(false);
  SBtnPause->setEnabled(false);
  record_history(true);
  cue(kCueWin);
  say(" 太棒了！", " 继续训练吗？", " 按《开始》键");
}

void TForm1::right_typed(Family family) {
  if (ItemsLeft <= 1) {
    complete_typed_run();
    return;
  }
  QLineEdit* box = box_of(family);
  const drills::BoxPlace at{box->x(), box->y(), CellColumn, CurrentCell};
  const drills::BoxPlace next = family == Family::kCharacter ? drills::next_character_place(at)
                                : DrillKind == 11            ? drills::next_long_word_place(at)
                                                             : drills::next_word_place(at);
  CellColumn = next.column;
  --ItemsLeft;
  set_cell_colour(cell_label(family, CurrentCell), kNavy, true);
  box->move(next.left, next.top);
  CurrentCell = next.cell;
  box->clear();
  set_cell_colour(cell_label(family, CurrentCell), kRed, true);
}

void TForm1::complete_typed_run() {
  Timer1->stop();
  // The readout stays at the speed the record check reads.
  Timer3->stop();
  SpeedRunning = false;
  Timer4->start();
  Gauge1->setValue(0);
  Gauge2->setValue(0);
  box_of(drills::family_of(DrillKind))->setEnabled(false);
  SBtnStart->setEnabled(true);
  SBtnPause->setEnabled(false);
  say("太棒了！", "想继续训练吗？", "请按《开始》键");
  record_history(true);
  record_check();
}

void TForm1::record_check() {
  if (IsNewRecord()) {
    cue(kCueHero);
    FPhbin->RecordKind = DrillKind;
    FPhbin->RecordSpeed = tavrel::to_gbk(Labeljifen->text());
    FPhbin->exec();
  } else {
    cue(kCueWin);
  }
}

void TForm1::help_key(Family family) {
  const std::string& code = cell_code(family, CurrentCell);
  QLineEdit* box = box_of(family);
  after_help_of(family) = true;
  count_hint();
  if (family != Family::kBasic) {
    const drills::Item item{cell_text(family, CurrentCell), code};
    if (family == Family::kCharacter) {
      HelpItemText = std::string(tavrel::gbk_prefix(item.text, 4));
      HelpLists.store(DrillKind, item);
      if (tavrel::path_exists("statement\\" + HelpItemText + ".bmp")) BitBtn1->show();
    } else {
      HelpLists.store(DrillKind, item);
    }
  }
  box->setText(tavrel::from_gbk(code));
}

void TForm1::BitBtn1Click() {
  Timer1->stop();
  Timer3->stop();
  const std::string file = "statement\\" + HelpItemText + ".bmp";
  QPixmap picture(QString::fromStdString(tavrel::resolve_path(file).string()));
  if (picture.isNull()) throw std::runtime_error("无法读取图片：" + tavrel::utf8_from_gbk(file));
  formdelait->Image1->setPixmap(picture);
  formdelait->exec();
  Editinput->setFocus();
}

bool IsNewRecord() {
  return tavrel::drills::is_new_record(tavrel::drills::kRecordFile, Form1->DrillKind,
                                       tavrel::to_gbk(Form1->Labeljifen->text()));
}
