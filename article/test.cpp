// The article practice window: showing and loading articles, conversion, and the typing test.
#include "article/test.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <filesystem>

#include "article/test_change.h"
#include "article/tvm_format.h"
#include "common/data_path.h"
#include "common/gbk.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/rich_text.h"
#include "platform/test_help.h"

Tform_test* form_test = nullptr;

namespace {

using tavrel::guard;
using tavrel::guarded;
using tavrel::article::Colour;

constexpr int kBoxLinePixels = 32;  // the 24-pixel font on a fixed line height: 12 lines scroll 384

QColor to_qcolor(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The file name without its directory, as Label_file shows it.
QString file_name_of(const std::string& path) {
  return QString::fromStdString(std::filesystem::path(path).filename().string());
}

// The key's character as the window's key preview sees it; 0 for keys that give none.
char key_char(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace:
      return tavrel::article::kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return tavrel::article::kEnter;
    case Qt::Key_Delete:
      return event.modifiers() & Qt::KeypadModifier ? '.' : 0;  // the keypad's "." without NumLock
    default:
      break;
  }
  const QString text = event.text();
  if (text.size() != 1 || text[0].unicode() < 0x20 || text[0].unicode() > 0x7E) return 0;
  return static_cast<char>(text[0].unicode());
}

// A window of the article practice that another unit builds (the report, the top ten, the
// settings), found by its class name among the program's windows; null when it does not exist.
QDialog* window_named(const char* class_name) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String(class_name)) return qobject_cast<QDialog*>(w);
  }
  return nullptr;
}

// Every dialog of the window may leave another folder current; the data paths need this one.
class WorkingDirBack {
 public:
  explicit WorkingDirBack(Tform_test* window) : window_(window) {}
  ~WorkingDirBack() {
    if (window_->program_dir.isEmpty()) return;
    std::error_code ignored;
    std::filesystem::current_path(window_->program_dir.toStdString(), ignored);
  }

 private:
  Tform_test* window_;
};

}  // namespace

Tform_test::Tform_test(QWidget* parent) : OnDemand(parent), session(tavrel::two) {
  setObjectName("Tform_test");
  setWindowTitle(QStringLiteral("Tavrel码文章练习"));
  setFixedSize(820, 640);
  setFont(tavrel::song_font(14));
  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  Timer3 = new QTimer(this);
  Timer3->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, guard([this] { Timer1Timer(); }));
  connect(Timer3, &QTimer::timeout, this, guard([this] { Timer3Timer(); }));
  session.on_article_end = [this] { article_end(); };
  session.on_scroll = [this](int pixels) {
    QScrollBar* bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() + pixels);
  };
}

QString Tform_test::default_status() { return QStringLiteral("请选择文章"); }

// ---- Loading and conversion ----

void Tform_test::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) guarded([this] { FormShow(); });
}

void Tform_test::FormShow() {
  Timer3->start();
  Timer3Timer();
  article_path = "test.tvm";
  chars_per_line = tavrel::article::kCharsPerLine;
  session.fresh = true;
  BitBtn1->setEnabled(true);
  session.load({});
  article_loaded = false;
  redraw_all();
  if (tavrel::path_exists("test.tvm")) {
    REdit1->setTextColor(Qt::black);
    try {
      load_article("test.tvm");
    } catch (...) {
      // As without a default article: no start button over an empty box; "文件" chooses one.
      BtnStart->hide();
      SBtnSetup->setEnabled(true);
      throw;
    }
    Label_file->setText(QStringLiteral("test.tvm"));
    BtnPauseClick();
  } else if (tavrel::platform().message_box(this, QStringLiteral("没有找到测试文件，要亲自找吗"),
                                            QStringLiteral("确认"), tavrel::MsgButtons::OkCancel,
                                            tavrel::MsgIcon::Question) == tavrel::MsgResult::Ok) {
    const QString kept = tavrel::from_gbk(tavrel::gbk_prefix(tavrel::to_gbk(LChange->text()), 30));
    WorkingDirBack back(this);
    auto chosen = tavrel::platform().open_file(this, QStringLiteral("选择测试文件"),
                                               QStringLiteral("Tavrel码测试文件(*.tvm)"));
    if (chosen) {
      show_loaded_article(chosen->string());
    } else {
      set_status(kept);
    }
  } else {
    BtnStart->hide();
    SBtnSetup->setEnabled(true);
  }
  Lgo->setText(QStringLiteral("0:00"));
  session.clock_text = "0:00";
  ProgressBar1->setValue(0);
  session.progress = 0;
  zdqc->hide();
}

