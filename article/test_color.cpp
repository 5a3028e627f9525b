// The display settings window: picking colours with a live sample, defaults, and the test time.
#include "article/test_color.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "article/test.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"

TForm_color* form_color = nullptr;

namespace {

using tavrel::article::Colour;

constexpr Colour kDefaultTyped = 0x000000;
constexpr Colour kDefaultInput = 0xFF0000;
constexpr Colour kDefaultUntyped = 0x000000;
constexpr Colour kDefaultBackground = 0xFFFFFF;

const QString kSampleLine = QStringLiteral("小键盘打字又快又准");

QColor to_qcolor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
Colour from_qcolor(const QColor& c) {
  return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
         static_cast<Colour>(c.blue()) << 16;
}

// Colours `count` characters of the sample from document position `from`.
void colour_sample(QTextEdit* sample, int from, int count, Colour colour) {
  QTextCursor cursor(sample->document());
  cursor.setPosition(from);
  cursor.setPosition(from + count, QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setForeground(to_qcolor(colour));
  cursor.mergeCharFormat(format);
}

}  // namespace

TForm_color::TForm_color(QWidget* parent) : OnDemand(parent) {
  setObjectName("TForm_color");
  setWindowTitle(QStringLiteral("设置"));
  setFixedSize(460, 300);
  setFont(tavrel::song_font(14));
}

void TForm_color::build() {
  colorGroup = new QGroupBox(QStringLiteral("选项"), this);
  colorGroup->setObjectName("colorGroup");
  colorGroup->setGeometry(16, 12, 130, 170);
  const char* captions[] = {"底    色", "已打汉字", "未打汉字", "输入汉字"};
  for (int i = 0; i < 4; ++i) {
    choices[i] = new QRadioButton(QString::fromUtf8(captions[i]), colorGroup);
    choices[i]->setGeometry(12, 28 + 34 * i, 110, 26);
  }
  choices[kBackground]->setChecked(true);

  auto* sample_label = new QLabel(QStringLiteral("示例"), this);
  sample_label->setGeometry(166, 20, 60, 24);
  example = new QTextEdit(this);
  example->setObjectName("example");
  example->setReadOnly(true);
  example->setFont(tavrel::song_font(19));
  example->setGeometry(166, 46, 276, 80);
  example->setPlainText(kSampleLine + '\n' + kSampleLine.left(6));

  BitBtn5 = new QPushButton(QStringLiteral("颜色选择"), this);
  BitBtn5->setObjectName("BitBtn5");
  BitBtn5->setGeometry(166, 140, 120, 32);
  BtnDefault = new QPushButton(QStringLiteral("缺省值"), this);
  BtnDefault->setObjectName("BtnDefault");
  BtnDefault->setGeometry(300, 140, 120, 32);

  auto* time_label = new QLabel(QStringLiteral("练习时间(分)"), this);
  time_label->setGeometry(16, 200, 130, 26);
  Edit_time = new QSpinBox(this);
  Edit_time->setObjectName("Edit_time");
  Edit_time->setRange(1, 120);
  Edit_time->setValue(15);
  Edit_time->setGeometry(150, 198, 70, 30);
  Edit_time->findChild<QLineEdit*>()->installEventFilter(this);

  BitBtn_ok = new QPushButton(QStringLiteral("确定"), this);
  BitBtn_ok->setObjectName("BitBtn_ok");
  BitBtn_ok->setGeometry(120, 250, 100, 32);
  BitBtn_cancel = new QPushButton(QStringLiteral("放弃"), this);
  BitBtn_cancel->setObjectName("BitBtn_cancel");
  BitBtn_cancel->setGeometry(240, 250, 100, 32);

  connect(BitBtn5, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn5Click(); }));
  connect(BtnDefault, &QPushButton::clicked, this, tavrel::guard([this] { BtnDefaultClick(); }));
  connect(BitBtn_ok, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn_okClick(); }));
  connect(BitBtn_cancel, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TForm_color::FormCreate() { preview_all(); }

int TForm_color::selected_choice() const {
  for (int i = 0; i < 4; ++i) {
    if (choices[i]->isChecked()) return i;
  }
  return kBackground;
}

int TForm_color::time_value() const {
  bool number = false;
  const int minutes = Edit_time->cleanText().trimmed().toInt(&number);
  if (!number) return 1;
  return std::clamp(minutes, 1, 120);
}

Colour TForm_color::colour_of(int choice) const {
  if (!form_test) return 0;
  const auto& s = form_test->session;
  switch (choice) {
    case kBackground:
      return s.background_color;
    case kTyped:
      return s.typed_color;
    case kUntyped:
      return s.untyped_color;
    default:
      return s.input_color;
  }
}

void TForm_color::set_colour(int choice, Colour colour) {
  if (!form_test) return;
  auto& s = form_test->session;
  switch (choice) {
    case kBackground:
      s.background_color = colour;
      break;
    case kTyped:
      s.typed_color = colour;
      break;
    case kUntyped:
      // The article is not started while settings open, so every character not yet coloured by
      // the segmentation shows the text colour.
      s.untyped_color = colour;
      s.box.replace_text_colour(colour);
      break;
    default:
      s.input_color = colour;
      break;
  }
}

void TForm_color::preview(int choice) {
  const int second_line = static_cast<int>(kSampleLine.size()) + 1;
  switch (choice) {
    case kBackground:
      example->setStyleSheet(
          QStringLiteral("QTextEdit { background: %1; }").arg(to_qcolor(colour_of(choice)).name()));
      break;
    case kTyped:
      colour_sample(example, 0, 6, colour_of(choice));
      break;
    case kUntyped:
      colour_sample(example, 7, 2, colour_of(choice));
      break;
    default:
      colour_sample(example, second_line, 6, colour_of(choice));
      break;
  }
  QTextCursor current(example->document());
  current.setPosition(6);
  current.setPosition(7, QTextCursor::KeepAnchor);
  example->setTextCursor(current);
}

void TForm_color::preview_all() {
  for (int i = 0; i < 4; ++i) preview(i);
}

void TForm_color::BitBtn5Click() {
  const int choice = selected_choice();
  const auto picked = tavrel::platform().choose_color(this, to_qcolor(colour_of(choice)));
  if (!picked) return;
  set_colour(choice, from_qcolor(*picked));
  preview(choice);
}

void TForm_color::BtnDefaultClick() {
  set_colour(kTyped, kDefaultTyped);
  set_colour(kInput, kDefaultInput);
  set_colour(kUntyped, kDefaultUntyped);
  set_colour(kBackground, kDefaultBackground);
  preview_all();
}

void TForm_color::BitBtn_okClick() {
  const int minutes = time_value();
  Edit_time->setValue(minutes);
  if (form_test) {
    form_test->session.practice_minutes = minutes;
    form_test->Label_time->setText(QStringLiteral("  %1分钟  ").arg(minutes));
    form_test->ProgressBar1->setMaximum(minutes * 60);
    // The box itself is redrawn in the settings' colours when this window has closed.
  }
  accept();
}

// At most two digits are typed; larger values come from the spin buttons.
bool TForm_color::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && key->text().size() == 1 && key->text()[0].isDigit()) {
      const qsizetype kept = edit->text().size() - edit->selectedText().size();
      if (kept >= 2) return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
