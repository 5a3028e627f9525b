// Fuzz target: the drill list files (hzlib\z1.txt ... c5.txt) filling every list board.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "drills/item_sources.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const char* name : {"z1", "z2", "z3", "z4", "c1", "c2", "c3", "c4", "c5"})
    tavrel::fuzz::put(std::string("hzlib/") + name + ".txt", bytes);
  unsigned state = static_cast<unsigned>(size);
  const tavrel::drills::RandomIndex random = [&](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(n));
  };
  for (int kind = 3; kind <= 11; ++kind) {
    tavrel::drills::HelpLists help;
    try {
      for (const auto& placed : tavrel::drills::fill_list_board(kind, help.of_kind(kind), random))
        help.store(kind, placed.item);
    } catch (const std::runtime_error&) {
    }
  }
  return 0;
}
