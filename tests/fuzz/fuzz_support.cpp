// The fuzzing folder: one per process under the temporary folder.
#include "fuzz_support.h"

#include <unistd.h>

#include <fstream>
#include <string>

namespace tavrel::fuzz {

const std::filesystem::path& work_dir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("tavrel_fuzz_" + std::to_string(getpid()));
    std::filesystem::create_directories(d);
    std::filesystem::current_path(d);
    return d;
  }();
  return dir;
}

std::filesystem::path put(const std::filesystem::path& relative, std::string_view bytes) {
  const auto file = work_dir() / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

}  // namespace tavrel::fuzz
