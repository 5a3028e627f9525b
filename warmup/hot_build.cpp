// Building the warm-up window: its menu, both game panels, the keypad picture and the pictures.
#include <QAbstractButton>
#include <QActionGroup>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>

#include "common/data_path.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "warmup/hot.h"
#include "warmup/layout.h"

namespace {

namespace layout = tavrel::warmup::layout;
using tavrel::warmup::kHoles;

const char* const kDigitsPicture = "images\\warmup\\digits.png";
const char* const kRabbitPicture = "images\\warmup\\rabbit.png";
const char* const kStartPicture = "images\\warmup\\start.png";
const char* const kClassicPicture = "images\\warmup\\classic.png";
const char* const kKeypadPicture = "images\\warmup\\keypad.png";
const char* const kKeypadDownPicture = "images\\warmup\\keypad_down.png";

const QColor kBoardGround(228, 214, 156);
const QColor kHoleColour(0, 128, 64);
const QColor kFunBar(0x4c, 0x74, 0x36);
const QColor kClassicGround(0x1d, 0x3c, 0x63);

QRect rect_of(const layout::Box& box) { return {box.left, box.top, box.width, box.height}; }

// The classic game's box: the keys typed in it stay with it, so that the window, which has
// already seen them first, does not see them a second time.
class GameInput : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QLineEdit::keyPressEvent(event);
    event->accept();
  }
};

// One toggle key of the keypad picture: draws its part of the picture, up or pressed.
class KeypadKey : public QAbstractButton {
 public:
  KeypadKey(QWidget* parent, const layout::KeypadKey& key) : QAbstractButton(parent) {
    source_ = rect_of(key.box);
    setGeometry(source_.translated(layout::kKeypad.left, layout::kKeypad.top));
    setText(QString::fromLatin1(key.label));
    setCheckable(true);
    setEnabled(false);  // a picture only: the keys typed press it
  }
  void set_pictures(const QPixmap& up, const QPixmap& down) {
    up_ = up;
    down_ = down;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QPixmap& picture = isChecked() ? down_ : up_;
    if (!picture.isNull()) {
      painter.drawPixmap(rect(), picture, source_);
    } else {  // without the pictures, a plain key
      painter.fillRect(rect(), isChecked() ? palette().dark() : palette().button());
      painter.drawText(rect(), Qt::AlignCenter, text());
    }
  }

 private:
  QRect source_;
  QPixmap up_, down_;
};

// The fun game's board: light khaki ground, sixteen dark green holes labelled in cyan.
class Board : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kBoardGround);
    painter.setPen(kBoardGround.darker(140));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont font = tavrel::hei_font(15);
    font.setBold(true);
    painter.setFont(font);
    for (const auto& hole : kHoles) {
      QRect place(hole.left, hole.top, hole.width, hole.height);
      painter.setPen(Qt::NoPen);
      painter.setBrush(kHoleColour);
      painter.drawEllipse(place);
      painter.setPen(Qt::cyan);
      painter.drawText(place, Qt::AlignCenter, QString::fromLatin1(hole.label));
    }
  }
};

QLabel* picture_label(QWidget* parent, const char* name, QRect place) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setScaledContents(true);
  return label;
}

// A black frame behind the digits of a score or time display.
void led_frame(QWidget* parent, const layout::Box& box) {
  auto* frame = new QLabel(parent);
  frame->setGeometry(rect_of(box));
  frame->setStyleSheet("background: black; border: 1px solid #808080;");
}

void caption(QWidget* parent, const QString& text, const layout::Box& box) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(rect_of(box));
  label->setAlignment(Qt::AlignCenter);
  label->setFont(tavrel::hei_font(14));
  label->setStyleSheet("color: white;");
}

// The four places of a score display (thousands first) and the three of a time display.
std::array<QLabel*, 4> score_places(QWidget* parent, const char* const (&names)[4]) {
  std::array<QLabel*, 4> places{};
  for (int i = 0; i < 4; ++i)
    places[i] = picture_label(parent, names[i],
                              {layout::kScoreLeft + i * layout::kLedWidth, layout::kLedTop,
                               layout::kLedWidth, layout::kLedHeight});
  places[0]->hide();
  return places;
}

std::array<QLabel*, 3> time_places(QWidget* parent, const char* const (&names)[3]) {
  std::array<QLabel*, 3> places{};
  for (int i = 0; i < 3; ++i)
    places[i] = picture_label(parent, names[i],
                              {layout::kTimeLeft + i * layout::kLedWidth, layout::kLedTop,
                               layout::kLedWidth, layout::kLedHeight});
  return places;
}

// The score and time read-outs that both panels carry: frames, captions and digit places.
struct Readouts {
  std::array<QLabel*, 4> score;
  std::array<QLabel*, 3> time;
};

Readouts readouts(QWidget* panel, const char* const (&score_names)[4],
                  const char* const (&time_names)[3]) {
  led_frame(panel, layout::kScoreFrame);
  led_frame(panel, layout::kTimeFrame);
  caption(panel, QStringLiteral("成绩"), layout::kScoreCaption);
  caption(panel, QStringLiteral("时间"), layout::kTimeCaption);
  return {score_places(panel, score_names), time_places(panel, time_names)};
}

