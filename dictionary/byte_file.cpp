// Byte-offset reads through POSIX pread, so that each probe reads only the bytes it compares.
#include "byte_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "common/data_path.h"

namespace tavrel {

ByteFile::~ByteFile() { close(); }

void ByteFile::open(std::string_view path) {
  close();
  path_ = std::string(path);
  std::string resolved = resolve_path(path).string();
  fd_ = ::open(resolved.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    throw std::runtime_error("cannot open " + path_ + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    close();
    throw std::runtime_error("cannot read " + path_ + ": not a regular file");
  }
  size_ = info.st_size;
}

void ByteFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
}

std::string ByteFile::read(std::int64_t offset, std::size_t count) const {
  if (fd_ < 0) throw std::logic_error("read from a closed file");
  if (offset < 0 || offset + static_cast<std::int64_t>(count) > size_) {
    throw std::runtime_error("read beyond the end of " + path_);
  }
  std::string bytes(count, '\0');
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = ::pread(fd_, bytes.data() + done, count - done, offset + done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw std::runtime_error("read error in " + path_);
    done += static_cast<std::size_t>(got);
  }
  return bytes;
}

std::string read_whole_file(std::string_view path) {
  ByteFile file;
  file.open(path);
  return file.read(0, static_cast<std::size_t>(file.size()));
}

}  // namespace tavrel
