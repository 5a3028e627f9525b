// The record holders window: three groups of rows, filled from "files\phb.txt" when shown.
#include "drills/UPhb.h"

#include <QGroupBox>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>

#include "drills/records.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/qt_text.h"
#include "platform/window_place.h"

TFPhb* FPhb = nullptr;

namespace {

const QColor kMaroon(128, 0, 0);

void set_text_colour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// A record's 15 bytes in 宋体 like the captions: the name field at the left and the speed field
// right-aligned at the right edge, so the speeds line up whatever letters the names hold.
class RecordLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    const std::string record = tavrel::to_gbk(text());
    const std::size_t name_bytes = std::min<std::size_t>(record.size(), tavrel::drills::kNameBytes);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                     tavrel::from_gbk(std::string_view(record).substr(0, name_bytes)));
    painter.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter,
                     tavrel::from_gbk(std::string_view(record).substr(name_bytes)));
  }
};

}  // namespace

// The groups of 3, 4 and 5 records end where the buttons begin; the window's height follows.
constexpr int kGroupsTop = 36, kButtonsTop = kGroupsTop + (30 + 26 * 3 + 8) + (30 + 26 * 4 + 8) +
                                             (30 + 26 * 5 + 8) + 8;

TFPhb::TFPhb(QWidget* parent) : OnDemand(parent) {
  setObjectName("TFPhb");
  setWindowTitle(QStringLiteral("记录保持者名单"));
  setFont(tavrel::song_font(16));
  setFixedSize(380, kButtonsTop + 42);
  tavrel::centre_on_screen(*this);
}

void TFPhb::build() {
  // Over the name fields and the right-aligned speed fields of the records.
  auto* name_caption = new QLabel(QStringLiteral("姓名"), this);
  set_text_colour(name_caption, kMaroon);
  name_caption->setGeometry(136, 10, 40, 22);
  auto* speed_caption = new QLabel(QStringLiteral("成绩(字/分)"), this);
  set_text_colour(speed_caption, kMaroon);
  speed_caption->setGeometry(236, 10, 120, 22);  // right edge over the speed fields
  speed_caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  struct Row {
    const char* caption;
    int kind;
    tavrel::Control<QLabel>* label;
    const char* name;
  };
  struct Group {
    const char* caption;
    std::vector<Row> rows;
  };
  const Group groups[] = {
      {"基本编码", {{"简单", 0, &L1, "L1"}, {"较难", 1, &L2, "L2"}, {"彩色字", 2, &L3, "L3"}}},
      {"字编码",
       {{"全码字", 3, &L4, "L4"},
        {"稍难字", 4, &L5, "L5"},
        {"一键简码", 5, &L6, "L6"},
        {"二键简码", 6, &L7, "L7"}}},
      {"词编码",
       {{"二字词", 7, &L8, "L8"},
        {"三字词", 8, &L9, "L9"},
        {"四字词", 9, &L10, "L10"},
        {"多字词", 11, &L11, "L11"},
        {"一键词", 10, &L12, "L12"}}},
  };
  int top = kGroupsTop;
  for (const Group& group : groups) {
    const int height = 30 + 26 * static_cast<int>(group.rows.size());
    auto* box = new QGroupBox(QString::fromUtf8(group.caption), this);
    set_text_colour(box, kMaroon);
    box->setGeometry(12, top, 356, height);
    int row_top = 24;
    for (const Row& row : group.rows) {
      auto* caption = new QLabel(QString::fromUtf8(row.caption), box);
      set_text_colour(caption, Qt::black);
      caption->setGeometry(14, row_top, 100, 22);
      auto* label = new RecordLabel(box);
      label->setObjectName(row.name);
      set_text_colour(label, Qt::black);
      label->setGeometry(124, row_top, 220, 22);
      *row.label = label;
      RecordLabels[static_cast<std::size_t>(row.kind)] = label;
      row_top += 26;
    }
    top += height + 8;
  }

  BitBtn2 = new QPushButton(QStringLiteral("重新记名"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(70, kButtonsTop, 100, 30);
  BitBtn2->setAutoDefault(false);
  BitBtn1 = new QPushButton(QStringLiteral("关闭"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(210, kButtonsTop, 100, 30);
  BitBtn1->setAutoDefault(false);
  connect(BitBtn2, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn2Click(); }));
  connect(BitBtn1, &QPushButton::clicked, this, tavrel::guard([this] { BitBtn1Click(); }));
}

void TFPhb::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void TFPhb::FormShow() {
  for (QLabel* label : RecordLabels) label->clear();
  const auto records = tavrel::drills::read_records(tavrel::drills::kRecordFile);
  for (std::size_t k = 0; k < records.size(); ++k)
    RecordLabels[k]->setText(tavrel::from_gbk(records[k]));
}

void TFPhb::BitBtn2Click() {
  for (QLabel* label : RecordLabels) label->clear();
  tavrel::drills::blank_records(tavrel::drills::kRecordFile);
}

void TFPhb::BitBtn1Click() { close(); }