void Tform_test::load_article(const std::string& path) {
  const std::string bytes = tavrel::article::read_practice_file(tavrel::resolve_path(path));
  session.load(tavrel::article::split_box_lines(bytes));
  article_loaded = true;
  redraw_all();
  size_box();
}

// A box of few lines keeps the visible height; a longer one grows so every line can be scrolled to.
void Tform_test::size_box() {
  const int lines = session.box.line_count();
  const int height = lines < 13 ? 455 : 35 * lines;
  REdit1->setFixedHeight(height);
  REdit1->parentWidget()->resize(kBoxWidth, height + 35);
}

// The state after choosing a practice file or accepting a converted one.
void Tform_test::show_loaded_article(const std::string& path) {
  clear_errata();
  article_path = path;
  Label_file->setText(file_name_of(path));
  set_status(QStringLiteral("请按开始按钮"));
  BtnStart->show();
  load_article(path);
  SBtnSetup->setEnabled(true);
}

void Tform_test::SBtnfileClick() {
  FileMenu->exec(frameGeometry().topLeft() + QPoint(240, 111));
  if (BtnStart->isVisible()) BtnStart->setFocus();
}

void Tform_test::select_fileClick() {
  const QString kept = LChange->text();
  WorkingDirBack back(this);
  auto chosen = tavrel::platform().open_file(this, QStringLiteral("选择测试文件"),
                                             QStringLiteral("Tavrel码测试文件(*.tvm)"));
  if (!chosen) {
    set_status(kept);
    return;
  }
  show_loaded_article(chosen->string());
  BitBtn1->setEnabled(true);
}

void Tform_test::change_fileClick() {
  const QString kept = LChange->text();
  WorkingDirBack back(this);  // also when the conversion fails
  auto chosen = tavrel::platform().open_file(this, QStringLiteral("选择欲转换文件"),
                                             QStringLiteral("文本文件(*.txt);;所有文件(*)"));
  if (!chosen) return;
  set_status(QStringLiteral("正在转换 ..."));
  tavrel::article::ConvertedFile converted;
  try {
    converted = tavrel::article::convert_file(*chosen, chars_per_line);
  } catch (const tavrel::article::ConversionRefused& refused) {
    set_status(kept);
    tavrel::platform().message_box(this, QString::fromStdString(refused.what()),
                                   QStringLiteral("文件转换"), tavrel::MsgButtons::Ok,
                                   tavrel::MsgIcon::Warning);
    return;
  }
  set_status(QStringLiteral("请作决定"));
  conversion_accepted = false;
  if (Form_change) {
    Form_change->Label1->setText(QStringLiteral("共包含%1个汉字").arg(converted.characters));
    Form_change->exec();
  }
  if (!conversion_accepted) {
    set_status(kept);
    return;
  }
  show_loaded_article(converted.path.string());
  BitBtn1->setEnabled(true);
}

void Tform_test::clear_errata() { session.clear_errata(); }

// ---- The typing test ----

void Tform_test::BtnStartClick() {
  // Without an article (none found, none chosen) there is nothing to type: Enter on the hidden,
  // still focused start button must not start a test on an empty box.
  if (!article_loaded) return;
  set_status(QStringLiteral("正在测试"));
  BtnStart->hide();
  Image2->hide();
  ScrollBox1->show();
  BtnPause->setEnabled(true);
  SBtnQuit->setEnabled(false);
  SBtnSetup->setEnabled(false);
  SBtnfile->setEnabled(false);
  session.code.clear();
  Edit_input->clear();
  Edit_input->setEnabled(true);
  Edit_input->setFocus();
  session.choosing = false;
  Timer1->start();
  if (session.fresh) {
    session.clock_text = "0:00";
    session.progress = 0;
    ScrollBox1->verticalScrollBar()->setValue(0);
  }
  refresh();
}

