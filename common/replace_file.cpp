// Whole-file rewrites through a copy renamed over the file.
#include "common/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace tavrel {
namespace {

// Writes all of `bytes` to `fd` and forces them to the disk; false with errno set on failure.
bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return ::fsync(fd) == 0;
}

}  // namespace

void replace_file(const std::filesystem::path& file, std::string_view bytes) {
  mode_t mode = 0644;
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0) mode = old.st_mode & 07777;

  std::string copy = file.string() + ".XXXXXX";
  const int fd = ::mkstemp(copy.data());
  if (fd < 0) throw std::system_error(errno, std::generic_category(), file.string());
  bool ok = ::fchmod(fd, mode) == 0 && write_all(fd, bytes);
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(copy.c_str(), file.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(copy.c_str());
    throw std::system_error(error, std::generic_category(), file.string());
  }
}

}  // namespace tavrel
