// The learning history window's contents: read the history file when shown, drawn with Qt Charts.
#include "history_view/history_window.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <limits>
#include <map>

#include "common/replace_file.h"
#include "drills/drill_kinds.h"
#include "history/history_store.h"
#include "history/recorder.h"
#include "history_view/csv_export.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"

namespace {

namespace h = tavrel::history;

QString u8(const std::string& s) { return QString::fromStdString(s); }

// "YYYY-MM-DD HH:MM:SS" read by position: QDateTime::fromString is slow for thousands of points.
qint64 msecs_of(const std::string& at) {
  auto number = [&](std::size_t from, std::size_t digits) {
    int n = 0;
    for (std::size_t i = from; i < from + digits && i < at.size(); ++i) n = n * 10 + (at[i] - '0');
    return n;
  };
  return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                   QTime(number(11, 2), number(14, 2), number(17, 2)))
      .toMSecsSinceEpoch();
}

QChartView* make_chart_view(QWidget* parent, const char* name, QRect place) {
  auto* view = new QChartView(new QChart, parent);
  view->setObjectName(name);
  view->setGeometry(place);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

QFont small_font() { return tavrel::song_font(11); }

// A new chart in place of the view's old one (a chart that only loses its series and axes
// keeps drawing their old labels), with its title and a legend below.
QChart* fresh_chart(QChartView* view, const QString& title) {
  QChart* old = view->chart();
  auto* chart = new QChart;
  view->setChart(chart);
  delete old;
  chart->setTitle(title);
  chart->setTitleFont(tavrel::song_font(13));
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setFont(small_font());
  chart->setMargins(QMargins(4, 4, 4, 4));
  return chart;
}

QValueAxis* value_axis(double top, const QString& unit) {
  auto* axis = new QValueAxis;
  axis->setRange(0, top);
  axis->applyNiceNumbers();
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setTitleText(unit);
  axis->setTitleFont(small_font());
  axis->setLabelsFont(small_font());
  return axis;
}

}  // namespace

QWidget* tavrel_history_view(QDialog* shell) { return new THistoryView(shell); }

THistoryView::THistoryView(QWidget* shell) : QWidget(shell) {
  setObjectName("HistoryView");
  setGeometry(0, 0, shell->width(), shell->height());
  auto label = [this](const char* text, QRect place) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setGeometry(place);
    return l;
  };
  label("项目：", {12, 12, 50, 26});
  CbSubject = new QComboBox(this);
  CbSubject->setObjectName("CbSubject");
  CbSubject->setGeometry(62, 12, 170, 26);
  CbSubject->addItem(u8(h::subject_name(h::kAllSubjects)), h::kAllSubjects);
  for (int kind = 0; kind < tavrel::drills::kKindCount; ++kind)
    CbSubject->addItem(u8(h::subject_name(kind)), kind);
  CbSubject->addItem(u8(h::subject_name(h::kArticleSubject)), h::kArticleSubject);
  CbSubject->addItem(u8(h::subject_name(h::kWarmupSubject)), h::kWarmupSubject);
  label("时间：", {250, 12, 50, 26});
  CbPeriod = new QComboBox(this);
  CbPeriod->setObjectName("CbPeriod");
  CbPeriod->setGeometry(300, 12, 120, 26);
  CbPeriod->addItems({QStringLiteral("最近7天"), QStringLiteral("最近30天"),
                      QStringLiteral("最近一年"), QStringLiteral("全部")});
  CbPeriod->setCurrentIndex(1);
  LSummary = label("", {440, 12, 330, 26});
  LSummary->setObjectName("LSummary");
  BtnExport = new QPushButton(QStringLiteral("导出CSV"), this);
  BtnExport->setObjectName("BtnExport");
  BtnExport->setGeometry(790, 10, 95, 30);
  BtnClose = new QPushButton(QStringLiteral("关闭"), this);
  BtnClose->setObjectName("BtnClose");
  BtnClose->setGeometry(893, 10, 95, 30);

  ChartSpeed = make_chart_view(this, "ChartSpeed", {6, 48, 494, 330});
  ChartAccuracy = make_chart_view(this, "ChartAccuracy", {500, 48, 494, 330});
  ChartMinutes = make_chart_view(this, "ChartMinutes", {6, 382, 494, 330});
  GridLatest = new QTableWidget(0, 6, this);
  GridLatest->setObjectName("GridLatest");
  GridLatest->setGeometry(504, 386, 488, 324);
  GridLatest->setHorizontalHeaderLabels({QStringLiteral("时间"), QStringLiteral("项目"),
                                         QStringLiteral("成绩"), QStringLiteral("正确率"),
                                         QStringLiteral("用时"), QStringLiteral("说明")});
  GridLatest->setEditTriggers(QAbstractItemView::NoEditTriggers);
  GridLatest->setSelectionBehavior(QAbstractItemView::SelectRows);
  GridLatest->verticalHeader()->hide();
  GridLatest->horizontalHeader()->setStretchLastSection(true);

  for (QComboBox* box : {CbSubject, CbPeriod})
    connect(box, &QComboBox::currentIndexChanged, this, tavrel::guard([this] { FilterChange(); }));
  connect(BtnExport, &QPushButton::clicked, this, tavrel::guard([this] { BtnExportClick(); }));
  connect(BtnClose, &QPushButton::clicked, shell, &QWidget::close);
}

