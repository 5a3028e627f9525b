// Fuzz target: the warm-up ranking file "files\record.txt": listing and appending a line.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "fuzz_support.h"
#include "warmup/ranking.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto file = tavrel::fuzz::put("files/record.txt", bytes);
  using namespace tavrel::warmup;
  try {
    const auto before = read_ranking(file);
    append_ranking_line(file, ranking_line("2026-1-5", bytes.substr(0, 16), "60", "12"));
    const auto after = read_ranking(file);
    if (!before || !after || after->size() < before->size() + 1) __builtin_trap();
  } catch (const std::runtime_error&) {
  }
  return 0;
}
