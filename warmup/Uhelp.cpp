// The help window of the warm-up: one page per game, each a read-only note.
#include "warmup/Uhelp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "platform/fonts.h"

TFhelp* Fhelp = nullptr;

namespace {

// The notes keep their own line breaks.
const char* const kClassicLines[] = {
    "    游戏开始后，屏幕中央会出现一个六位字",
    "符串，相当于Tavrel码中的一个编码，你通过击",
    "小键盘来打出相同的编码即可。",
    "    如果在设定的时间内，打出的编码不断增",
    "多，那表示你的指法不断熟练，你Tavrel码的输",
    "入速度一定会提高的。",
    "",
    "    好了，开始吧。",
};
const char* const kFunLines[] = {
    "    朋友，你玩过“打地鼠”的游戏吗？这是",
    "个很古老的游戏了，你控制一把小锤把不断从",
    "地洞中钻出的地鼠打死。",
    "   我们的游戏与此类似：地上有十六个洞，",
    "按照小键盘的顺序排列，不断有一只顽皮的小",
    "兔子从洞中钻出，你只要按下相同位置的键即",
    "可阻止它跑出。",
    "    边玩游戏，边锻炼你的指法。",
    "    ",
    "         Ready，Go !!!",
};

template <std::size_t N>
QPlainTextEdit* note(const char* const (&lines)[N]) {
  auto* memo = new QPlainTextEdit;
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setFont(tavrel::song_font(14));
  QPalette palette = memo->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, QColor(0, 128, 0));
  memo->setPalette(palette);
  QStringList text;
  for (const char* line : lines) text << QString::fromUtf8(line);
  memo->setPlainText(text.join('\n'));
  return memo;
}

}  // namespace

TFhelp::TFhelp(QWidget* parent)
    : OnDemand(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
  setObjectName("TFhelp");
  setWindowTitle(QStringLiteral("说明"));
  setFont(tavrel::song_font(12));
  setFixedSize(356, 300);
}

void TFhelp::build() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(8, 8, 340, 244);
  PageControl1->setDocumentMode(true);
  // Tabs drawn as flat buttons side by side.
  PageControl1->setStyleSheet(
      "QTabBar::tab { padding: 4px 16px; margin-right: 4px; border: 1px solid palette(mid);"
      " border-radius: 3px; background: palette(button); }"
      "QTabBar::tab:selected { background: palette(midlight); border-color: palette(dark); }"
      "QTabWidget::pane { border: none; top: 4px; }");
  Memo1 = note(kClassicLines);
  Memo1->setObjectName("Memo1");
  Memo2 = note(kFunLines);
  Memo2->setObjectName("Memo2");
  PageControl1->addTab(Memo1, QStringLiteral("古典式"));
  PageControl1->addTab(Memo2, QStringLiteral("趣味式"));
  PageControl1->setCurrentIndex(1);

  Button1 = new QPushButton(QStringLiteral("确定"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(140, 262, 75, 28);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}
