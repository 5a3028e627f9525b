// Byte-offset reads through POSIX pread, a block at a time while the file is open.
#include "byte_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "common/data_path.h"
#include "common/safe_file.h"

namespace tavrel {

ByteFile::~ByteFile() { close(); }

void ByteFile::open(std::string_view path) {
  close();
  path_ = std::string(path);
  fd_ = open_read_only(path);
  if (fd_ < 0) {
    const int error = errno;
    throw FileError("无法打开文件" + quoted_name(path_) + "：" + chinese_reason(error), error);
  }
  struct stat info {};
  if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    const bool folder = S_ISDIR(info.st_mode);
    close();
    throw FileError(quoted_name(path) +
                    (folder ? "是一个文件夹，不是文件。" : "不是普通文件，程序不读取它。"));
  }
  size_ = info.st_size;
}

void ByteFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  block_.clear();
  block_start_ = 0;
  system_reads_ = 0;
}

std::string ByteFile::read(std::int64_t offset, std::size_t count) const {
  if (fd_ < 0) throw std::logic_error("read from a closed file");
  if (offset < 0 || offset + static_cast<std::int64_t>(count) > size_) {
    throw FileError("文件" + quoted_name(path_) + "不完整：要读的数据超出了文件末尾。");
  }
  std::string bytes(count, '\0');
  if (count > kBlockSize) {
    read_from_disk(bytes.data(), offset, count);
    return bytes;
  }
  const auto in_block = [&] {
    return offset >= block_start_ && offset + static_cast<std::int64_t>(count) <=
                                         block_start_ + static_cast<std::int64_t>(block_.size());
  };
  if (!in_block()) {
    const auto block = static_cast<std::int64_t>(kBlockSize);
    const std::int64_t aligned = offset - offset % block;
    // Bytes that run over the aligned block's end start a block of their own.
    load_block(offset + static_cast<std::int64_t>(count) <= aligned + block ? aligned : offset);
  }
  std::memcpy(bytes.data(), block_.data() + (offset - block_start_), count);
  return bytes;
}

void ByteFile::load_block(std::int64_t block_start) const {
  const auto length = static_cast<std::size_t>(
      std::min<std::int64_t>(static_cast<std::int64_t>(kBlockSize), size_ - block_start));
  block_.assign(length, '\0');
  block_start_ = block_start;
  try {
    read_from_disk(block_.data(), block_start, length);
  } catch (...) {
    block_.clear();
    throw;
  }
}

void ByteFile::read_from_disk(char* into, std::int64_t offset, std::size_t count) const {
  ++system_reads_;
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = ::pread(fd_, into + done, count - done, offset + done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0)
      throw FileError("读取文件" + quoted_name(path_) + "出错：" + chinese_reason(errno), errno);
    if (got == 0) throw FileError("文件" + quoted_name(path_) + "在读取时变短了。");
    done += static_cast<std::size_t>(got);
  }
}

std::string read_whole_file(std::string_view path) {
  ByteFile file;
  file.open(path);
  return file.read(0, static_cast<std::size_t>(file.size()));
}

}  // namespace tavrel
