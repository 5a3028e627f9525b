// The learning history database through Qt SQL's SQLite driver: schema, migrations, rows.
#include "history/history_store.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <atomic>
#include <system_error>
#include <vector>

#include "common/data_path.h"

namespace fs = std::filesystem;

namespace tavrel::history {
namespace {

// Migration i takes a file from schema version i to version i + 1.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE drill_runs (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
        " kind INTEGER NOT NULL, level TEXT NOT NULL, items INTEGER NOT NULL,"
        " speed INTEGER NOT NULL, errors INTEGER NOT NULL, hints INTEGER NOT NULL,"
        " seconds INTEGER NOT NULL, completed INTEGER NOT NULL)",
        "CREATE TABLE article_tests (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
        " article TEXT NOT NULL, seconds INTEGER NOT NULL, typed INTEGER NOT NULL,"
        " wrong INTEGER NOT NULL, speed INTEGER NOT NULL, rate INTEGER NOT NULL,"
        " keystrokes INTEGER NOT NULL)",
        "CREATE TABLE warmup_games (id INTEGER PRIMARY KEY, at TEXT NOT NULL,"
        " mode TEXT NOT NULL, seconds INTEGER NOT NULL, score INTEGER NOT NULL)",
    },
    {
        // Every view reads by time, and a period filter cuts by it.
        "CREATE INDEX drill_runs_at ON drill_runs(at)",
        "CREATE INDEX article_tests_at ON article_tests(at)",
        "CREATE INDEX warmup_games_at ON warmup_games(at)",
    },
};
static_assert(kSchemaVersion == 2, "one migration per schema version");

// SQLite's primary result codes that the learner should hear about in their own words.
QString reason_of(const QSqlError& error) {
  const QString code = error.nativeErrorCode();
  if (code == "5" || code == "6") return QStringLiteral("文件正被另一个程序占用");
  if (code == "8") return QStringLiteral("文件是只读的");
  if (code == "11" || code == "26") return QStringLiteral("文件已损坏或不是学习记录");
  if (code == "14") return QStringLiteral("文件无法打开");
  return QStringLiteral("数据库出错");
}

[[noreturn]] void fail(const fs::path& file, const QSqlError& error) {
  const QString text =
      QStringLiteral("学习记录 %1 %2（%3）")
          .arg(QString::fromStdString(file.string()), reason_of(error), error.text().trimmed());
  throw HistoryError(text.toStdString());
}

QSqlDatabase database(const std::string& connection) {
  return QSqlDatabase::database(QString::fromStdString(connection), false);
}

QSqlQuery run(const std::string& connection, const fs::path& file, const QString& sql,
              const std::vector<QVariant>& values = {}) {
  QSqlQuery query(database(connection));
  if (!query.prepare(sql)) fail(file, query.lastError());
  for (const QVariant& value : values) query.addBindValue(value);
  if (!query.exec()) fail(file, query.lastError());
  return query;
}

// BEGIN IMMEDIATE takes the write lock at once, so two programs writing at the same time wait
// for each other instead of failing half-way; without commit() the transaction is rolled back.
class Transaction {
 public:
  Transaction(const std::string& connection, const fs::path& file)
      : connection_(connection), file_(file) {
    run(connection_, file_, "BEGIN IMMEDIATE");
  }
  ~Transaction() {
    if (!committed_) QSqlQuery(database(connection_)).exec("ROLLBACK");
  }
  void commit() {
    run(connection_, file_, "COMMIT");
    committed_ = true;
  }

 private:
  const std::string& connection_;
  const fs::path& file_;
  bool committed_ = false;
};

QString text(const std::string& s) { return QString::fromStdString(s); }

std::vector<QVariant> drill_values(const DrillRun& r) {
  return {text(r.at), r.kind,    text(r.level),      r.items, r.speed, r.errors,
          r.hints,    r.seconds, r.completed ? 1 : 0};
}

}  // namespace

fs::path history_path(std::string_view program_dir) {
  return resolve_path(std::string(program_dir) + "files\\history.db");
}

HistoryStore::HistoryStore(const fs::path& file) : file_(file) {
  static std::atomic<int> next_connection{0};
  connection_ = "tavrel_history_" + std::to_string(next_connection++);
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", text(connection_));
  if (!db.isValid()) {
    QSqlDatabase::removeDatabase(text(connection_));
    throw HistoryError(
        "学习记录无法使用：缺少 SQLite 数据库驱动（Debian 软件包 libqt6sql6-sqlite）");
  }
  std::error_code ignored;  // a folder that cannot be made shows up as a file that cannot open
  fs::create_directories(file.parent_path(), ignored);
  db.setDatabaseName(QString::fromStdString(file.string()));
  db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
  try {
    if (!db.open()) fail(file_, db.lastError());
    migrate();
  } catch (...) {
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(text(connection_));
    throw;
  }
}

