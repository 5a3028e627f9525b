// The learning history database: one SQLite file with a versioned schema, written in transactions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "history/history_entries.h"

namespace tavrel::history {

// The schema this program writes; older files are migrated to it when opened.
inline constexpr int kSchemaVersion = 2;

// Any failure of the database: its text is Chinese and names the file.
class HistoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The history file of the program whose folder (with its trailing separator) is `program_dir`.
std::filesystem::path history_path(std::string_view program_dir);

class HistoryConnection;  // the open file, private to the store

// One open connection to the history file. Opening creates the file (and its folder) when
// missing and migrates an older schema; every write is one transaction, so a failure leaves
// the file as it was. Waits up to `kBusyMilliseconds` for another program that is writing.
class HistoryStore {
 public:
  static constexpr int kBusyMilliseconds = 2000;

  explicit HistoryStore(const std::filesystem::path& file);
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  // Each returns the new row's id.
  std::int64_t add(const DrillRun& run);
  std::int64_t add(const ArticleTest& test);
  std::int64_t add(const WarmupGame& game);
  // Rewrites the drill run `id` (a run continued after its time ran out, then ended again).
  void replace(std::int64_t id, const DrillRun& run);

  History load() const;
  int schema_version() const;

 private:
  void migrate();

  std::filesystem::path file_;
  std::unique_ptr<HistoryConnection> connection_;
};

}  // namespace tavrel::history
