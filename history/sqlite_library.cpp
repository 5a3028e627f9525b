// Loading SQLite at the first history file opened and resolving the functions the store calls.
#include "history/sqlite_library.h"

#include <dlfcn.h>

#include "history/history_store.h"

namespace tavrel::history {
namespace {

// The Debian package a learner installs when the library is missing.
constexpr const char* kSqlitePackage = "libsqlite3-0";

class Loader {
 public:
  explicit Loader(const std::string& name) : name_(name) {
    handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
      throw HistoryError("学习记录无法使用：无法载入 SQLite 库 " + name_ + "（Debian 软件包 " +
                         kSqlitePackage + "）：" + dlerror());
    }
  }
  // A library that lacks a function is let go again; a complete one stays for the run.
  ~Loader() {
    if (handle_) dlclose(handle_);
  }
  Loader(const Loader&) = delete;
  Loader& operator=(const Loader&) = delete;

  template <typename Function>
  void resolve(const char* function_name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle_, function_name));
    if (!function) {
      throw HistoryError("学习记录无法使用：SQLite 库 " + name_ + " 缺少函数 " + function_name +
                         "（Debian 软件包 " + kSqlitePackage + "）");
    }
  }
  void keep() { handle_ = nullptr; }

 private:
  const std::string& name_;
  void* handle_;
};

SqliteApi load(const std::string& name) {
  Loader library(name);
  SqliteApi api{};
  library.resolve("sqlite3_open_v2", api.open_v2);
  library.resolve("sqlite3_close_v2", api.close_v2);
  library.resolve("sqlite3_busy_timeout", api.busy_timeout);
  library.resolve("sqlite3_errmsg", api.errmsg);
  library.resolve("sqlite3_prepare_v2", api.prepare_v2);
  library.resolve("sqlite3_bind_int64", api.bind_int64);
  library.resolve("sqlite3_bind_text", api.bind_text);
  library.resolve("sqlite3_step", api.step);
  library.resolve("sqlite3_column_int64", api.column_int64);
  library.resolve("sqlite3_column_text", api.column_text);
  library.resolve("sqlite3_column_bytes", api.column_bytes);
  library.resolve("sqlite3_finalize", api.finalize);
  library.resolve("sqlite3_last_insert_rowid", api.last_insert_rowid);
  library.keep();
  return api;
}

}  // namespace

const SqliteApi& SqliteLibrary::api() {
  std::lock_guard lock(mutex_);
  if (!api_) {
    api_ = load(name_);
    ++loads_;
  }
  return *api_;
}

int SqliteLibrary::loads() const {
  std::lock_guard lock(mutex_);
  return loads_;
}

SqliteLibrary& system_sqlite() {
  static SqliteLibrary library(kSqliteLibrary);
  return library;
}

}  // namespace tavrel::history