// A game's panel over the whole client area, on its own ground colour.
QWidget* game_panel(QWidget* client, const char* name, const QColor& ground) {
  auto* panel = new QWidget(client);
  panel->setObjectName(name);
  panel->setGeometry(0, 0, layout::kClientWidth, layout::kClientHeight);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, ground);
  panel->setPalette(palette);
  return panel;
}

// A picture button that starts a game: clicked with the mouse only, never focused.
QToolButton* start_button(QWidget* panel, const char* name, const layout::Box& box, QSize icon,
                          const QString& tip) {
  auto* button = new QToolButton(panel);
  button->setObjectName(name);
  button->setGeometry(rect_of(box));
  button->setIconSize(icon);
  button->setFocusPolicy(Qt::NoFocus);
  button->setCursor(Qt::PointingHandCursor);
  button->setToolTip(tip);
  return button;
}

QPixmap load_optional(const std::string& dir, const char* path) {
  auto file = tavrel::resolve_path(dir + path);
  return QPixmap(QString::fromStdString(file.string()));
}

}  // namespace

// The window's height follows the menu bar's, known once the menu is built.
void TFHot::build() {
  build_menu();
  const int menu_height = MainMenu1->sizeHint().height();
  MainMenu1->setGeometry(0, 0, layout::kClientWidth, menu_height);
  auto* client = new QWidget(this);
  client->setGeometry(0, menu_height, layout::kClientWidth, layout::kClientHeight);
  setFixedSize(layout::kClientWidth, menu_height + layout::kClientHeight);
  build_fun_panel(client);
  build_classic_panel(client);
  installEventFilter(this);
  input->installEventFilter(this);
}

void TFHot::build_menu() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName("MainMenu1");
  MainMenu1->setFont(tavrel::song_font(13));
  QMenu* game_menu = MainMenu1->addMenu(QStringLiteral(" (&T)热身"));
  auto* modes = new QActionGroup(this);
  Nclass = game_menu->addAction(QStringLiteral("古典式"), this,
                                tavrel::guard([this] { NclassClick(); }));
  Nintere = game_menu->addAction(QStringLiteral("趣味式"), this,
                                 tavrel::guard([this] { NintereClick(); }));
  for (QAction* item : {Nclass, Nintere}) {
    item->setCheckable(true);
    modes->addAction(item);
  }
  Nclass->setChecked(true);
  game_menu->addSeparator();
  QMenu* times = game_menu->addMenu(QStringLiteral("时间设置"));
  auto* lengths = new QActionGroup(this);
  const char* const names[] = {"一分钟", "二分钟", "三分钟", "四分钟", "五分钟"};
  tavrel::Control<QAction>* items[] = {&N11, &N12, &N13, &N14, &N15};
  for (int tag = 1; tag <= 5; ++tag) {
    QAction* item = times->addAction(QString::fromUtf8(names[tag - 1]));
    item->setCheckable(true);
    item->setData(tag);
    lengths->addAction(item);
    connect(item, &QAction::triggered, this, tavrel::guard([this, item] { N11Click(item); }));
    *items[tag - 1] = item;
  }
  N11->setChecked(true);
  game_menu->addSeparator();
  N2 = game_menu->addAction(QStringLiteral("排行榜"), this, tavrel::guard([this] { N2Click(); }));
  N6 = game_menu->addAction(QStringLiteral("退出"), this, tavrel::guard([this] { N6Click(); }));
  QMenu* help_menu = MainMenu1->addMenu(QStringLiteral("(&H) 帮助 "));
  N8 = help_menu->addAction(QStringLiteral("说明"), this, tavrel::guard([this] { N8Click(); }));
}

void TFHot::build_fun_panel(QWidget* client) {
  Pintere = game_panel(client, "Pintere", kFunBar);

  auto [score, time] = readouts(Pintere, {"s0", "s1", "s2", "s3"}, {"t1", "t2", "t3"});
  s0 = score[0], s1 = score[1], s2 = score[2], s3 = score[3];
  t1 = time[0], t2 = time[1], t3 = time[2];

  start = start_button(Pintere, "start", layout::kStartButton,
                       {layout::kStartButton.width, layout::kStartButton.height},
                       QStringLiteral("开始"));
  start->setStyleSheet(
      "QToolButton { border: none; padding: 0; }"
      "QToolButton:pressed { padding: 1px 0 0 1px; }");
  connect(start, &QToolButton::clicked, this, tavrel::guard([this] { startClick(); }));

  Panel3 = new Board(Pintere);
  Panel3->setObjectName("Panel3");
  Panel3->setGeometry(rect_of(layout::kBoard));
  mark = picture_label(Panel3, "mark", {0, 0, layout::kRabbitSize, layout::kRabbitSize});
  mark->hide();
}

