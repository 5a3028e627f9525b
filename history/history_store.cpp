// The learning history database through SQLite's own interface: schema, migrations, rows.
#include "history/history_store.h"

#include <system_error>
#include <variant>
#include <vector>

#include "common/data_path.h"
#include "history/sqlite_library.h"

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
std::string reason_of(int result) {
  switch (result & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "文件正被另一个程序占用";
    case SQLITE_READONLY:
      return "文件是只读的";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "文件已损坏或不是学习记录";
    case SQLITE_CANTOPEN:
      return "文件无法打开";
    default:
      return "数据库出错";
  }
}

}  // namespace

// The open file: closed when the store goes, also when opening or migrating it failed.
class HistoryConnection {
 public:
  HistoryConnection(const SqliteApi& api, const fs::path& file) : api_(api), file_(file) {
    const int opened =
        api_.open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (opened != SQLITE_OK) {
      // SQLite hands out a connection even when opening fails; no destructor runs for it here.
      const HistoryError error = error_of(opened);
      api_.close_v2(db_);
      throw error;
    }
    api_.busy_timeout(db_, HistoryStore::kBusyMilliseconds);
  }
  ~HistoryConnection() { api_.close_v2(db_); }
  HistoryConnection(const HistoryConnection&) = delete;
  HistoryConnection& operator=(const HistoryConnection&) = delete;

  const SqliteApi& api() const { return api_; }
  sqlite3* db() const { return db_; }

  // The connection's last error, told with the file and SQLite's own words.
  [[noreturn]] void fail(int result) const { throw error_of(result); }
  HistoryError error_of(int result) const {
    return HistoryError("学习记录 " + file_.string() + " " + reason_of(result) + "（" +
                        api_.errmsg(db_) + "）");
  }

 private:
  const SqliteApi& api_;
  const fs::path& file_;
  sqlite3* db_ = nullptr;
};

namespace {

// A value bound to one "?" of a statement.
using Value = std::variant<std::int64_t, std::string_view>;

// A prepared statement with its values bound, finalized when it goes out of scope.
class Statement {
 public:
  Statement(const HistoryConnection& connection, const std::string& sql,
            const std::vector<Value>& values = {})
      : connection_(connection), api_(connection.api()) {
    const int prepared = api_.prepare_v2(connection_.db(), sql.c_str(),
                                         static_cast<int>(sql.size()), &statement_, nullptr);
    if (prepared != SQLITE_OK) connection_.fail(prepared);
    for (std::size_t i = 0; i < values.size(); ++i) bind(static_cast<int>(i) + 1, values[i]);
  }
  ~Statement() { api_.finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Steps to the next row: false when there is none left.
  bool next() {
    const int stepped = api_.step(statement_);
    if (stepped == SQLITE_ROW) return true;
    if (stepped != SQLITE_DONE) connection_.fail(stepped);
    return false;
  }
  // Runs a statement that returns no rows.
  void run() {
    while (next()) {
    }
  }

  std::int64_t integer(int column) const { return api_.column_int64(statement_, column); }
  int number(int column) const { return static_cast<int>(integer(column)); }
  std::string text(int column) const {
    const auto* chars = reinterpret_cast<const char*>(api_.column_text(statement_, column));
    return chars
               ? std::string(chars, static_cast<std::size_t>(api_.column_bytes(statement_, column)))
               : std::string();
  }

 private:
  void bind(int index, const Value& value) {
    const int bound =
        std::holds_alternative<std::int64_t>(value)
            ? api_.bind_int64(statement_, index, std::get<std::int64_t>(value))
            : api_.bind_text(statement_, index, std::get<std::string_view>(value).data(),
                             static_cast<int>(std::get<std::string_view>(value).size()),
                             SQLITE_TRANSIENT);
    if (bound != SQLITE_OK) connection_.fail(bound);
  }

  const HistoryConnection& connection_;
  const SqliteApi& api_;
  sqlite3_stmt* statement_ = nullptr;
};

void run(const HistoryConnection& connection, const std::string& sql,
         const std::vector<Value>& values = {}) {
  Statement(connection, sql, values).run();
}

// Runs `sql` and returns the row it added.
std::int64_t insert(const HistoryConnection& connection, const std::string& sql,
                    const std::vector<Value>& values) {
  run(connection, sql, values);
  return connection.api().last_insert_rowid(connection.db());
}

// BEGIN IMMEDIATE takes the write lock at once, so two programs writing at the same time wait
// for each other instead of failing half-way; without commit() the transaction is rolled back.
class Transaction {
 public:
  explicit Transaction(const HistoryConnection& connection) : connection_(connection) {
    run(connection_, "BEGIN IMMEDIATE");
  }
  ~Transaction() {
    if (committed_) return;
    try {
      run(connection_, "ROLLBACK");
    } catch (const HistoryError&) {
      // SQLite rolls back by itself after some failures; then there is nothing left to undo.
    }
  }
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void commit() {
    run(connection_, "COMMIT");
    committed_ = true;
  }

