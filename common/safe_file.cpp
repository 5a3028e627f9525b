// Whole-file reads with type and size checks, write checks, and Chinese texts for errno values.
#include "common/safe_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tavrel {
namespace {

std::string size_text(std::uint64_t bytes) {
  if (bytes >= (1u << 20)) return std::to_string(bytes >> 20) + " MB";
  if (bytes >= (1u << 10)) return std::to_string(bytes >> 10) + " KB";
  return std::to_string(bytes) + " 字节";
}

// The checks shared by readers and writers on a file's status.
void check_kind_and_size(const std::filesystem::path& file, const struct stat& info,
                         std::uint64_t limit) {
  if (S_ISDIR(info.st_mode))
    throw FileError(quoted_name(file) + "是一个文件夹，不是文件。", EISDIR);
  if (!S_ISREG(info.st_mode)) {
    throw FileError(quoted_name(file) + "不是普通文件（可能是管道或设备），程序不读取它。", EINVAL);
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > limit) {
    throw FileError(quoted_name(file) + "太大（" + size_text(size) + "），超过了这类文件的上限 " +
                        size_text(limit) + "，不像是本程序的文件。",
                    EFBIG);
  }
}

}  // namespace

std::string chinese_reason(int error) {
  switch (error) {
    case ENOENT:
      return "文件或文件夹不存在";
    case EACCES:
    case EPERM:
      return "没有访问权限";
    case EROFS:
      return "所在的磁盘是只读的";
    case ENOSPC:
    case EDQUOT:
      return "磁盘已满";
    case EFBIG:
      return "文件超过了系统允许的大小";
    case EISDIR:
      return "这是一个文件夹";
    case ENOTDIR:
      return "路径中的某一部分不是文件夹";
    case ELOOP:
      return "符号链接太多或指向自身";
    case ENAMETOOLONG:
      return "文件名太长";
    case EMFILE:
    case ENFILE:
      return "打开的文件太多";
    case ENOMEM:
      return "内存不足";
    case EIO:
      return "磁盘读写出错";
    case EBUSY:
      return "文件正被占用";
    case EEXIST:
      return "文件已存在";
    case ENXIO:
    case ENODEV:
      return "设备不存在";
    default:
      return "系统错误（代码 " + std::to_string(error) + "）";
  }
}

std::string quoted_name(const std::filesystem::path& file) { return "“" + file.string() + "”"; }

std::string read_regular_file(const std::filesystem::path& file, std::uint64_t limit) {
  // Without O_NONBLOCK opening a pipe waits for a writer that never comes.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    throw FileError("无法打开文件" + quoted_name(file) + "：" + chinese_reason(error), error);
  }
  struct stat info {};
  std::string bytes;
  try {
    if (::fstat(fd, &info) != 0) throw FileError("无法读取文件" + quoted_name(file), errno);
    check_kind_and_size(file, info, limit);
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        const int error = errno;
        throw FileError("读取文件" + quoted_name(file) + "出错：" + chinese_reason(error), error);
      }
      if (got == 0) break;  // the file shrank while it was read
      done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::close(fd);
  return bytes;
}

void check_regular_file(const std::filesystem::path& file, std::uint64_t limit) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return;  // the reader reports a missing file itself
  check_kind_and_size(file, info, limit);
}

void check_rewritable(const std::filesystem::path& file) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) return;
  if (S_ISLNK(info.st_mode)) {
    throw FileError(quoted_name(file) + "是一个符号链接。为了不改动它所指向的文件，程序不写入它。",
                    ELOOP);
  }
  if (S_ISDIR(info.st_mode))
    throw FileError(quoted_name(file) + "是一个文件夹，不是文件。", EISDIR);
  if (!S_ISREG(info.st_mode))
    throw FileError(quoted_name(file) + "不是普通文件，程序不写入它。", EINVAL);
  // The superuser may write anything; a file without write permission stays read-only anyway.
  if ((info.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) {
    throw FileError(quoted_name(file) + "是只读文件，无法写入。", EACCES);
  }
}

void report_oversize_writes() { ::signal(SIGXFSZ, SIG_IGN); }

}  // namespace tavrel
