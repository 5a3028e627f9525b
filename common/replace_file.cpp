// Whole-file rewrites through a locked temporary copy renamed over the file.
#include "common/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/safe_file.h"

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

bool same_file(int fd, const std::filesystem::path& path) {
  struct stat open_one {
  }, named_one{};
  return ::fstat(fd, &open_one) == 0 && ::lstat(path.c_str(), &named_one) == 0 &&
         open_one.st_dev == named_one.st_dev && open_one.st_ino == named_one.st_ino;
}

// Opens the temporary copy for this write alone, empty; -1 with errno set on failure. Another
// writer may hold it: wait for its lock, and start again if it renamed the copy away meanwhile.
int open_copy(const std::filesystem::path& copy) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
      // A link in the copy's place is not ours to follow: take it away and create the copy.
      if (errno == ELOOP && ::unlink(copy.c_str()) == 0) continue;
      return -1;
    }
    if (::flock(fd, LOCK_EX) != 0) {
      const int error = errno;
      ::close(fd);
      errno = error;
      return -1;
    }
    if (same_file(fd, copy)) {
      if (::ftruncate(fd, 0) == 0) return fd;
      const int error = errno;
      ::close(fd);
      errno = error;
      return -1;
    }
    ::close(fd);  // the copy we waited for has become the file itself
  }
  errno = EBUSY;
  return -1;
}

// Makes the rename itself durable.
void sync_folder(const std::filesystem::path& file) {
  const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::filesystem::path temporary_copy_of(const std::filesystem::path& file) {
  return file.string() + ".tavrel-new";
}

void replace_file(const std::filesystem::path& file, std::string_view bytes) {
  check_rewritable(file);
  mode_t mode = 0644;
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0) mode = old.st_mode & 07777;

  const std::filesystem::path copy = temporary_copy_of(file);
  errno = 0;
  const int fd = open_copy(copy);
  if (fd < 0) {
    const int error = errno;
    throw FileError("无法写入" + quoted_name(file) + "：" + chinese_reason(error), error);
  }
  bool ok =
      ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::rename(copy.c_str(), file.c_str()) == 0;
  const int error = errno;
  if (!ok) ::unlink(copy.c_str());
  ::close(fd);  // after the rename, so that a waiting writer sees the copy gone
  if (!ok)
    throw FileError("写入" + quoted_name(file) + "失败，文件保持原样：" + chinese_reason(error),
                    error);
  sync_folder(file);
}

}  // namespace tavrel
