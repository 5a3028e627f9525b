// Dictionary order: unsigned bytes, ASCII lower case folded to upper case, shorter first.
#include "dict_order.h"

#include <algorithm>

namespace tavrel {
namespace {
unsigned fold(char c) {
  auto b = static_cast<unsigned char>(c);
  return (b >= 0x61 && b <= 0x7A) ? b - 0x20 : b;
}
}  // namespace

int dict_compare(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned x = fold(a[i]), y = fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace tavrel
