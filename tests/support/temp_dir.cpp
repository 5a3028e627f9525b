// Temporary folders and current-directory switching for tests.
#include "temp_dir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace tavrel::testing {

TempDir::TempDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("tavrel-test-" + std::to_string(rd()));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path TempDir::write(const fs::path& relative, std::string_view bytes) const {
  fs::path full = path_ / relative;
  fs::create_directories(full.parent_path());
  std::ofstream out(full, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + full.string());
  return full;
}

std::string TempDir::read(const fs::path& relative) const {
  std::ifstream in(path_ / relative, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + (path_ / relative).string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

CurrentDir::CurrentDir(const fs::path& dir) : previous_(fs::current_path()) {
  fs::current_path(dir);
}

CurrentDir::~CurrentDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace tavrel::testing
