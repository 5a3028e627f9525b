// THistoryView: the contents of the learning history window "学习记录": charts of speed, accuracy
// and minutes, the latest entries, filters by subject and period, and the export as CSV. They
// live in a library of their own (Qt Charts), loaded when the window first opens.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtCharts/QChartView>

#include "history_view/charts.h"

// Built as a child filling the window `shell`; it reads and draws the history each time the
// window is shown.
class THistoryView : public QWidget {
  Q_OBJECT
 public:
  explicit THistoryView(QWidget* shell);

  // The periods of CbPeriod, in its order: days back from today, 0 for the whole history.
  static constexpr int kPeriodDays[] = {7, 30, 365, 0};
  static constexpr int kLatestRows = 100;
  static constexpr int kShownDays = 31;    // bars of the minutes chart
  static constexpr int kPointsShown = 60;  // up to this many points a line also shows dots

  QComboBox *CbSubject, *CbPeriod;
  QLabel* LSummary;
  QPushButton *BtnExport, *BtnClose;
  QChartView *ChartSpeed, *ChartAccuracy, *ChartMinutes;
  QTableWidget* GridLatest;

  // What the charts show now (kept for the tests and the export's count).
  const tavrel::history::Charts& charts() const { return charts_; }
  // The filter the two choosers make, with the period counted back from the platform's today.
  tavrel::history::Filter filter() const;

 public slots:
  void FormShow();      // reads the history file again and draws
  void FilterChange();  // a chooser changed: draws again from what was read
  void BtnExportClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void draw();
  void draw_lines(QChartView* view, const std::vector<tavrel::history::Series>& series,
                  const QString& title, const QString& unit, bool percent);
  void draw_minutes();
  void fill_table();

  tavrel::history::History history_;
  tavrel::history::Charts charts_;
};

// The factory the window's library exports (tavrel::ContentsFactory).
extern "C" Q_DECL_EXPORT QWidget* tavrel_history_view(QDialog* shell);
