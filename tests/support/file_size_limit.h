// Makes writes beyond a size fail for the life of the object, as a full disk would.
#pragma once

#include <sys/resource.h>

#include <cstdint>

namespace tavrel::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  void (*saved_handler_)(int) = nullptr;
};

}  // namespace tavrel::testing
