// Fuzz target: the top-ten file "files\record.dat": reading, filing an entry, clearing.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "article/top_ten.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto file = tavrel::fuzz::put("files/record.dat", bytes);
  using namespace tavrel::article;
  try {
    const auto records = read_top_ten(file);
    const int speed = static_cast<int>(size) - 100;
    if (enters_top_ten(records, speed)) file_entry(file, {bytes.substr(0, 30), speed});
    if (read_top_ten(file).size() > static_cast<std::size_t>(kTopTenSize)) __builtin_trap();
    clear_top_ten(file);
  } catch (const std::runtime_error&) {
  }
  return 0;
}