 private:
  const HistoryConnection& connection_;
  bool committed_ = false;
};

// Appends every row of `sql` to `rows`, each made by `entry_of`.
template <typename Entry, typename EntryOf>
void read_rows(const HistoryConnection& connection, const char* sql, std::vector<Entry>& rows,
               EntryOf entry_of) {
  Statement query(connection, sql);
  while (query.next()) rows.push_back(entry_of(query));
}

std::vector<Value> drill_values(const DrillRun& r) {
  return {
      r.at, r.kind, r.level, r.items, r.speed, r.errors, r.hints, r.seconds, r.completed ? 1 : 0};
}

}  // namespace

fs::path history_path(std::string_view program_dir) {
  return resolve_path(std::string(program_dir) + "files\\history.db");
}

HistoryStore::HistoryStore(const fs::path& file) : file_(file) {
  const SqliteApi& api = system_sqlite().api();
  std::error_code ignored;  // a folder that cannot be made shows up as a file that cannot open
  fs::create_directories(file_.parent_path(), ignored);
  connection_ = std::make_unique<HistoryConnection>(api, file_);
  migrate();
}

HistoryStore::~HistoryStore() = default;

int HistoryStore::schema_version() const {
  Statement query(*connection_, "PRAGMA user_version");
  return query.next() ? query.number(0) : 0;
}

void HistoryStore::migrate() {
  if (schema_version() == kSchemaVersion) return;
  Transaction transaction(*connection_);
  // Read again under the write lock: another program may have migrated meanwhile.
  const int version = schema_version();
  if (version > kSchemaVersion) {
    throw HistoryError("学习记录 " + file_.string() + " 由较新版本的程序写入，本程序不改动它");
  }
  for (int v = version; v < kSchemaVersion; ++v)
    for (const char* sql : kMigrations[static_cast<std::size_t>(v)]) run(*connection_, sql);
  // A number of this program's own: PRAGMA takes no bound values.
  run(*connection_, "PRAGMA user_version = " + std::to_string(kSchemaVersion));
  transaction.commit();
}

std::int64_t HistoryStore::add(const DrillRun& r) {
  Transaction transaction(*connection_);
  const std::int64_t id =
      insert(*connection_,
             "INSERT INTO drill_runs (at, kind, level, items, speed, errors, hints,"
             " seconds, completed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
             drill_values(r));
  transaction.commit();
  return id;
}

void HistoryStore::replace(std::int64_t id, const DrillRun& r) {
  std::vector<Value> values = drill_values(r);
  values.emplace_back(id);
  Transaction transaction(*connection_);
  run(*connection_,
      "UPDATE drill_runs SET at = ?, kind = ?, level = ?, items = ?, speed = ?, errors = ?,"
      " hints = ?, seconds = ?, completed = ? WHERE id = ?",
      values);
  transaction.commit();
}

std::int64_t HistoryStore::add(const ArticleTest& t) {
  Transaction transaction(*connection_);
  const std::int64_t id =
      insert(*connection_,
             "INSERT INTO article_tests (at, article, seconds, typed, wrong,"
             " speed, rate, keystrokes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
             {t.at, t.article, t.seconds, t.typed, t.wrong, t.speed, t.rate, t.keystrokes});
  transaction.commit();
  return id;
}

std::int64_t HistoryStore::add(const WarmupGame& g) {
  Transaction transaction(*connection_);
  const std::int64_t id = insert(
      *connection_, "INSERT INTO warmup_games (at, mode, seconds, score) VALUES (?, ?, ?, ?)",
      {g.at, g.mode, g.seconds, g.score});
  transaction.commit();
  return id;
}

History HistoryStore::load() const {
  History h;
  read_rows(*connection_,
            "SELECT id, at, kind, level, items, speed, errors, hints, seconds, completed"
            " FROM drill_runs ORDER BY at, id",
            h.drills, [](const Statement& q) {
              return DrillRun{q.integer(0), q.text(1),       q.number(2), q.text(3),
                              q.number(4),  q.number(5),     q.number(6), q.number(7),
                              q.number(8),  q.number(9) != 0};
            });
  read_rows(*connection_,
            "SELECT id, at, article, seconds, typed, wrong, speed, rate, keystrokes"
            " FROM article_tests ORDER BY at, id",
            h.articles, [](const Statement& q) {
              return ArticleTest{q.integer(0), q.text(1),   q.text(2),   q.number(3), q.number(4),
                                 q.number(5),  q.number(6), q.number(7), q.number(8)};
            });
  read_rows(*connection_, "SELECT id, at, mode, seconds, score FROM warmup_games ORDER BY at, id",
            h.games, [](const Statement& q) {
              return WarmupGame{q.integer(0), q.text(1), q.text(2), q.number(3), q.number(4)};
            });
  return h;
}

}  // namespace tavrel::history
