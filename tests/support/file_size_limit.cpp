// The file-size limit of the process, with the signal it raises turned into a failed write.
#include "file_size_limit.h"

#include <signal.h>

#include <stdexcept>

namespace tavrel::testing {

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  if (getrlimit(RLIMIT_FSIZE, &saved_) != 0) throw std::runtime_error("getrlimit failed");
  saved_handler_ = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved_;
  small.rlim_cur = bytes;
  if (setrlimit(RLIMIT_FSIZE, &small) != 0) throw std::runtime_error("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  signal(SIGXFSZ, saved_handler_);
}

}  // namespace tavrel::testing
