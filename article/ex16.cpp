// The top-ten window: the grid, filing a pending entry, clearing behind F1, the last result.
#include "article/ex16.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QShowEvent>

#include "article/test_result.h"
#include "article/top_ten.h"
#include "common/data_path.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "platform/qt_text.h"

Thighscore* highscore = nullptr;

namespace {

std::filesystem::path record_file() { return tavrel::resolve_path("files\\record.dat"); }

}  // namespace

Thighscore::Thighscore(QWidget* parent) : OnDemand(parent) {
  setObjectName("Thighscore");
  setWindowTitle(QStringLiteral("前十名英雄榜"));
  setFixedSize(360, 330);
  QFont font = tavrel::song_font(12);
  font.setPointSize(9);
  setFont(font);
}

void Thighscore::build() {
  StringGrid1 = new QTableWidget(11, 3, this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setGeometry(0, 0, 250, 330);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
  StringGrid1->setFocusPolicy(Qt::NoFocus);
  StringGrid1->setStyleSheet("QTableWidget { background: transparent; }");
  StringGrid1->setColumnWidth(0, 50);
  StringGrid1->setColumnWidth(1, 120);
  StringGrid1->setColumnWidth(2, 70);
  for (int r = 0; r < 11; ++r) StringGrid1->setRowHeight(r, 28);

  Button3 = new QPushButton(QStringLiteral("上一次成绩"), this);
  Button3->setObjectName("Button3");
  Button3->setGeometry(260, 40, 90, 30);
  Button2 = new QPushButton(QStringLiteral("关闭"), this);
  Button2->setObjectName("Button2");
  Button2->setGeometry(260, 90, 90, 30);
  Button1 = new QPushButton(QStringLiteral("清空"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(260, 140, 90, 30);
  Button1->hide();
  connect(Button1, &QPushButton::clicked, this, tavrel::guard([this] { Button1Click(); }));
  connect(Button2, &QPushButton::clicked, this, tavrel::guard([this] { Button2Click(); }));
  connect(Button3, &QPushButton::clicked, this, tavrel::guard([this] { Button3Click(); }));
}

QString Thighscore::cell(int row, int column) const {
  const QTableWidgetItem* item = StringGrid1->item(row, column);
  return item ? item->text() : QString();
}

void Thighscore::set_cell(int row, int column, const QString& text) {
  StringGrid1->setItem(row, column, new QTableWidgetItem(text));
}

void Thighscore::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void Thighscore::FormShow() {
  // From the report, "the last result" would open the report inside itself.
  Button3->setEnabled(!(Form_result && Form_result->isVisible()));
  set_cell(0, 0, QStringLiteral("前十名"));
  set_cell(0, 1, QStringLiteral("姓名"));
  set_cell(0, 2, QStringLiteral("成绩"));
  for (int r = 1; r <= 10; ++r) {
    set_cell(r, 0, QString::number(r));
    set_cell(r, 1, QString());
    set_cell(r, 2, QString());
  }
  if (tavrel::article::entry_pending) {
    tavrel::article::entry_pending = false;  // filed once, even when the filing fails
    tavrel::article::file_entry(record_file(),
                                {tavrel::article::pending_name, tavrel::article::speed});
  }
  const auto records = tavrel::article::read_top_ten(record_file());
  for (std::size_t i = 0; i < records.size(); ++i) {
    set_cell(static_cast<int>(i) + 1, 1, tavrel::from_gbk(records[i].name));
    set_cell(static_cast<int>(i) + 1, 2, QString::number(records[i].score));
  }
}

void Thighscore::Button1Click() {
  tavrel::article::clear_top_ten(record_file());
  tavrel::platform().message_box(this, QStringLiteral("排行榜已清空"), windowTitle(),
                                 tavrel::MsgButtons::Ok, tavrel::MsgIcon::Information);
  for (int r = 1; r <= 10; ++r) {
    set_cell(r, 1, QStringLiteral(" "));
    set_cell(r, 2, QStringLiteral(" "));
  }
}

void Thighscore::Button2Click() { close(); }

void Thighscore::Button3Click() {
  if (!Form_result) return;
  Form_result->review_only = true;
  Form_result->lbSorry->hide();
  Form_result->exec();
  Form_result->review_only = false;
}

bool Thighscore::FormKeyDown(QKeyEvent* event) {
  if (tavrel::key_code(*event) != tavrel::vk::kF1) return false;
  Button1->show();
  return true;
}

void Thighscore::keyPressEvent(QKeyEvent* event) {
  bool consumed = false;
  tavrel::guarded([&] { consumed = FormKeyDown(event); });
  if (!consumed) QDialog::keyPressEvent(event);
}