void Tform_test::BtnPauseClick() {
  set_status(QStringLiteral("暂停"));
  Timer1->stop();
  show_start_button();
  SBtnSetup->setEnabled(session.fresh);
  session.code.clear();
  Edit_input->clear();
  Edit_input->setEnabled(false);
  session.candidate_line.clear();
  session.show_left = session.show_right = false;
  refresh();
}

void Tform_test::Timer1Timer() {
  const bool over = session.tick();
  refresh();
  if (over) time_up();
}

void Tform_test::time_up() {
  session.code.clear();
  session.candidate_line.clear();
  session.show_left = session.show_right = false;
  Edit_input->clear();
  Edit_input->setEnabled(false);
  Timer1->stop();
  set_status(QStringLiteral("测试时间到"));
  refresh();
  show_report();
  session.restart_clock();
  show_start_button();
  set_status(QStringLiteral("请按开始键继续测试"));
  refresh();
}

void Tform_test::article_end() {
  Edit_input->setEnabled(false);
  Timer1->stop();
  set_status(QStringLiteral("文章测试结束"));
  refresh();
  show_report();
  set_status(default_status());
  show_start_button();
  SBtnSetup->setEnabled(true);
  // The test is over whether or not the article can be read again.
  session.fresh = true;
  clear_errata();
  load_article(article_path);
}

// No test runs: the start button lies over the box, and the buttons for between tests work.
void Tform_test::show_start_button() {
  BtnStart->show();
  BtnStart->setFocus();
  ScrollBox1->hide();
  Image2->show();
  BtnPause->setEnabled(false);
  SBtnQuit->setEnabled(true);
  SBtnfile->setEnabled(true);
  SBtnHelp->setEnabled(true);
}

// The report window belongs to the test report; it is shown when this build has it.
void Tform_test::show_report() {
  if (auto* report = window_named("TForm_result")) report->exec();
}

void Tform_test::Timer3Timer() {
  Ltime->setText(tavrel::platform().long_time(tavrel::platform().now().time()));
}

void Tform_test::SBtnQuitClick() {
  if (tavrel::platform().message_box(this, QStringLiteral("确定退出吗"), QStringLiteral("确认"),
                                     tavrel::MsgButtons::OkCancel,
                                     tavrel::MsgIcon::Question) == tavrel::MsgResult::Ok) {
    close();
  }
}

void Tform_test::SBtnHelpClick() {
  if (auto* top_ten = window_named("Thighscore")) top_ten->exec();
}

void Tform_test::SBtnSetupClick() {
  auto* settings = window_named("TForm_color");
  if (!settings) return;
  const QString kept = LChange->text();
  set_status(QStringLiteral("设置颜色和时间"));
  settings->exec();
  ProgressBar1->setMaximum(session.practice_minutes * 60);
  REdit1->setStyleSheet(QString("background: %1;").arg(to_qcolor(session.background_color).name()));
  redraw_all();
  set_status(kept);
}

void Tform_test::key_helpClick() {
  const QString kept = LChange->text();
  set_status(QStringLiteral("输入法说明"));
  tavrel::load_rich_text(*form_help->RichEdit1, "files\\tvm.rtf");
  form_help->exec();
  set_status(kept);
}

void Tform_test::FormClose() {
  Timer1->stop();
  Timer3->stop();
}

void Tform_test::done(int result) {
  FormClose();
  QDialog::done(result);
}

// ---- Keys ----

void Tform_test::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;  // the window closes only through its buttons
  bool consumed = false;
  guarded([&] { consumed = FormKeyPress(event); });
  if (!consumed) QDialog::keyPressEvent(event);
}

