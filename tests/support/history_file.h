// Points the learning history at a file of a test's own for the life of the object.
#pragma once

#include <filesystem>

#include "history/history_store.h"
#include "history/recorder.h"

namespace tavrel::testing {

class ScopedHistoryFile {
 public:
  explicit ScopedHistoryFile(std::filesystem::path file) : file_(std::move(file)) {
    history::set_history_file(file_);
  }
  ~ScopedHistoryFile() { history::set_history_file(std::nullopt); }
  ScopedHistoryFile(const ScopedHistoryFile&) = delete;
  ScopedHistoryFile& operator=(const ScopedHistoryFile&) = delete;

  const std::filesystem::path& file() const { return file_; }
  history::History load() const { return history::HistoryStore(file_).load(); }

 private:
  std::filesystem::path file_;
};

}  // namespace tavrel::testing
