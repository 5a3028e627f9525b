// SQLite loaded when the first history file is opened, so that start-up maps no database library.
#pragma once

#include <sqlite3.h>

#include <mutex>
#include <optional>
#include <string>

namespace tavrel::history {

// The system's SQLite library, found by the loader's search path.
inline constexpr const char* kSqliteLibrary = "libsqlite3.so.0";

// The SQLite functions the history store calls, resolved from the loaded library.
struct SqliteApi {
  decltype(&::sqlite3_open_v2) open_v2;
  decltype(&::sqlite3_close_v2) close_v2;
  decltype(&::sqlite3_busy_timeout) busy_timeout;
  decltype(&::sqlite3_errmsg) errmsg;
  decltype(&::sqlite3_prepare_v2) prepare_v2;
  decltype(&::sqlite3_bind_int64) bind_int64;
  decltype(&::sqlite3_bind_text) bind_text;
  decltype(&::sqlite3_step) step;
  decltype(&::sqlite3_column_int64) column_int64;
  decltype(&::sqlite3_column_text) column_text;
  decltype(&::sqlite3_column_bytes) column_bytes;
  decltype(&::sqlite3_finalize) finalize;
  decltype(&::sqlite3_last_insert_rowid) last_insert_rowid;
};

// One SQLite library, loaded by the first call of api() that succeeds and kept for the rest of
// the run. A library or function that cannot be found is a HistoryError in Chinese with the
// loader's reason, and the next call tries again.
class SqliteLibrary {
 public:
  explicit SqliteLibrary(std::string name) : name_(std::move(name)) {}
  SqliteLibrary(const SqliteLibrary&) = delete;
  SqliteLibrary& operator=(const SqliteLibrary&) = delete;

  const SqliteApi& api();
  // How often the library has been loaded: at most once.
  int loads() const;

 private:
  const std::string name_;
  mutable std::mutex mutex_;
  std::optional<SqliteApi> api_;
  int loads_ = 0;
};

// The system's library, shared by every history store of the run.
SqliteLibrary& system_sqlite();

}  // namespace tavrel::history