void THistoryView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

h::Filter THistoryView::filter() const {
  h::Filter f;
  f.subject = CbSubject->currentData().toInt();
  const int days = kPeriodDays[std::clamp(CbPeriod->currentIndex(), 0, 3)];
  if (days > 0) {
    const QDate first = tavrel::platform().now().date().addDays(1 - days);
    f.since = first.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
  }
  return f;
}

void THistoryView::FormShow() {
  history_ = {};
  // Drawn empty first, so that a file that cannot be read leaves no old figures behind.
  draw();
  if (const auto& file = h::history_file()) {
    h::HistoryStore store(*file);
    history_ = store.load();
  }
  draw();
}

void THistoryView::FilterChange() { draw(); }

void THistoryView::draw() {
  charts_ = h::build_charts(history_, filter(), kLatestRows);
  LSummary->setText(QStringLiteral("%1：%2条记录")
                        .arg(CbPeriod->currentText())
                        .arg(static_cast<qulonglong>(charts_.entries)));
  const bool warmup = filter().subject == h::kWarmupSubject;
  draw_lines(ChartSpeed, charts_.speed,
             warmup ? QStringLiteral("每分钟击中数") : QStringLiteral("速度"),
             warmup ? QStringLiteral("个/分") : QStringLiteral("字/分"), false);
  draw_lines(ChartAccuracy, charts_.accuracy, QStringLiteral("正确率"), QStringLiteral("%"), true);
  draw_minutes();
  fill_table();
}

void THistoryView::draw_lines(QChartView* view, const std::vector<h::Series>& series,
                              const QString& title, const QString& unit, bool percent) {
  QChart* chart = fresh_chart(view, title);
  // Each point's time is worked out once: thousands of them are drawn.
  std::vector<QList<QPointF>> lines(series.size());
  qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
  double top = percent ? 100 : 10;
  for (std::size_t i = 0; i < series.size(); ++i) {
    lines[i].reserve(static_cast<qsizetype>(series[i].points.size()));
    for (const h::Point& p : series[i].points) {
      const qint64 at = msecs_of(p.at);
      lines[i].append(QPointF(double(at), p.value));
      first = std::min(first, at);
      last = std::max(last, at);
    }
    if (!percent) top = std::max(top, series[i].record * 1.1);
  }
  if (first > last) first = last = tavrel::platform().now().toMSecsSinceEpoch();
  // Room on both sides, also for a single point; the hours show when the points lie close.
  const qint64 hour = 3600LL * 1000;
  const qint64 margin = std::max(hour, (last - first) / 20);
  auto* time_axis = new QDateTimeAxis;
  time_axis->setLabelsFont(small_font());
  time_axis->setTickCount(5);
  time_axis->setFormat(last - first < 72 * hour ? QStringLiteral("MM-dd HH:mm")
                                                : QStringLiteral("MM-dd"));
  time_axis->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                      QDateTime::fromMSecsSinceEpoch(last + margin));
  chart->addAxis(time_axis, Qt::AlignBottom);
  QValueAxis* y = value_axis(top, unit);
  chart->addAxis(y, Qt::AlignLeft);
  auto add = [&](QXYSeries* s) {
    chart->addSeries(s);
    s->attachAxis(time_axis);
    s->attachAxis(y);
  };
  // With one subject chosen its record and the level of each run are marked too.
  const bool marked = filter().subject != h::kAllSubjects;
  for (std::size_t i = 0; i < series.size(); ++i) {
    const h::Series& s = series[i];
    auto* line = new QLineSeries;
    line->setName(u8(s.name));
    line->setPointsVisible(lines[i].size() <=
                           kPointsShown);  // dots only where they can be told apart
    line->replace(lines[i]);
    add(line);
    if (!marked || percent) continue;
    auto* record = new QLineSeries;
    record->setName(QStringLiteral("最高 %1%2").arg(s.record).arg(unit));
    record->append(double(first - margin), s.record);
    record->append(double(last + margin), s.record);
    QPen dashed(QColor(0xd0, 0x30, 0x30));
    dashed.setStyle(Qt::DashLine);
    record->setPen(dashed);
    add(record);
    std::map<std::string, QList<QPointF>> by_level;
    for (std::size_t p = 0; p < s.points.size(); ++p)
      if (!s.points[p].level.empty()) by_level[s.points[p].level].append(lines[i][qsizetype(p)]);
    for (const auto& [level, level_points] : by_level) {
      auto* markers = new QScatterSeries;
      markers->setName(u8(level));
      markers->setMarkerSize(lines[i].size() <= kPointsShown ? 9 : 5);
      markers->replace(level_points);
      add(markers);
    }
  }
}

