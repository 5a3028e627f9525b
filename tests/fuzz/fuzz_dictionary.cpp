// Fuzz target: the code dictionary's lookups over arbitrary bytes in every dictionary file.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "dictionary/erfenfa.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (int n = 1; n <= 5; ++n) {
    tavrel::fuzz::put("hzlib/zh" + std::to_string(n), bytes);
    tavrel::fuzz::put("hzlib/zh" + std::to_string(n) + ".hz", bytes);
  }
  tavrel::Ttwo two;
  const std::string code = bytes.substr(0, std::min<std::size_t>(size, 1 + size % 7));
  try {
    two.find_code(tavrel::Ttwo::kScopeCharacters, code);
    for (int i = 0; i < two.itemcount; ++i) (void)two.items[static_cast<std::size_t>(i)].size();
    two.find_code(tavrel::Ttwo::kScopeWords, code);
  } catch (const std::runtime_error&) {
    // a damaged file is the program's error, shown to the learner
  }
  try {
    two.find_word(1 + static_cast<int>(size % 13), bytes.substr(0, 26));
  } catch (const std::runtime_error&) {
  }
  try {
    two.code_of_zi(bytes.substr(0, 2));
  } catch (const std::runtime_error&) {
  }
  return 0;
}
