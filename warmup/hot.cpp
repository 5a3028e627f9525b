// The warm-up window: its events, the menus' handlers, key preview, judging and the countdown.
#include "warmup/hot.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <stdexcept>

#include "common/data_path.h"
#include "history/recorder.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "warmup/UHot_sort.h"
#include "warmup/Uhelp.h"
#include "warmup/layout.h"

TFHot* FHot = nullptr;

namespace {

using tavrel::warmup::kHoles;
using tavrel::warmup::Mode;

const char* const kFaceStart = "files\\facestart.bmp";
const char* const kFaceLaugh = "files\\facelaugh.bmp";
const char* const kFaceCry = "files\\facec.bmp";

// The character a key press types, 0 for keys that type none (arrows, Shift, ...).
int typed_character(const QKeyEvent& event) {
  const int code = tavrel::key_code(event);
  if (code == tavrel::vk::kReturn) return '\r';
  if (code == tavrel::vk::kBack) return '\b';
  const QString text = event.text();
  if (text.size() == 1 && text[0] >= QChar(' ')) return text[0].unicode();
  return 0;
}
}  // namespace

TFHot::TFHot(QWidget* parent)
    : OnDemand(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      game_([](int n) { return tavrel::platform().random(n); }) {
  setObjectName("TFHot");
  setWindowTitle(QStringLiteral("热身"));
  setFont(tavrel::song_font(12));

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, tavrel::guard([this] { Timer1Timer(); }));
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TFHot::focus_window_changed);

  // The ranking and help windows open from this modal window; as its children they are not
  // blocked by it.
  for (QDialog* window : {static_cast<QDialog*>(FHot_Sort), static_cast<QDialog*>(Fhelp)})
    if (window) window->setParent(this, window->windowFlags());

  set_picture_dir(tavrel::program_dir_from(QCoreApplication::applicationFilePath().toStdString()));
}

TFHot::~TFHot() {
  // The ranking and help windows are deleted on their own, after this one.
  for (QDialog* window : {static_cast<QDialog*>(FHot_Sort), static_cast<QDialog*>(Fhelp)})
    if (window && window->parent() == this) window->setParent(nullptr, window->windowFlags());
}

// The face button's pictures are read when they are needed; like the platform's button
// glyphs, the colour of the bottom-left pixel is transparent.
void TFHot::load_face(const char* path) {
  auto file = tavrel::resolve_path(path);
  QImage image(QString::fromStdString(file.string()));
  if (image.isNull()) throw std::runtime_error(std::string("无法打开图片文件 ") + path);
  QPixmap face = QPixmap::fromImage(image);
  face.setMask(QBitmap::fromImage(
      image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
  startclass->setIcon(QIcon(face));
}

void TFHot::press(QAbstractButton* key) { key->setChecked(true); }

void TFHot::sync_timer() {
  if (!game_.timer_on())
    Timer1->stop();
  else if (!Timer1->isActive())
    Timer1->start();
}

// The prompt is longer than the six characters the learner may type.
void TFHot::show_prompt() {
  input->setMaxLength(32767);
  input->setText(QStringLiteral("点击“笑脸”开始热身"));
}

void TFHot::empty_input() {
  input->clear();
  input->setMaxLength(tavrel::warmup::kDigitCount);
}

void TFHot::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    tavrel::guarded([this] {
      ensure_pictures();
      FormShow();
    });
}

// The window counts as activated when it takes over from another window of the program, not
// when the program comes back from another application or a menu closes.
void TFHot::focus_window_changed(QWindow* window) {
  if (!window || window->type() == Qt::Popup || window->type() == Qt::ToolTip) return;
  const bool activated = window == windowHandle() && last_focus_ != window;
  last_focus_ = window;
  if (activated) tavrel::guarded([this] { FormActivate(); });
}

// Every way of closing (menu, close box) ends here.
void TFHot::reject() {
  tavrel::guarded([this] { FormClose(); });
  QDialog::reject();
}

void TFHot::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // a stray Escape does not end the game
  QDialog::keyPressEvent(event);
  if (typed_character(*event)) event->accept();  // the game has had it
}

