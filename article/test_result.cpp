// The test report window: values, errata codes on Enter, and the top-ten check.
#include "article/test_result.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QShowEvent>

#include "article/ex16.h"
#include "article/report.h"
#include "article/test.h"
#include "article/top_ten.h"
#include "common/data_path.h"
#include "dictionary/erfenfa.h"
#include "history/recorder.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/qt_text.h"

TForm_result* Form_result = nullptr;

namespace tavrel::article {
int speed = 0;
std::string pending_name;
bool entry_pending = false;
}  // namespace tavrel::article

namespace {

QLabel* add_label(QWidget* parent, const QString& text, QRect place, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(name);
  l->setGeometry(place);
  return l;
}

}  // namespace

TForm_result::TForm_result(QWidget* parent) : OnDemand(parent) {
  setObjectName("TForm_result");
  setWindowTitle(QStringLiteral("测试报告"));
  setFixedSize(420, 526);
  setFont(tavrel::song_font(12));
  FormCreate();
}

void TForm_result::build() {
  auto* title = add_label(this, QStringLiteral("测试结果报告"), {0, 10, 420, 30});
  title->setAlignment(Qt::AlignCenter);
  title->setFont(tavrel::song_font(16));
  const char* rows[] = {"测试时间", "输入总数", "输错个数", "正确个数",
                        "正 确 率", "打字速度", "击键",     "码长"};
  const char* names[] = {"Ltime", "Ltotal", "Lwrong", "LRight",
                         "LL",    "LRate",  "LKeys",  "LCodeLength"};
  tavrel::Control<QLabel>* values[] = {&Ltime, &Ltotal, &Lwrong, &LRight,
                                       &LL,    &LRate,  &LKeys,  &LCodeLength};
  for (int i = 0; i < 8; ++i) {
    add_label(this, QString::fromUtf8(rows[i]) + QStringLiteral("："), {60, 50 + 28 * i, 110, 24});
    *values[i] = add_label(this, QString(), {180, 50 + 28 * i, 200, 24}, names[i]);
  }
  lbSorry = add_label(this, QStringLiteral("很遗憾，未能进前十！"), {60, 278, 300, 24}, "lbSorry");
  QPalette red = lbSorry->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  lbSorry->setPalette(red);
  lbSorry->hide();
  add_label(this, QStringLiteral("勘误表"), {20, 308, 80, 24});
  add_label(this, QStringLiteral("（按回车得正码）"), {100, 308, 200, 24});
  Mresult = new QPlainTextEdit(this);
  Mresult->setObjectName("Mresult");
  Mresult->setReadOnly(true);
  Mresult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Mresult->setGeometry(20, 334, 380, 130);
  Mresult->installEventFilter(this);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText(QStringLiteral("关闭"));
  SpeedButton1->setGeometry(160, 476, 100, 32);
  connect(SpeedButton1, &QToolButton::clicked, this,
          tavrel::guard([this] { SpeedButton1Click(); }));
}

void TForm_result::FormCreate() { review_only = false; }

void TForm_result::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void TForm_result::show_errata() {
  QStringList lines;
  if (form_test) {
    for (const auto& line : form_test->session.errata) lines << tavrel::from_gbk(line);
  }
  Mresult->setPlainText(lines.join('\n'));
}

void TForm_result::FormShow() {
  show_errata();
  if (review_only) return;
  if (!form_test) return;
  const int typed = form_test->alread->text().toInt();
  const int wrong = form_test->wrong->text().toInt();
  int minutes = 0, seconds = 0;
  tavrel::article::parse_clock(form_test->Lgo->text().toStdString(), minutes, seconds);
  const auto values = tavrel::article::report_values(typed, wrong, minutes, seconds);
  Ltime->setText(QString::fromStdString(values.time));
  Ltotal->setText(QStringLiteral("%1个字").arg(values.total));
  Lwrong->setText(QStringLiteral("%1个字").arg(values.wrong));
  LRight->setText(QStringLiteral("%1个字").arg(values.right));
  LL->setText(QStringLiteral("%1%").arg(values.rate));
  // A test shorter than a second has no speed of its own; it must not file the previous one.
  tavrel::article::speed = values.speed;
  LRate->setText(QStringLiteral("%1字/分").arg(tavrel::article::speed));
  const int test_seconds = minutes * 60 + seconds;
  const int keystrokes = form_test->session.keystrokes;
  const auto keys = tavrel::article::keystroke_figures(keystrokes, typed, test_seconds);
  LKeys->setText(QString::fromStdString(tavrel::article::hundredths_text(keys.per_second)) +
                 QStringLiteral("键/秒"));
  LCodeLength->setText(QString::fromStdString(tavrel::article::hundredths_text(keys.per_char)) +
                       QStringLiteral("键/字"));
  record_history(values, test_seconds, keystrokes);
  if (tavrel::article::speed <= 0) {
    lbSorry->hide();
    return;
  }
  const auto records = tavrel::article::read_top_ten(tavrel::resolve_path("files\\record.dat"));
  if (!tavrel::article::enters_top_ten(records, tavrel::article::speed)) {
    lbSorry->show();
    return;
  }
  const auto name = tavrel::platform().input_box(
      this, QStringLiteral("恭喜你！进入前十！输入你的姓名"), QString(), QString());
  tavrel::article::pending_name = tavrel::article::cut_name(tavrel::to_gbk(name.value_or("")));
  tavrel::article::entry_pending = true;
  if (highscore) highscore->exec();
  lbSorry->hide();
}

// The test reached its report: the learning history keeps it, whatever the top ten decides.
void TForm_result::record_history(const tavrel::article::ReportValues& values, int seconds,
                                  int keystrokes) {
  tavrel::history::ArticleTest test;
  test.article = std::filesystem::path(form_test->article_path).filename().string();
  test.seconds = seconds;
  test.typed = values.total;
  test.wrong = values.wrong;
  test.speed = values.speed;
  test.rate = values.rate;
  test.keystrokes = keystrokes;
  tavrel::history::record(test);
}

void TForm_result::SpeedButton1Click() { close(); }

void TForm_result::append_next_code() {
  if (!form_test) return;
  auto& session = form_test->session;
  if (session.errata_cursor >= static_cast<int>(session.errata.size())) return;
  std::string& line = session.errata[static_cast<std::size_t>(session.errata_cursor)];
  if (tavrel::two && line.size() >= 2) line += tavrel::two->code_of_zi(line.substr(0, 2));
  ++session.errata_cursor;
  const int scrolled = Mresult->verticalScrollBar()->value();
  show_errata();
  Mresult->verticalScrollBar()->setValue(scrolled);
}

bool TForm_result::FormKeyPress(QKeyEvent* event) {
  if (tavrel::key_code(*event) != tavrel::vk::kReturn) return false;
  append_next_code();
  return true;
}

void TForm_result::keyPressEvent(QKeyEvent* event) {
  bool consumed = false;
  tavrel::guarded([&] { consumed = FormKeyPress(event); });
  if (!consumed) QDialog::keyPressEvent(event);
}

bool TForm_result::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Mresult && event->type() == QEvent::KeyPress) {
    bool consumed = false;
    tavrel::guarded([&] { consumed = FormKeyPress(static_cast<QKeyEvent*>(event)); });
    if (consumed) return true;
  }
  return QDialog::eventFilter(watched, event);
}