bool Tform_test::eventFilter(QObject* watched, QEvent* event) {
  if (watched != Edit_input || event->type() != QEvent::KeyPress) {
    return QDialog::eventFilter(watched, event);
  }
  bool consumed = true;
  guarded([&] { consumed = FormKeyPress(static_cast<QKeyEvent*>(event)); });
  return consumed;
}

// Runs the test's key rules before the code field sees the key; true when the key is used up.
bool Tform_test::FormKeyPress(QKeyEvent* event) {
  const char k = key_char(*event);
  if (k == 0) return false;
  session.code = Edit_input->text().toStdString();
  const auto result = session.key_press(k, BtnStart->isVisible(), ScrollBox1->isVisible());
  refresh();
  if (result.consumed) return true;
  if (result.key == tavrel::article::kBackspace && k != tavrel::article::kBackspace) {
    Edit_input->backspace();  // the keypad's "." edits the code as Backspace does
    return true;
  }
  return false;
}

// ---- Display ----

void Tform_test::refresh() {
  if (Edit_input->text().toStdString() != session.code) {
    Edit_input->setText(QString::fromStdString(session.code));
  }
  result1->setText(tavrel::from_gbk(session.candidate_line));
  Bleft->setVisible(session.show_left);
  bright->setVisible(session.show_right);
  if (!session.segment_enabled) {
    BitBtn1->setEnabled(false);
    session.segment_enabled = true;
  }
  alread->setText(QString::number(session.typed));
  wrong->setText(QString::number(session.wrong));
  Lgo->setText(QString::fromStdString(session.clock_text));
  ProgressBar1->setValue(std::min(session.progress, ProgressBar1->maximum()));
  redraw_lines(session.box.take_changed());
}

void Tform_test::redraw_all() {
  QTextDocument* document = REdit1->document();
  QStringList lines;
  for (int k = 0; k < session.box.line_count(); ++k) {
    lines << tavrel::from_gbk(session.box.line(k));
  }
  REdit1->setPlainText(lines.join(QChar('\n')));
  REdit1->setStyleSheet(
      QString("QTextEdit { background: %1; }").arg(to_qcolor(session.background_color).name()));
  QTextCursor all(document);
  all.select(QTextCursor::Document);
  QTextBlockFormat block;
  block.setLineHeight(kBoxLinePixels, QTextBlockFormat::FixedHeight);
  all.mergeBlockFormat(block);
  QTextCharFormat colour;
  colour.setForeground(to_qcolor(session.untyped_color));
  all.mergeCharFormat(colour);
  session.box.take_changed();
  redraw_lines([&] {
    std::set<int> coloured;  // lines whose colours differ from the text colour after a reload
    for (int k = 0; k < session.box.line_count(); ++k) {
      for (std::size_t c = 0; c < session.box.line(k).size(); ++c) {
        if (session.box.colour_at(k, c) != session.untyped_color) {
          coloured.insert(k);
          break;
        }
      }
    }
    return coloured;
  }());
}

// Rewrites the changed lines in runs of one colour each; a GBK character takes its first byte's.
void Tform_test::redraw_lines(const std::set<int>& lines) {
  QTextDocument* document = REdit1->document();
  // One edit block: the box is laid out once for all lines, not once per line.
  QTextCursor batch(document);
  batch.beginEditBlock();
  for (int k : lines) {
    while (document->blockCount() <= k) {
      QTextCursor end(document);
      end.movePosition(QTextCursor::End);
      end.insertBlock();
    }
    QTextBlock block = document->findBlockByNumber(k);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    const std::string& text = session.box.line(k);
    std::size_t run_start = 0;
    while (run_start < text.size()) {
      const Colour colour = session.box.colour_at(k, run_start);
      std::size_t run_end = run_start;
      while (run_end < text.size() && session.box.colour_at(k, run_end) == colour) {
        run_end += tavrel::gbk_char_length(text, run_end);
      }
      run_end = std::min(run_end, text.size());
      QTextCharFormat format;
      format.setForeground(to_qcolor(colour));
      cursor.insertText(
          tavrel::from_gbk(std::string_view(text).substr(run_start, run_end - run_start)), format);
      run_start = run_end;
    }
  }
  batch.endEditBlock();
}
