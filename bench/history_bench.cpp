// Measures the learning history with 10,000 entries: the file's size, the time to write them
// one transaction each as the program does, and the time the window takes to open and paint.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "history/history_store.h"
#include "history/recorder.h"
#include "history_view/UHistory.h"
#include "history_view/history_window.h"
#include "platform/application.h"

namespace h = tavrel::history;

namespace {

constexpr int kEntries = 10000;

// Every entry within the last 30 days, so the window's first view shows all of them.
void write_entries(const std::filesystem::path& file) {
  h::HistoryStore store(file);
  const QDateTime start = QDateTime::currentDateTime().addDays(-29);
  const char* levels[] = {"初级能手", "中级能手", "高级能手", "超级高手"};
  for (int i = 0; i < kEntries; ++i) {
    const std::string at =
        start.addSecs(i * 29LL * 86400 / kEntries).toString("yyyy-MM-dd HH:mm:ss").toStdString();
    if (i % 10 < 6) {
      store.add(h::DrillRun{0, at, i % 12, levels[i % 4], 119, 20 + i % 60, i % 7, i % 3,
                            60 + i % 200, i % 5 != 0});
    } else if (i % 10 < 9) {
      store.add(h::ArticleTest{0, at, "test.tvm", 300 + i % 600, 200 + i % 300, i % 20, 30 + i % 50,
                               90 + i % 10, 500 + i % 700});
    } else {
      store.add(h::WarmupGame{0, at, i % 2 ? h::kFunMode : h::kClassicMode, 60, 10 + i % 40});
    }
  }
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  tavrel::set_contents_library_folder(TAVREL_WINDOW_LIBRARY_DIR);  // the build folder
  tavrel::TavrelApplication app(argc, argv);
  QTemporaryDir dir;
  const std::filesystem::path file = std::filesystem::path(dir.path().toStdString()) / "history.db";
  QElapsedTimer clock;
  clock.start();
  write_entries(file);
  const double write_ms = double(clock.elapsed());
  std::printf("entries: %d\n", kEntries);
  std::printf("file size: %ju bytes\n",
              static_cast<std::uintmax_t>(std::filesystem::file_size(file)));
  std::printf("writing, one transaction each: %.0f ms in all, %.2f ms per entry\n", write_ms,
              write_ms / kEntries);

  h::set_history_file(file);
  for (int period : {1, 3}) {  // 最近30天 (the window's first view), 全部
    std::vector<double> opens;
    std::size_t shown = 0;
    QString period_name;
    for (int run = 0; run < 5; ++run) {
      TFHistory window;
      auto* view = static_cast<THistoryView*>(window.contents());
      view->CbPeriod->setCurrentIndex(period);
      clock.restart();
      window.show();
      window.repaint();
      QApplication::processEvents();
      opens.push_back(double(clock.nsecsElapsed()) / 1e6);
      shown = view->charts().entries;
      period_name = view->CbPeriod->currentText();
      window.close();
    }
    std::printf("opening the window (%s, %zu entries shown): median of 5 %.0f ms\n",
                qPrintable(period_name), shown, median(opens));
  }
  return 0;
}