void TFHot::build_classic_panel(QWidget* client) {
  Pclass = game_panel(client, "Pclass", kClassicGround);
  Image1 = picture_label(Pclass, "Image1", {0, 0, layout::kClientWidth, layout::kClientHeight});

  auto [score, time] = readouts(Pclass, {"sc0", "sc1", "sc2", "sc3"}, {"Tc1", "Tc2", "Tc3"});
  sc0 = score[0], sc1 = score[1], sc2 = score[2], sc3 = score[3];
  Tc1 = time[0], Tc2 = time[1], Tc3 = time[2];

  startclass = start_button(Pclass, "startclass", layout::kFaceButton,
                            {layout::kFaceSize, layout::kFaceSize}, QStringLiteral("点击笑脸开始"));
  // A raised grey button, the ground the faces are drawn on.
  startclass->setStyleSheet(
      "QToolButton { background: #c0c0c0; border: 2px outset #e6e6e6; }"
      "QToolButton:pressed { border: 2px inset #e6e6e6; }");
  connect(startclass, &QToolButton::clicked, this, tavrel::guard([this] { startclassClick(); }));

  auto* strip = new QLabel(Pclass);
  strip->setGeometry(rect_of(layout::kDigitStrip));
  strip->setStyleSheet("background: black; border: 2px solid #0b1a2e;");
  const char* const names[] = {"I1", "I2", "I3", "I4", "I5", "I6"};
  for (int i = 0; i < 6; ++i)
    target_places_[i] =
        picture_label(Pclass, names[i],
                      {layout::kDigitsLeft + i * (layout::kDigitSize + layout::kDigitGap),
                       layout::kDigitsTop, layout::kDigitSize, layout::kDigitSize});
  I1 = target_places_[0], I2 = target_places_[1], I3 = target_places_[2];
  I4 = target_places_[3], I5 = target_places_[4], I6 = target_places_[5];

  input = new GameInput(Pclass);
  input->setObjectName("input");
  input->setGeometry(rect_of(layout::kInput));
  QFont font = tavrel::song_font(24);
  font.setBold(true);
  input->setFont(font);
  input->setAlignment(Qt::AlignCenter);
  input->setFocusPolicy(Qt::ClickFocus);  // never reached with Tab
  input->setContextMenuPolicy(Qt::NoContextMenu);
  input->setText(QStringLiteral("点击“笑脸”开始热身！"));
  input->setReadOnly(true);
  connect(input, &QLineEdit::textEdited, this, tavrel::guard([this] { inputChange(); }));

  keypad_ = picture_label(Pclass, "keypad", rect_of(layout::kKeypad));
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  for (const auto& key : layout::kKeypadKeys) {
    if (key.button < 0) continue;
    auto* button = new KeypadKey(Pclass, key);
    button->setObjectName(key.button == tavrel::warmup::kDelButton
                              ? QStringLiteral("kk")
                              : QStringLiteral("k%1").arg(key.button));
    group->addButton(button);
    keys_[key.button] = button;
  }
  k0 = keys_[0], k1 = keys_[1], k2 = keys_[2], k3 = keys_[3], k4 = keys_[4];
  k5 = keys_[5], k6 = keys_[6], k7 = keys_[7], k8 = keys_[8], k9 = keys_[9];
  kk = keys_[tavrel::warmup::kDelButton];
  kk->setChecked(true);
}

// The pictures are decoded when the window is first shown (or at once if it is showing), so
// that start-up does not decode what the learner cannot see yet.
void TFHot::set_picture_dir(const std::string& dir) {
  picture_dir_ = dir;
  pictures_loaded_ = false;
  if (isVisible()) ensure_pictures();
}

void TFHot::ensure_pictures() {
  if (pictures_loaded_) return;
  pictures_loaded_ = true;
  load_pictures();
}

// The window's own pictures are optional: a missing one leaves its place empty.
void TFHot::load_pictures() {
  const QPixmap digits = load_optional(picture_dir_, kDigitsPicture);
  for (int d = 0; d < 10; ++d) {
    ImageList1[d] = digits.isNull() ? QPixmap()
                                    : digits.copy(d * layout::kDigitSize, 0, layout::kDigitSize,
                                                  layout::kDigitSize);
    led_digits_[d] = ImageList1[d].isNull()
                         ? QPixmap()
                         : ImageList1[d].scaled(layout::kLedWidth, layout::kLedHeight,
                                                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  mark->setPixmap(load_optional(picture_dir_, kRabbitPicture));
  start->setIcon(QIcon(load_optional(picture_dir_, kStartPicture)));
  Image1->setPixmap(load_optional(picture_dir_, kClassicPicture));
  const QPixmap up = load_optional(picture_dir_, kKeypadPicture);
  const QPixmap down = load_optional(picture_dir_, kKeypadDownPicture);
  keypad_->setPixmap(up);
  for (QAbstractButton* key : keys_) static_cast<KeypadKey*>(key)->set_pictures(up, down);

  // Both panels' displays, whichever mode is chosen.
  show_score({s0, s1, s2, s3});
  show_score({sc0, sc1, sc2, sc3});
  showtime();
  for (int i = 0; i < 6; ++i)
    target_places_[i]->setPixmap(ImageList1[game_.target_digits()[i] - '0']);
}
