// Byte-offset reads through POSIX pread, a block at a time while the file is open.
#include "byte_file.h"

#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unordered_map>

#include "common/data_path.h"
#include "common/safe_file.h"

namespace tavrel {

namespace {

// What identifies one state of a file on disk: a replaced file has another inode, a rewritten
// one another size or change time.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{}, changed{};

  explicit FileIdentity(const struct stat& info)
      : device(info.st_dev),
        inode(info.st_ino),
        size(info.st_size),
        modified(info.st_mtim),
        changed(info.st_ctim) {}
  bool operator==(const FileIdentity& o) const {
    return device == o.device && inode == o.inode && size == o.size &&
           modified.tv_sec == o.modified.tv_sec && modified.tv_nsec == o.modified.tv_nsec &&
           changed.tv_sec == o.changed.tv_sec && changed.tv_nsec == o.changed.tv_nsec;
  }
};

struct KeptCopy {
  FileIdentity identity;
  std::shared_ptr<const std::string> bytes;
  // File times are kept at the kernel's clock tick: a file changed less than a second before it
  // was read could change again within the same tick unseen, so such a copy is not used again.
  bool settled = false;
};

bool changed_long_before_now(const struct stat& info) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const long long since_ns =
      (now.tv_sec - info.st_ctim.tv_sec) * 1'000'000'000LL + (now.tv_nsec - info.st_ctim.tv_nsec);
  return since_ns > 1'000'000'000LL;
}

// Keyed by the path as the program spells it; the identity check makes a change of the current
// directory harmless.
std::unordered_map<std::string, KeptCopy>& kept_copies() {
  static std::unordered_map<std::string, KeptCopy> copies;
  return copies;
}

}  // namespace

ByteFile::~ByteFile() { close(); }

void ByteFile::open_kept(std::string_view path) {
  close();
  const std::string key(path);
  struct stat info {};
  if (::stat(spelled_path(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_size > kKeptLimit) {
    kept_copies().erase(key);
    open(path);  // reports what is wrong in the same words as any other opening
    return;
  }
  auto& copies = kept_copies();
  if (auto it = copies.find(key);
      it != copies.end() && it->second.settled && it->second.identity == FileIdentity(info)) {
    path_ = key;
    kept_ = it->second.bytes;
    size_ = static_cast<std::int64_t>(kept_->size());
    return;
  }
  open(path);
  struct stat opened {};
  if (::fstat(fd_, &opened) != 0 || opened.st_size > kKeptLimit) return;  // read as it stands
  auto bytes = std::make_shared<std::string>(static_cast<std::size_t>(size_), '\0');
  read_from_disk(bytes->data(), 0, bytes->size());
  ::close(fd_);
  fd_ = -1;
  kept_ = bytes;
  copies.insert_or_assign(key,
                          KeptCopy{FileIdentity(opened), kept_, changed_long_before_now(opened)});
}

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
  kept_.reset();
  size_ = 0;
  block_.clear();
  block_start_ = 0;
  system_reads_ = 0;
}

std::string ByteFile::read(std::int64_t offset, std::size_t count) const {
  if (!is_open()) throw std::logic_error("read from a closed file");
  if (offset < 0 || offset + static_cast<std::int64_t>(count) > size_) {
    throw FileError("文件" + quoted_name(path_) + "不完整：要读的数据超出了文件末尾。");
  }
  if (kept_) return kept_->substr(static_cast<std::size_t>(offset), count);
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