bool TFHot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == this || watched == input)) {
    if (int key = typed_character(*static_cast<QKeyEvent*>(event))) {
      tavrel::guarded([&] {
        FormKeyPress(key);
        if (watched == input) inputKeyPress(key);
      });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFHot::showled() {
  if (game_.mode() == Mode::Fun)
    show_score({s0, s1, s2, s3});
  else
    show_score({sc0, sc1, sc2, sc3});
}

void TFHot::show_score(const std::array<QLabel*, 4>& places) {
  const auto digits = tavrel::warmup::score_digits(game_.hit_count());
  const std::size_t first = places.size() - digits.size();
  places[0]->setVisible(first == 0);
  for (std::size_t i = 0; i < digits.size(); ++i)
    places[first + i]->setPixmap(led_digits_[digits[i]]);
}

void TFHot::showtime() {
  const auto digits = tavrel::warmup::time_digits(game_.time_left());
  const std::array<QLabel*, 3> fun{t1, t2, t3}, classic{Tc1, Tc2, Tc3};
  for (int i = 0; i < 3; ++i) {
    fun[i]->setPixmap(led_digits_[digits[i]]);
    classic[i]->setPixmap(led_digits_[digits[i]]);
  }
}

void TFHot::mydraw() {
  game_.draw_rabbit();
  const auto& hole = kHoles[game_.rabbit_hole()];
  mark->move(hole.rabbit_left, hole.rabbit_top);
  mark->show();
}

void TFHot::classdraw() {
  game_.draw_digits();
  for (int i = 0; i < 6; ++i)
    target_places_[i]->setPixmap(ImageList1[game_.target_digits()[i] - '0']);
}

void TFHot::FormShow() {
  N11->setChecked(true);
  game_.reset_for_show();
  showtime();
  showled();
  show_prompt();
  press(kk);
  input->setReadOnly(true);
  input->clearFocus();  // the prompt stands unselected until the face is clicked
  classdraw();
  load_face(kFaceStart);
}

void TFHot::FormActivate() {
  if (FHot_Sort) FHot_Sort->close();
  game_.pause();
  sync_timer();
}

void TFHot::FormClose() {
  game_.pause();
  sync_timer();
  if (FHot_Sort) FHot_Sort->close();
}

void TFHot::NclassClick() {
  Nclass->setChecked(true);
  Pclass->show();
  game_.choose_mode(Mode::Classic);
  showled();
  classdraw();
  showtime();
  sync_timer();
  press(kk);
  empty_input();
  input->setReadOnly(true);
}

void TFHot::NintereClick() {
  Nintere->setChecked(true);
  if (input->hasFocus()) input->clearFocus();  // keys go to the window, not the hidden box
  Pclass->hide();
  game_.choose_mode(Mode::Fun);
  showled();
  showtime();
  sync_timer();
}

void TFHot::N11Click(QAction* item) {
  item->setChecked(true);
  game_.choose_time(item->data().toInt());
  showtime();
  showled();
  sync_timer();
  show_prompt();
  press(kk);
  input->setReadOnly(true);
  classdraw();
  load_face(kFaceStart);
}

void TFHot::startClick() {
  mydraw();
  game_.start();
  showled();
  sync_timer();
  showtime();
}

void TFHot::startclassClick() {
  press(kk);
  game_.start();
  sync_timer();
  showled();
  showtime();
  classdraw();
  empty_input();
  input->setReadOnly(false);
  input->setFocus();
}

void TFHot::FormKeyPress(int key) {
  const auto result = game_.key(static_cast<char32_t>(key));
  sync_timer();
  if (result.hit) {
    showled();
    mydraw();
  }
  if (result.keypad_button >= 0) press(keys_[result.keypad_button]);
}

// The keypad's "." (Del) goes into the box, then two Backspaces typed after it take it out
// together with the character before it.
void TFHot::inputKeyPress(int key) {
  if (key != '.' || input->isReadOnly()) return;
  for (int i = 0; i < 2; ++i) {
    QCoreApplication::postEvent(input, new QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace,
                                                     Qt::NoModifier, QStringLiteral("\b")));
    QCoreApplication::postEvent(input, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Backspace,
                                                     Qt::NoModifier, QStringLiteral("\b")));
  }
}

void TFHot::inputChange() {
  game_.typed();
  sync_timer();
  const QString text = input->text();
  if (text.size() != tavrel::warmup::kDigitCount) return;
  const std::string entry = tavrel::to_gbk(text);
  const bool hit = game_.matches(entry);
  load_face(hit ? kFaceLaugh : kFaceCry);
  game_.judge(entry);
  showled();
  classdraw();
  empty_input();
  input->setFocus();
  if (hit) press(kk);
}

void TFHot::Timer1Timer() {
  if (!game_.tick()) {
    showtime();
    return;
  }
  sync_timer();
  mark->hide();
  input->setReadOnly(true);
  tavrel::history::WarmupGame finished;
  finished.mode = game_.mode() == tavrel::warmup::Mode::Fun ? tavrel::history::kFunMode
                                                            : tavrel::history::kClassicMode;
  finished.seconds = game_.time_set();
  finished.score = game_.hit_count();
  tavrel::history::record(finished);
  if (!FHot_Sort) return;
  FHot_Sort->GameTime = std::to_string(game_.time_set()).substr(0, 10);
  FHot_Sort->GameScore = std::to_string(game_.hit_count()).substr(0, 10);
  FHot_Sort->Memo1->hide();
  FHot_Sort->show_for_mode();
}

void TFHot::N2Click() {
  if (!FHot_Sort) return;
  FHot_Sort->Memo1->show();
  FHot_Sort->show_for_mode();
}

void TFHot::N6Click() { close(); }

void TFHot::N8Click() {
  if (Fhelp) Fhelp->exec();
}
