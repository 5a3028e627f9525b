// The "学习记录" window offscreen over a known history: charts, filters, table, export, errors,
// with its contents loaded from their library as the program loads them.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include "app/face01.h"
#include "app/startup.h"
#include "history_file.h"
#include "history_view/UHistory.h"
#include "history_view/csv_export.h"
#include "history_view/history_window.h"
#include "platform/scripted_platform.h"
#include "temp_dir.h"

namespace tavrel::history {
namespace {

using testing::ScopedHistoryFile;
using testing::TempDir;

// The window's library taken from the build folder (or from `folder`) while it lives.
class ScopedLibraryFolder {
 public:
  explicit ScopedLibraryFolder(std::filesystem::path folder = TAVREL_WINDOW_LIBRARY_DIR) {
    set_contents_library_folder(std::move(folder));
  }
  ~ScopedLibraryFolder() { set_contents_library_folder(TAVREL_WINDOW_LIBRARY_DIR); }
};

class HistoryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_->now_ = QDateTime(QDate(2026, 1, 5), QTime(18, 0, 0));
    HistoryStore store(history_.file());
    store.add(DrillRun{0, "2025-11-20 09:00:00", 3, "初级能手", 119, 60, 0, 0, 119, true});
    store.add(DrillRun{0, "2026-01-04 09:00:00", 3, "初级能手", 119, 40, 21, 2, 180, true});
    store.add(DrillRun{0, "2026-01-05 09:00:00", 3, "中级能手", 119, 52, 0, 1, 120, true});
    store.add(DrillRun{0, "2026-01-05 09:30:00", 7, "中级能手", 30, 25, 0, 0, 60, false});
    store.add(ArticleTest{0, "2026-01-05 10:00:00", "test.tvm", 150, 120, 6, 46, 95, 390});
    store.add(WarmupGame{0, "2026-01-05 11:00:00", kFunMode, 60, 30});
  }

  QList<QAbstractSeries*> series(QChartView* view) const { return view->chart()->series(); }
  // The y values of a line or scatter series.
  static std::vector<double> ys(QAbstractSeries* s) {
    std::vector<double> v;
    for (const QPointF& p : static_cast<QXYSeries*>(s)->points()) v.push_back(p.y());
    return v;
  }
  void choose_subject(int subject) {
    view().CbSubject->setCurrentIndex(view().CbSubject->findData(subject));
  }
  THistoryView& view() { return *static_cast<THistoryView*>(window_.contents()); }

  ScopedLibraryFolder library_;
  TempDir dir_;
  ScopedScriptedPlatform platform_;
  ScopedHistoryFile history_{dir_.path() / "files" / "history.db"};
  TFHistory window_;
};

TEST_F(HistoryWindow, OpensOnTheLast30DaysWithEveryChartAndTheTable) {
  window_.show();
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("学习记录"));
  EXPECT_EQ(view().LSummary->text(), QStringLiteral("最近30天：5条记录"));
  const auto speed = series(view().ChartSpeed);
  ASSERT_EQ(speed.size(), 3);  // two drill kinds and the article, without markers
  EXPECT_EQ(speed[0]->name(), QStringLiteral("全码字编码训练"));
  EXPECT_EQ(ys(speed[0]), (std::vector<double>{40, 52}));
  EXPECT_EQ(speed[2]->name(), QStringLiteral("文章测试"));
  EXPECT_EQ(series(view().ChartAccuracy).size(), 3);
  const auto bars = series(view().ChartMinutes);
  ASSERT_EQ(bars.size(), 1);
  QBarSet* set = static_cast<QBarSeries*>(bars[0])->barSets().at(0);
  ASSERT_EQ(set->count(), 2);
  EXPECT_DOUBLE_EQ(set->at(0), 3);
  EXPECT_DOUBLE_EQ(set->at(1), 2 + 1 + 2.5 + 1);
  ASSERT_EQ(view().GridLatest->rowCount(), 5);
  EXPECT_EQ(view().GridLatest->item(0, 0)->text(), "01-05 11:00");
  EXPECT_EQ(view().GridLatest->item(0, 1)->text(), QStringLiteral("热身游戏（趣味式）"));
  EXPECT_EQ(view().GridLatest->item(1, 2)->text(), QStringLiteral("46字/分"));
}

