// A read-only file read at byte offsets, opened for one lookup and closed after it.
// Reads go through one block of the file held while it is open (as a buffered stream does), so
// the close probes at the end of a bisection cost no system call; closing drops the block.
// A file the program never writes (the dictionary) may instead be opened as a kept copy.
#pragma once

#include <cstdint>
#include <memory>
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
  // Opens like open(), but reads from a copy of the whole file kept between openings. Every
  // opening checks the file on disk (one stat): a copy is used again only while the path names
  // the same file (device and inode), with the same size and change times, and only if the file
  // had not changed in the second before it was read; otherwise the file is read anew. Files
  // above kKeptLimit, and paths not found as spelled, are opened as by open().
  void open_kept(std::string_view path);
  void close();
  bool is_open() const { return fd_ >= 0 || kept_; }

  // The kept copy this opening reads from, or null (opened by open(), or not kept).
  const std::shared_ptr<const std::string>& kept() const { return kept_; }

  std::int64_t size() const { return size_; }

  // Exactly `count` bytes from `offset`. Reading past the end is an error, never a short read.
  std::string read(std::int64_t offset, std::size_t count) const;

  // System reads made since the file was opened (for measuring).
  long system_reads() const { return system_reads_; }

  static constexpr std::size_t kBlockSize = 4096;
  static constexpr std::int64_t kKeptLimit = 32 << 20;

 private:
  void read_from_disk(char* into, std::int64_t offset, std::size_t count) const;
  void load_block(std::int64_t block_start) const;

  void open_checked(std::string_view path);

  int fd_ = -1;
  std::shared_ptr<const std::string> kept_;
  std::int64_t size_ = 0;
  std::string path_;
  mutable std::string block_;           // bytes of the file from block_start_, or empty
  mutable std::int64_t block_start_ = 0;
  mutable long system_reads_ = 0;
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