void THistoryView::draw_minutes() {
  QChart* chart = fresh_chart(ChartMinutes, QStringLiteral("每天练习分钟数"));
  chart->legend()->hide();
  auto* bars = new QBarSet(QStringLiteral("分钟"));
  QStringList days;
  const auto& minutes = charts_.minutes;
  const std::size_t from = minutes.size() > kShownDays ? minutes.size() - kShownDays : 0;
  double top = 10;
  for (std::size_t i = from; i < minutes.size(); ++i) {
    days << u8(minutes[i].date.substr(5));
    *bars << minutes[i].minutes;
    top = std::max(top, minutes[i].minutes * 1.1);
  }
  auto* series = new QBarSeries;
  series->append(bars);
  chart->addSeries(series);
  auto* axis = new QBarCategoryAxis;
  axis->append(days);
  axis->setLabelsFont(small_font());
  if (days.size() > 10) axis->setLabelsAngle(-90);
  chart->addAxis(axis, Qt::AlignBottom);
  series->attachAxis(axis);
  QValueAxis* y = value_axis(top, QStringLiteral("分钟"));
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(y);
}

void THistoryView::fill_table() {
  GridLatest->clearContents();
  GridLatest->setRowCount(static_cast<int>(charts_.latest.size()));
  for (int r = 0; r < GridLatest->rowCount(); ++r) {
    const h::EntryRow& row = charts_.latest[static_cast<std::size_t>(r)];
    const std::string cells[] = {row.at.substr(5, 11), row.subject,  row.result,
                                 row.accuracy,         row.duration, row.note};
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(u8(cells[c]));
      item->setToolTip(item->text());  // the note is often wider than its column
      GridLatest->setItem(r, c, item);
    }
  }
  GridLatest->resizeColumnsToContents();
}

void THistoryView::BtnExportClick() {
  const QString name = QStringLiteral("学习记录-%1.csv")
                           .arg(tavrel::platform().now().toString(QStringLiteral("yyyyMMdd")));
  const auto target = tavrel::platform().save_file(this, QStringLiteral("导出学习记录"),
                                                   QStringLiteral("CSV 文件 (*.csv)"), name);
  if (!target) return;
  std::size_t rows = history_.drills.size() + history_.articles.size() + history_.games.size();
  try {
    tavrel::replace_file(*target, h::history_csv(history_));
  } catch (const std::system_error& e) {
    throw std::runtime_error("无法写入 " + target->string() + "：" + e.code().message());
  }
  tavrel::platform().message_box(
      this, QStringLiteral("已导出%1条记录到\n%2").arg(rows).arg(u8(target->string())),
      QStringLiteral("学习记录"), tavrel::MsgButtons::Ok, tavrel::MsgIcon::Information);
}