HistoryStore::~HistoryStore() {
  {
    QSqlDatabase db = database(connection_);
    db.close();
  }
  QSqlDatabase::removeDatabase(text(connection_));
}

int HistoryStore::schema_version() const {
  QSqlQuery query = run(connection_, file_, "PRAGMA user_version");
  return query.next() ? query.value(0).toInt() : 0;
}

void HistoryStore::migrate() {
  if (schema_version() == kSchemaVersion) return;
  Transaction transaction(connection_, file_);
  // Read again under the write lock: another program may have migrated meanwhile.
  const int version = schema_version();
  if (version > kSchemaVersion) {
    throw HistoryError("学习记录 " + file_.string() + " 由较新版本的程序写入，本程序不改动它");
  }
  for (int v = version; v < kSchemaVersion; ++v)
    for (const char* sql : kMigrations[static_cast<std::size_t>(v)]) run(connection_, file_, sql);
  run(connection_, file_, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
  transaction.commit();
}

std::int64_t HistoryStore::add(const DrillRun& r) {
  Transaction transaction(connection_, file_);
  QSqlQuery query = run(connection_, file_,
                        "INSERT INTO drill_runs (at, kind, level, items, speed, errors, hints,"
                        " seconds, completed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                        drill_values(r));
  const std::int64_t id = query.lastInsertId().toLongLong();
  transaction.commit();
  return id;
}

void HistoryStore::replace(std::int64_t id, const DrillRun& r) {
  std::vector<QVariant> values = drill_values(r);
  values.emplace_back(static_cast<qlonglong>(id));
  Transaction transaction(connection_, file_);
  run(connection_, file_,
      "UPDATE drill_runs SET at = ?, kind = ?, level = ?, items = ?, speed = ?, errors = ?,"
      " hints = ?, seconds = ?, completed = ? WHERE id = ?",
      values);
  transaction.commit();
}

std::int64_t HistoryStore::add(const ArticleTest& t) {
  Transaction transaction(connection_, file_);
  QSqlQuery query = run(
      connection_, file_,
      "INSERT INTO article_tests (at, article, seconds, typed, wrong, speed,"
      " rate, keystrokes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
      {text(t.at), text(t.article), t.seconds, t.typed, t.wrong, t.speed, t.rate, t.keystrokes});
  const std::int64_t id = query.lastInsertId().toLongLong();
  transaction.commit();
  return id;
}

std::int64_t HistoryStore::add(const WarmupGame& g) {
  Transaction transaction(connection_, file_);
  QSqlQuery query = run(connection_, file_,
                        "INSERT INTO warmup_games (at, mode, seconds, score) VALUES (?, ?, ?, ?)",
                        {text(g.at), text(g.mode), g.seconds, g.score});
  const std::int64_t id = query.lastInsertId().toLongLong();
  transaction.commit();
  return id;
}

History HistoryStore::load() const {
  History h;
  auto str = [](const QSqlQuery& q, int i) { return q.value(i).toString().toStdString(); };
  auto num = [](const QSqlQuery& q, int i) { return q.value(i).toInt(); };
  QSqlQuery q = run(connection_, file_,
                    "SELECT id, at, kind, level, items, speed, errors, hints, seconds, completed"
                    " FROM drill_runs ORDER BY at, id");
  while (q.next()) {
    h.drills.push_back({q.value(0).toLongLong(), str(q, 1), num(q, 2), str(q, 3), num(q, 4),
                        num(q, 5), num(q, 6), num(q, 7), num(q, 8), num(q, 9) != 0});
  }
  q = run(connection_, file_,
          "SELECT id, at, article, seconds, typed, wrong, speed, rate, keystrokes"
          " FROM article_tests ORDER BY at, id");
  while (q.next()) {
    h.articles.push_back({q.value(0).toLongLong(), str(q, 1), str(q, 2), num(q, 3), num(q, 4),
                          num(q, 5), num(q, 6), num(q, 7), num(q, 8)});
  }
  q = run(connection_, file_,
          "SELECT id, at, mode, seconds, score FROM warmup_games ORDER BY at, id");
  while (q.next())
    h.games.push_back({q.value(0).toLongLong(), str(q, 1), str(q, 2), num(q, 3), num(q, 4)});
  return h;
}

}  // namespace tavrel::history
