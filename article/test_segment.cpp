// The practice window's automatic word segmentation: the question, the panel and the scan.
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

#include "article/segmentation.h"
#include "article/test.h"
#include "dictionary/erfenfa.h"
#include "platform/fonts.h"
#include "platform/platform.h"

namespace {

QLabel* legend_part(QWidget* parent, const QString& text, const QColor& colour, QRect place) {
  auto* l = new QLabel(text, parent);
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, colour);
  l->setPalette(palette);
  l->setGeometry(place);
  return l;
}

}  // namespace

void Tform_test::build_segment_panel() {
  auto* caption = new QLabel(QStringLiteral("正在自动切词……"), zdqc);
  caption->setObjectName("zdqc_caption");
  caption->setFont(tavrel::song_font(16));
  caption->setGeometry(20, 12, 260, 28);
  auto* legend = new QGroupBox(QStringLiteral("说明"), zdqc);
  legend->setObjectName("zdqc_legend");
  legend->setGeometry(20, 46, 260, 60);
  legend_part(legend, QStringLiteral("黑色：单字词"), Qt::black, {10, 26, 100, 24});
  legend_part(legend, QStringLiteral("蓝色、"), Qt::blue, {112, 26, 44, 24});
  legend_part(legend, QStringLiteral("紫色："), Qt::magenta, {156, 26, 44, 24});
  legend_part(legend, QStringLiteral("词组"), Qt::black, {200, 26, 40, 24});
  ProgressBar2 = new QProgressBar(zdqc);
  ProgressBar2->setObjectName("ProgressBar2");
  ProgressBar2->setRange(0, 180);
  ProgressBar2->setTextVisible(false);
  ProgressBar2->setGeometry(20, 120, 260, 20);
}

void Tform_test::BitBtn1Click() {
  if (tavrel::platform().message_box(this, QStringLiteral("自动切词可能需要几分钟。要等待吗？"),
                                     QStringLiteral("确认"), tavrel::MsgButtons::YesNo,
                                     tavrel::MsgIcon::Information) != tavrel::MsgResult::Yes) {
    if (BtnStart->isVisible()) BtnStart->setFocus();
    return;
  }
  zdqc->show();
  zdqc->raise();
  ProgressBar2->setValue(0);
  zdqc->repaint();
  // The scan runs here, on the window's thread: no other input can change the box meanwhile.
  try {
    tavrel::article::segment(
        session.box,
        [](int length, std::string_view word) { return tavrel::two->find_word(length, word); },
        [this] {
          ProgressBar2->setValue(std::min(ProgressBar2->value() + 2, ProgressBar2->maximum()));
          ProgressBar2->repaint();
        });
  } catch (...) {
    // A dictionary error ends the scan: the panel goes, so that it does not cover the start
    // button for good; the words marked so far stay, and the button can try again.
    zdqc->hide();
    redraw_lines(session.box.take_changed());
    throw;
  }
  zdqc->hide();
  if (BtnStart->isVisible()) BtnStart->setFocus();
  BitBtn1->setEnabled(false);

  session.clock_text = "0:00";
  session.progress = 0;
  ScrollBox1->verticalScrollBar()->setValue(0);
  session.code.clear();
  Edit_input->clear();
  Edit_input->setEnabled(true);
  if (!BtnStart->isVisible()) Edit_input->setFocus();
  refresh();
}
