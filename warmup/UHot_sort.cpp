// The ranking window: the entry line with the player's name, and the list of the ranking file.
#include "warmup/UHot_sort.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "common/data_path.h"
#include "common/gbk.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/window_place.h"
#include "warmup/ranking.h"

TFHot_Sort* FHot_Sort = nullptr;

namespace {

QLineEdit* labeled_edit(QWidget* parent, const char* name, QLabel*& caption, const QString& text,
                        QRect box) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(box);
  caption = new QLabel(text, parent);
  caption->setGeometry(box.left(), box.top() - 20, box.width(), 18);
  caption->setBuddy(edit);
  return edit;
}

// Read-only boxes in the window's face colour, as the game's results are shown.
void make_display(QLineEdit* edit) {
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  edit->setPalette(palette);
}

}  // namespace

TFHot_Sort::TFHot_Sort(QWidget* parent)
    : OnDemand(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName("TFHot_Sort");
  setWindowTitle(QStringLiteral("成绩排行"));
  setFont(tavrel::song_font(12));
  setFixedSize(300, 190);
  ProgramDir = tavrel::program_dir_from(QCoreApplication::applicationFilePath().toStdString());
}

void TFHot_Sort::build() {
  LabeledEdit1 = labeled_edit(this, "LabeledEdit1", captions_[0], QStringLiteral("输入你的姓名："),
                              {24, 34, 252, 24});
  LabeledEdit2 = labeled_edit(this, "LabeledEdit2", captions_[1], QStringLiteral("你的用时"),
                              {24, 90, 116, 24});
  LabeledEdit3 = labeled_edit(this, "LabeledEdit3", captions_[2], QStringLiteral("你的成绩"),
                              {160, 90, 116, 24});
  make_display(LabeledEdit2);
  make_display(LabeledEdit3);

  Button1 = new QPushButton(QStringLiteral("加入排行榜"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(40, 140, 100, 30);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("不加了^o^"), this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(160, 140, 100, 30);
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, tavrel::guard([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, tavrel::guard([this] { Button2Click(); }));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setGeometry(4, 4, 292, 182);
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setFont(tavrel::song_font(14));
  Memo1->hide();
}

void TFHot_Sort::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  tavrel::centre_on_screen(*this);
  tavrel::guarded([this] { FormShow(); });
}

void TFHot_Sort::show_for_mode() {
  if (isVisible())
    FormShow();
  else
    show();
  // Shown, the window is the active one, also where no window manager makes it so.
  raise();
  activateWindow();
}

void TFHot_Sort::FormShow() {
  const bool list_mode = !Memo1->isHidden();
  // The list covers the entry boxes; they are also taken out of reach of the keyboard so that
  // Enter in the list cannot add an entry.
  for (QWidget* w : {static_cast<QWidget*>(LabeledEdit1), static_cast<QWidget*>(LabeledEdit2),
                     static_cast<QWidget*>(LabeledEdit3), static_cast<QWidget*>(Button1),
                     static_cast<QWidget*>(Button2)})
    w->setVisible(!list_mode);
  for (QLabel* caption : captions_) caption->setVisible(!list_mode);

  if (list_mode) {
    Memo1->raise();
    auto lines = tavrel::warmup::read_ranking(tavrel::warmup::ranking_path(ProgramDir));
    if (!lines) {
      Memo1->setPlainText(QStringLiteral("暂无记录！"));
    } else {
      QStringList shown;
      for (const auto& line : *lines) shown << tavrel::from_gbk(line);
      Memo1->setPlainText(shown.join('\n'));
    }
    Memo1->setFocus();
    return;
  }
  LabeledEdit1->setFocus();
  if (!GameTime.empty()) {
    LabeledEdit2->setText(
        tavrel::from_gbk(tavrel::warmup::with_unit(GameTime, tavrel::gbk_from_utf8("秒"))));
    LabeledEdit3->setText(
        tavrel::from_gbk(tavrel::warmup::with_unit(GameScore, tavrel::gbk_from_utf8("个"))));
  }
}

void TFHot_Sort::Button1Click() {
  auto& platform = tavrel::platform();
  std::string line =
      tavrel::warmup::ranking_line(tavrel::to_gbk(platform.short_date(platform.now().date())),
                                   tavrel::to_gbk(LabeledEdit1->text()), GameTime, GameScore);
  tavrel::warmup::append_ranking_line(tavrel::warmup::ranking_path(ProgramDir), line);
  close();
}

void TFHot_Sort::Button2Click() { close(); }
