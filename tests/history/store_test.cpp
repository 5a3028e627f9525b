// The history database on temporary files: schema, migration, rows, damage, locks, two writers.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <set>

#include "common/user_files.h"
#include "history/history_store.h"
#include "history/sqlite_library.h"
#include "temp_dir.h"

namespace tavrel::history {
namespace {

using testing::TempDir;

DrillRun drill(const char* at, int kind, int speed) {
  return {0, at, kind, "中级能手", 119, speed, 3, 2, 75, true};
}

// A connection of the test's own beside the store's, as another program would hold it.
class RawConnection {
 public:
  explicit RawConnection(const std::filesystem::path& file) : api_(system_sqlite().api()) {
    EXPECT_EQ(api_.open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
  }
  ~RawConnection() { api_.close_v2(db_); }
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  // Runs one statement; true when it ran to its end. Its first column of its first row is kept.
  bool exec(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    bool done = api_.prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK;
    first_ = 0;
    int stepped = SQLITE_ROW;
    for (bool first = true; done && stepped == SQLITE_ROW; first = false) {
      stepped = api_.step(statement);
      if (stepped == SQLITE_ROW && first) first_ = api_.column_int64(statement, 0);
      done = stepped == SQLITE_ROW || stepped == SQLITE_DONE;
    }
    api_.finalize(statement);
    return done;
  }
  std::int64_t number(const char* sql) {
    EXPECT_TRUE(exec(sql)) << sql;
    return first_;
  }

 private:
  const SqliteApi& api_;
  sqlite3* db_ = nullptr;
  std::int64_t first_ = 0;
};

// Runs `sql` statements on a connection of the test's own, closed afterwards.
void exec_raw(const std::filesystem::path& file, std::initializer_list<const char*> sql) {
  RawConnection raw(file);
  for (const char* statement : sql) ASSERT_TRUE(raw.exec(statement)) << statement;
}

TEST(HistoryStore, ANewFileGetsTheSchemaAndKeepsEveryFieldOfEveryEntry) {
  TempDir dir;
  const auto file = dir.path() / "files" / "history.db";  // the folder is made as well
  HistoryStore store(file);
  EXPECT_EQ(store.schema_version(), kSchemaVersion);

  const DrillRun run{0, "2026-01-05 09:30:00", 7, "初级能手", 45, 38, 4, 1, 142, false};
  const ArticleTest test{0, "2026-01-05 10:00:00", "春天.tvm", 150, 120, 6, 46, 95, 390};
  const WarmupGame game{0, "2026-01-05 10:20:00", kFunMode, 60, 12};
  const auto run_id = store.add(run);
  store.add(test);
  store.add(game);

  const History h = store.load();
  ASSERT_EQ(h.drills.size(), 1u);
  ASSERT_EQ(h.articles.size(), 1u);
  ASSERT_EQ(h.games.size(), 1u);
  DrillRun expected_run = run;
  expected_run.id = run_id;
  const DrillRun& got = h.drills[0];
  EXPECT_EQ(std::tie(got.id, got.at, got.kind, got.level, got.items, got.speed, got.errors,
                     got.hints, got.seconds, got.completed),
            std::tie(expected_run.id, expected_run.at, expected_run.kind, expected_run.level,
                     expected_run.items, expected_run.speed, expected_run.errors,
                     expected_run.hints, expected_run.seconds, expected_run.completed));
  const ArticleTest& a = h.articles[0];
  EXPECT_EQ(std::tie(a.at, a.article, a.seconds, a.typed, a.wrong, a.speed, a.rate, a.keystrokes),
            std::tie(test.at, test.article, test.seconds, test.typed, test.wrong, test.speed,
                     test.rate, test.keystrokes));
  const WarmupGame& g = h.games[0];
  EXPECT_EQ(std::tie(g.at, g.mode, g.seconds, g.score),
            std::tie(game.at, game.mode, game.seconds, game.score));
}

// An installed program keeps the history with the user's other record files.
TEST(HistoryStore, AnInstalledProgramKeepsItInTheUsersFolder) {
  TempDir program, user;
  program.write("files/phb.txt", std::string(180, ' '));
  keep_user_files_in(program.path(), user.path() / "tavrel");
  const auto file = history_path(program.path().string() + "/");
  keep_user_files_beside_program();
  EXPECT_EQ(file, user.path() / "tavrel" / "history.db");
  HistoryStore(file).add(drill("2026-01-05 09:30:00", 0, 40));
  EXPECT_EQ(HistoryStore(file).load().drills.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(program.path() / "files" / "history.db"));
}

TEST(HistoryStore, ReplacingARunRewritesItsRowOnlyAndLoadingIsInTimeOrder) {
  TempDir dir;
  HistoryStore store(dir.path() / "history.db");
  const auto late = store.add(drill("2026-01-05 11:00:00", 3, 50));
  const auto early = store.add(drill("2026-01-05 09:00:00", 4, 40));
  DrillRun ended = drill("2026-01-05 11:05:00", 3, 55);
  store.replace(late, ended);
  const History h = store.load();
  ASSERT_EQ(h.drills.size(), 2u);
  EXPECT_EQ(h.drills[0].id, early);
  EXPECT_EQ(h.drills[0].speed, 40);
  EXPECT_EQ(h.drills[1].id, late);
  EXPECT_EQ(h.drills[1].speed, 55);
  EXPECT_EQ(h.drills[1].at, "2026-01-05 11:05:00");
}

TEST(HistoryStore, AVersionOneFileIsMigratedWithItsRowsKept) {
  TempDir dir;
  const auto file = dir.path() / "history.db";
  // The first schema as it was written, without the time indexes.
  exec_raw(file, {"CREATE TABLE drill_runs (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
                  " kind INTEGER NOT NULL, level TEXT NOT NULL, items INTEGER NOT NULL,"
                  " speed INTEGER NOT NULL, errors INTEGER NOT NULL, hints INTEGER NOT NULL,"
                  " seconds INTEGER NOT NULL, completed INTEGER NOT NULL)",
                  "CREATE TABLE article_tests (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
                  " article TEXT NOT NULL, seconds INTEGER NOT NULL, typed INTEGER NOT NULL,"
                  " wrong INTEGER NOT NULL, speed INTEGER NOT NULL, rate INTEGER NOT NULL,"
                  " keystrokes INTEGER NOT NULL)",
                  "CREATE TABLE warmup_games (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
                  " mode TEXT NOT NULL, seconds INTEGER NOT NULL, score INTEGER NOT NULL)",
                  "INSERT INTO warmup_games (at, mode, seconds, score)"
                  " VALUES ('2025-12-01 08:00:00', 'classic', 120, 9)",
                  "PRAGMA user_version = 1"});
  {
    HistoryStore store(file);
    EXPECT_EQ(store.schema_version(), 2);
    const History h = store.load();
    ASSERT_EQ(h.games.size(), 1u);
    EXPECT_EQ(h.games[0].score, 9);
    store.add(WarmupGame{0, "2025-12-02 08:00:00", kClassicMode, 60, 4});
  }
  EXPECT_EQ(RawConnection(file).number(
                "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name LIKE '%_at'"),
            3);
  EXPECT_EQ(HistoryStore(file).load().games.size(), 2u);
}

TEST(HistoryStore, AFileOfANewerProgramIsLeftAlone) {
  TempDir dir;
  const auto file = dir.path() / "history.db";
  exec_raw(file, {"CREATE TABLE later (x)", "PRAGMA user_version = 9"});
  const auto size = std::filesystem::file_size(file);
  EXPECT_THROW(HistoryStore store(file), HistoryError);
  EXPECT_EQ(std::filesystem::file_size(file), size);
}

TEST(HistoryStore, ADamagedFileIsAChineseErrorAndIsNotOverwritten) {
  TempDir dir;
  const std::string garbage(4096, 'x');
  const auto file = dir.write("history.db", garbage);
  try {
    HistoryStore store(file);
    FAIL() << "a damaged file opened";
  } catch (const HistoryError& e) {
    EXPECT_NE(std::string(e.what()).find("已损坏"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir.read("history.db"), garbage);
}

TEST(HistoryStore, AFileThatCannotBeCreatedIsAnError) {
  TempDir dir;
  dir.write("files", "a file where the folder should be");
  EXPECT_THROW(HistoryStore store(dir.path() / "files" / "history.db"), HistoryError);
}

TEST(HistoryStore, AWriteWaitsForALockAndFailsWhole) {
  TempDir dir;
  const auto file = dir.path() / "history.db";
  HistoryStore store(file);
  store.add(drill("2026-01-05 09:00:00", 3, 40));
  {
    RawConnection lock(file);
    ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));
    try {
      store.add(drill("2026-01-05 10:00:00", 3, 50));
      ADD_FAILURE() << "wrote through another program's lock";
    } catch (const HistoryError& e) {
      EXPECT_NE(std::string(e.what()).find("占用"), std::string::npos) << e.what();
    }
    ASSERT_TRUE(lock.exec("ROLLBACK"));
  }
  store.add(drill("2026-01-05 11:00:00", 3, 60));  // the failed write left no open transaction
  const History h = store.load();
  ASSERT_EQ(h.drills.size(), 2u);
  EXPECT_EQ(h.drills[1].speed, 60);
}

// A migration is one transaction: a statement failing half-way leaves the file as it was.
TEST(HistoryStore, AMigrationFailingHalfWayLeavesTheFileAsItWas) {
  TempDir dir;
  const auto file = dir.path() / "history.db";
  // The second of the migration's indexes exists already, so creating it fails after the first.
  exec_raw(file, {"CREATE TABLE drill_runs (at TEXT)", "CREATE TABLE article_tests (at TEXT)",
                  "CREATE INDEX article_tests_at ON article_tests(at)", "PRAGMA user_version = 1"});
  const std::string before = dir.read("history.db");
  try {
    HistoryStore store(file);
    FAIL() << "a failed migration opened the file";
  } catch (const HistoryError& e) {
    EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("article_tests_at"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir.read("history.db"), before);
  RawConnection raw(file);
  EXPECT_EQ(raw.number("PRAGMA user_version"), 1);
  EXPECT_EQ(raw.number("SELECT count(*) FROM sqlite_master WHERE name = 'drill_runs_at'"), 0);
}

// A write whose statement fails after changing rows is rolled back whole, and the store goes on.
TEST(HistoryStore, AStatementFailingAfterItsFirstChangeIsRolledBack) {
  TempDir dir;
  const auto file = dir.path() / "history.db";
  HistoryStore store(file);
  // FAIL keeps what the statement changed so far inside the open transaction.
  exec_raw(file, {"CREATE TRIGGER refuse BEFORE INSERT ON warmup_games WHEN NEW.score < 0 BEGIN"
                  " INSERT INTO drill_runs (at, kind, level, items, speed, errors, hints, seconds,"
                  " completed) VALUES ('2026-01-05 08:00:00', 0, '', 0, 0, 0, 0, 0, 0);"
                  " SELECT RAISE(FAIL, 'no negative score'); END"});
  try {
    store.add(WarmupGame{0, "2026-01-05 09:00:00", kClassicMode, 60, -1});
    FAIL() << "the refused row was written";
  } catch (const HistoryError& e) {
    EXPECT_NE(std::string(e.what()).find("（no negative score）"), std::string::npos) << e.what();
  }
  EXPECT_TRUE(store.load().drills.empty());
  store.add(WarmupGame{0, "2026-01-05 09:00:00", kClassicMode, 60, 5});
  const History h = HistoryStore(file).load();
  EXPECT_TRUE(h.drills.empty());
  ASSERT_EQ(h.games.size(), 1u);
  EXPECT_EQ(h.games[0].score, 5);
}

// Start-up maps no database library: the first store opened loads it, for every later store.
TEST(SqliteLibrary, TheFirstStoreOpenedLoadsTheLibraryOnce) {
  if (system_sqlite().loads() > 0) GTEST_SKIP() << "an earlier test of this process loaded it";
  EXPECT_EQ(dlopen(kSqliteLibrary, RTLD_NOW | RTLD_NOLOAD), nullptr);
  TempDir dir;
  HistoryStore(dir.path() / "history.db").add(drill("2026-01-05 09:00:00", 1, 30));
  void* library = dlopen(kSqliteLibrary, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(library, nullptr);
  dlclose(library);
  EXPECT_EQ(HistoryStore(dir.path() / "history.db").load().drills.size(), 1u);
  EXPECT_EQ(system_sqlite().loads(), 1);
}

// The file the system's library was loaded from.
std::filesystem::path system_library_file() {
  Dl_info info{};
  EXPECT_NE(dladdr(reinterpret_cast<void*>(system_sqlite().api().open_v2), &info), 0);
  return info.dli_fname;
}

TEST(SqliteLibrary, AMissingLibraryIsAChineseErrorAndIsTriedAgain) {
  TempDir dir;
  const auto name = dir.path() / "libsqlite3.so.0";
  SqliteLibrary library(name.string());
  try {
    library.api();
    FAIL() << "a missing library loaded";
  } catch (const HistoryError& e) {
    const std::string text = e.what();
    EXPECT_NE(text.find("学习记录无法使用"), std::string::npos) << text;
    EXPECT_NE(text.find(name.string()), std::string::npos) << text;
    EXPECT_NE(text.find("libsqlite3-0"), std::string::npos) << text;  // the package
    // The loader's reason, in the learner's locale, names the file again.
    EXPECT_NE(text.find(name.string(), text.find(name.string()) + 1), std::string::npos) << text;
  }
  std::filesystem::create_symlink(system_library_file(), name);  // the learner installs it
  library.api();
  const SqliteApi& api = library.api();
  EXPECT_EQ(library.loads(), 1);
  sqlite3* db = nullptr;
  EXPECT_EQ(api.open_v2((dir.path() / "any.db").c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
            SQLITE_OK);
  api.close_v2(db);
}

TEST(SqliteLibrary, ALibraryWithoutSqlitesFunctionsIsNamedWithTheFunction) {
  SqliteLibrary library("libc.so.6");
  try {
    library.api();
    FAIL() << "the C library passed for SQLite";
  } catch (const HistoryError& e) {
    EXPECT_NE(std::string(e.what()).find("libc.so.6 缺少函数 sqlite3_open_v2"), std::string::npos)
        << e.what();
  }
  EXPECT_EQ(library.loads(), 0);
}

constexpr int kRowsPerWriter = 100;

TEST(HistoryStore, TwoProgramsWritingAtOnceLoseNoRow) {
  TempDir dir;
  const auto file = dir.path() / "files" / "history.db";
  std::vector<std::unique_ptr<QProcess>> writers;
  for (int i = 0; i < 2; ++i) {
    auto writer = std::make_unique<QProcess>();
    writer->start(HISTORY_WRITER_PATH,
                  {QString::fromStdString(file.string()), QString::number(kRowsPerWriter)});
    writers.push_back(std::move(writer));
  }
  for (auto& writer : writers) {
    ASSERT_TRUE(writer->waitForFinished(60000));
    EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
  }
  const History h = HistoryStore(file).load();
  ASSERT_EQ(h.games.size(), 2u * kRowsPerWriter);
  std::set<std::int64_t> ids;
  std::multiset<int> scores;
  for (const WarmupGame& g : h.games) {
    ids.insert(g.id);
    scores.insert(g.score);
  }
  EXPECT_EQ(ids.size(), h.games.size());
  for (int i = 0; i < kRowsPerWriter; ++i) EXPECT_EQ(scores.count(i), 2u) << i;
}

}  // namespace
}  // namespace tavrel::history
