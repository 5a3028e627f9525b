// Fuzz target: converting any text file (GBK, UTF-8, UTF-16) into a practice file.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "article/tvm_format.h"
#include "common/safe_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto source = tavrel::fuzz::put("source.txt", bytes);
  try {
    const auto converted = tavrel::article::convert_file(source);
    const std::string written =
        tavrel::read_regular_file(converted.path, tavrel::file_limits::kPracticeFile);
    // The layout: 62 bytes per full line, 63 for the last line and the closing line.
    if (written.size() != 62 * static_cast<std::size_t>(converted.characters / 30) + 63)
      __builtin_trap();
    if (written.compare(written.size() - 4, 4, "\r\r \r") != 0) __builtin_trap();
  } catch (const std::runtime_error&) {
  }
  return 0;
}
