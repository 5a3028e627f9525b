// A read-only file read at byte offsets, opened for one lookup and closed after it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

class ByteFile {
 public:
  ByteFile() = default;
  ~ByteFile();
  ByteFile(const ByteFile&) = delete;
  ByteFile& operator=(const ByteFile&) = delete;

  // Opens a program path such as "hzlib\zh1"; throws std::runtime_error when it cannot.
  void open(std::string_view path);
  void close();
  bool is_open() const { return fd_ >= 0; }

  std::int64_t size() const { return size_; }

  // Exactly `count` bytes from `offset`. Reading past the end is an error, never a short read.
  std::string read(std::int64_t offset, std::size_t count) const;

 private:
  int fd_ = -1;
  std::int64_t size_ = 0;
  std::string path_;
};

// Closes a ByteFile when the operation that opened it ends, also by an exception.
class ClosingGuard {
 public:
  explicit ClosingGuard(ByteFile& file) : file_(file) {}
  ~ClosingGuard() { file_.close(); }
  ClosingGuard(const ClosingGuard&) = delete;
  ClosingGuard& operator=(const ClosingGuard&) = delete;

 private:
  ByteFile& file_;
};

// The whole content of a program path, for readers that take a file in one piece.
std::string read_whole_file(std::string_view path);

}  // namespace tavrel
