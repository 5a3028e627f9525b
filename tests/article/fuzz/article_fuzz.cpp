// libFuzzer target: dictionary lookups over arbitrary dictionary bytes, and the conversion.
// Build: see tests/article/fuzz/CMakeLists.txt (clang, -fsanitize=fuzzer,address,undefined).
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "article/article_box.h"
#include "article/tvm_format.h"
#include "dictionary/erfenfa.h"

namespace {

std::filesystem::path work_dir() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("tavrel_fuzz_" + std::to_string(getpid()));
    std::filesystem::create_directories(d / "hzlib");
    std::filesystem::current_path(d);
    return d;
  }();
  return dir;
}

void write(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto dir = work_dir();
  for (int n = 1; n <= 5; ++n) {
    write(dir / "hzlib" / ("zh" + std::to_string(n)), bytes);
    write(dir / "hzlib" / ("zh" + std::to_string(n) + ".hz"), bytes);
  }
  const std::string key = bytes.substr(0, std::min<std::size_t>(bytes.size(), 6));
  tavrel::Ttwo two;
  try {
    two.find_code(1, key);
    two.find_code(0, key);
    for (int i = 0; i < two.itemcount; ++i) (void)two.items[i].size();
    two.find_word(1 + static_cast<int>(size % 13), bytes.substr(0, 26));
    two.code_of_zi(bytes.substr(0, 2));
  } catch (const std::runtime_error&) {
    // a short or empty file is the file layer's error, as for the program
  }
  try {
    const auto converted = tavrel::article::convert_text(bytes);
    tavrel::article::ArticleBox box;
    box.load(tavrel::article::split_box_lines(converted.bytes), 0);
    box.load(tavrel::article::split_box_lines(bytes), 0);
    box.colour(static_cast<int>(size % 200) - 50, 8, 1);
    (void)box.byte_at(static_cast<int>(size));
  } catch (const std::runtime_error&) {
  }
  return 0;
}
