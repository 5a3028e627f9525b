// `tavrel-tool history` on a history file of the test's own: the figures and the CSV.
#include <gtest/gtest.h>

#include <QProcess>

#include "history/history_store.h"
#include "history_view/csv_export.h"
#include "temp_dir.h"

namespace tavrel::history {
namespace {

struct Output {
  int code = -1;
  std::string out, err;
};

Output run_tool(const QStringList& args, const QString& program = TAVREL_TOOL_PATH,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess tool;
  tool.setProcessEnvironment(environment);
  tool.start(program, QStringList{"history"} + args);
  Output o;
  if (!tool.waitForFinished(30000)) return o;
  o.code = tool.exitCode();
  o.out = tool.readAllStandardOutput().toStdString();
  o.err = tool.readAllStandardError().toStdString();
  return o;
}

TEST(HistoryTool, PrintsTheFiguresOfTheChosenSubjectAndTheWholeCsv) {
  testing::TempDir dir;
  const auto file = dir.path() / "history.db";
  {
    HistoryStore store(file);
    store.add(DrillRun{0, "2026-01-04 09:00:00", 3, "初级能手", 119, 40, 21, 2, 180, true});
    store.add(DrillRun{0, "2026-01-05 09:00:00", 3, "中级能手", 119, 52, 0, 1, 120, true});
    store.add(ArticleTest{0, "2026-01-05 10:00:00", "test.tvm", 150, 120, 6, 46, 95, 390});
  }
  const QString db = QString::fromStdString(file.string());
  const Output figures = run_tool({"--db", db, "--subject", "3"});
  ASSERT_EQ(figures.code, 0) << figures.err;
  EXPECT_NE(figures.out.find("记录：2条"), std::string::npos) << figures.out;
  EXPECT_NE(figures.out.find("全码字编码训练\t2次\t最近 52字/分\t最高 52字/分\t平均 46.0字/分"),
            std::string::npos)
      << figures.out;
  EXPECT_EQ(figures.out.find("文章测试"), std::string::npos) << "cut to the subject";

  const Output articles = run_tool({"--db", db, "--subject", "article", "--latest", "1"});
  EXPECT_NE(articles.out.find("击键2.60，码长3.25"), std::string::npos) << articles.out;

  const Output csv = run_tool({"--db", db, "--csv"});
  ASSERT_EQ(csv.code, 0) << csv.err;
  EXPECT_EQ(csv.out, history_csv(HistoryStore(file).load()));
}

TEST(HistoryTool, AMissingFileOrAWrongOptionIsAnErrorAndCreatesNothing) {
  testing::TempDir dir;
  const QString missing = QString::fromStdString((dir.path() / "none.db").string());
  const Output absent = run_tool({"--db", missing});
  EXPECT_EQ(absent.code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "none.db"));
  EXPECT_EQ(run_tool({"--subject", "12"}).code, 2);
  EXPECT_EQ(run_tool({"--days"}).code, 2);
}

// Installed, the program keeps the history in the user's own folder; so does the tool read it.
TEST(HistoryTool, InstalledReadsTheUsersOwnHistoryNotTheSharedFolder) {
  testing::TempDir dir;
  const auto bin = dir.path() / "usr" / "bin";
  const auto share = dir.path() / "usr" / "share" / "tavrel";
  std::filesystem::create_directories(bin);
  std::filesystem::create_directories(share / "hzlib");
  std::filesystem::create_directories(share / "files");
  std::filesystem::copy_file(TAVREL_TOOL_PATH, bin / "tavrel-tool");
  const auto own = dir.path() / "data" / "tavrel" / "history.db";
  HistoryStore(own).add(WarmupGame{0, "2026-01-05 11:00:00", kFunMode, 60, 30});

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_HOME", QString::fromStdString((dir.path() / "data").string()));
  const Output figures =
      run_tool({"--csv"}, QString::fromStdString((bin / "tavrel-tool").string()), environment);
  ASSERT_EQ(figures.code, 0) << figures.err;
  EXPECT_EQ(figures.out, history_csv(HistoryStore(own).load()));
  EXPECT_FALSE(std::filesystem::exists(share / "files" / "history.db"));
}

}  // namespace
}  // namespace tavrel::history
