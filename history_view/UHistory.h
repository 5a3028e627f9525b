// TFHistory: the learning history window, "学习记录": charts of speed, accuracy and minutes, the
// latest entries, filters by subject and period, and the export as CSV.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtCharts/QChartView>

#include "history_view/charts.h"
#include "platform/on_demand.h"

class TFHistory : public tavrel::OnDemand<QDialog> {
  Q_OBJECT
 public:
  explicit TFHistory(QWidget* parent = nullptr);

  // The periods of CbPeriod, in its order: days back from today, 0 for the whole history.
  static constexpr int kPeriodDays[] = {7, 30, 365, 0};
  static constexpr int kLatestRows = 100;
  static constexpr int kShownDays = 31;    // bars of the minutes chart
  static constexpr int kPointsShown = 60;  // up to this many points a line also shows dots

  tavrel::Control<QComboBox> CbSubject{this}, CbPeriod{this};
  tavrel::Control<QLabel> LSummary{this};
  tavrel::Control<QPushButton> BtnExport{this}, BtnClose{this};
  tavrel::Control<QChartView> ChartSpeed{this}, ChartAccuracy{this}, ChartMinutes{this};
  tavrel::Control<QTableWidget> GridLatest{this};

  // What the charts show now (kept for the tests and the export's count).
  const tavrel::history::Charts& charts() const { return charts_; }
  // The filter the two choosers make, with the period counted back from the platform's today.
  tavrel::history::Filter filter() const;

 public slots:
  void FormShow();      // reads the history file again and draws
  void FilterChange();  // a chooser changed: draws again from what was read
  void BtnExportClick();

 protected:
  void build() override;
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

extern TFHistory* FHistory;