TEST_F(HistoryWindow, OneDrillKindMarksItsRecordAndLevelsAndThePeriodCuts) {
  window_.show();
  choose_subject(3);
  auto speed = series(view().ChartSpeed);
  ASSERT_EQ(speed.size(), 4);  // the line, the record, one marker series per level
  EXPECT_EQ(ys(speed[0]), (std::vector<double>{40, 52}));
  EXPECT_EQ(speed[1]->name(), QStringLiteral("最高 60字/分")) << "the record of the whole history";
  EXPECT_EQ(ys(speed[1]), (std::vector<double>{60, 60}));
  EXPECT_EQ(speed[2]->name(), QStringLiteral("中级能手"));
  EXPECT_EQ(ys(speed[2]), (std::vector<double>{52}));
  EXPECT_EQ(speed[3]->name(), QStringLiteral("初级能手"));
  EXPECT_EQ(view().GridLatest->rowCount(), 2);

  view().CbPeriod->setCurrentIndex(3);  // 全部
  EXPECT_EQ(ys(series(view().ChartSpeed)[0]), (std::vector<double>{60, 40, 52}));
  EXPECT_EQ(view().LSummary->text(), QStringLiteral("全部：3条记录"));
  view().CbPeriod->setCurrentIndex(0);  // 最近7天
  choose_subject(kArticleSubject);
  ASSERT_EQ(view().GridLatest->rowCount(), 1);
  EXPECT_EQ(view().GridLatest->item(0, 1)->text(), QStringLiteral("文章测试"));
  choose_subject(kWarmupSubject);
  EXPECT_EQ(series(view().ChartSpeed)[0]->name(), QStringLiteral("热身游戏（趣味式）"));
  EXPECT_EQ(view().ChartSpeed->chart()->title(), QStringLiteral("每分钟击中数"));
}

TEST_F(HistoryWindow, ExportsTheWholeHistoryAsCsvThroughTheSaveDialog) {
  window_.show();
  choose_subject(kArticleSubject);  // the filters do not cut the export
  const auto target = dir_.path() / "out" / "记录.csv";
  std::filesystem::create_directories(target.parent_path());
  platform_->save_answers.push_back(target);
  view().BtnExport->click();
  ASSERT_EQ(platform_->save_suggestions.size(), 1u);
  EXPECT_EQ(platform_->save_suggestions[0], QStringLiteral("学习记录-20260105.csv"));
  const std::string expected = history_csv(history_.load());
  EXPECT_EQ(dir_.read("out/记录.csv"), expected);
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.startsWith(QStringLiteral("已导出6条记录")));

  view().BtnExport->click();  // cancelled: nothing written, nothing said
  EXPECT_EQ(platform_->messages.size(), 1u);
}

TEST_F(HistoryWindow, ADamagedFileIsReportedAndLeavesTheChartsEmpty) {
  window_.show();
  window_.close();
  dir_.write("files/history.db", std::string(3000, 'z'));
  window_.show();
  ASSERT_EQ(platform_->messages.size(), 1u);
  EXPECT_TRUE(platform_->messages[0].text.contains(QStringLiteral("已损坏")));
  EXPECT_EQ(view().GridLatest->rowCount(), 0);
  EXPECT_TRUE(series(view().ChartSpeed).empty());
}

TEST(LauncherHistoryButton, LiesInTheBottomRowAndOpensTheHistoryModallyInTheMiddleOfTheScreen) {
  ScopedLibraryFolder library;
  ScopedScriptedPlatform platform;
  create_windows();
  EXPECT_EQ(preface01->SpeedButton9->geometry(), QRect(491, 639, 78, 34));
  EXPECT_EQ(preface01->SpeedButton9->cursor().shape(), Qt::PointingHandCursor);
  preface01->move(0, 0);
  bool seen_modal = false;
  QPoint seen_at;
  QTimer::singleShot(0, [&] {
    seen_modal = FHistory->isVisible() && FHistory->isModal();
    seen_at = FHistory->pos();
    FHistory->close();
  });
  EXPECT_EQ(FHistory->findChild<THistoryView*>(), nullptr) << "the library waits for the window";
  preface01->SpeedButton9->click();
  EXPECT_TRUE(seen_modal);
  const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_EQ(seen_at, middle - FHistory->rect().center()) << "centred on the screen, as the others";
  EXPECT_NE(FHistory->findChild<THistoryView*>(), nullptr);
  destroy_windows();
  EXPECT_EQ(FHistory, nullptr);
}

// A library that is missing or cannot be loaded is told in Chinese; the window stays shut and
// the next opening tries again.
TEST(HistoryWindowLibrary, ThatCannotBeLoadedIsToldAndTheWindowStaysShut) {
  TempDir dir;
  ScopedScriptedPlatform platform;
  ScopedLibraryFolder library(dir.path());
  TFHistory window;
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_FALSE(window.isVisible());
  dir.write("libtavrel_history_view.so", "not a library");
  window.show();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.contents(), nullptr);
  ASSERT_EQ(platform->messages.size(), 3u);
  EXPECT_TRUE(
      platform->messages[0].text.startsWith(QStringLiteral("无法打开“学习记录”窗口：找不到程序库")))
      << platform->messages[0].text.toStdString();
  EXPECT_TRUE(platform->messages[1].text.contains(QStringLiteral("无法载入")));
  EXPECT_TRUE(platform->messages[0].text.endsWith(QStringLiteral("请重新安装本软件。")));

  set_contents_library_folder(TAVREL_WINDOW_LIBRARY_DIR);
  window.show();
  EXPECT_TRUE(window.isVisible());
  EXPECT_NE(window.findChild<THistoryView*>(), nullptr);
  EXPECT_EQ(platform->messages.size(), 3u);
}

}  // namespace
}  // namespace tavrel::history
