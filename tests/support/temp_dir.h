// A fresh temporary folder per test, removed afterwards, with helpers to write files in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tavrel::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to `relative` (parent folders created) and returns the full path.
  std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const;
  std::string read(const std::filesystem::path& relative) const;

 private:
  std::filesystem::path path_;
};

// Makes a folder the current directory for its lifetime, then restores the previous one.
class CurrentDir {
 public:
  explicit CurrentDir(const std::filesystem::path& dir);
  ~CurrentDir();
  CurrentDir(const CurrentDir&) = delete;
  CurrentDir& operator=(const CurrentDir&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace tavrel::testing
