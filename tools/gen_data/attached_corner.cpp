// Counting the 附角 of every ending of learnt stroke sequences, and reading the longest one.
#include "tools/gen_data/attached_corner.h"

namespace tavrel::gen {

void AttachedCornerByEnding::learn(const std::string& letters, char attached) {
  for (std::size_t length = 1; length <= letters.size(); ++length) {
    ++by_ending_[letters.substr(letters.size() - length)][attached - '0'];
  }
}

char AttachedCornerByEnding::read(const std::string& letters, char known) const {
  for (std::size_t length = letters.size(); length >= 1; --length) {
    auto found = by_ending_.find(letters.substr(letters.size() - length));
    if (found == by_ending_.end()) continue;
    std::array<int, 10> counts = found->second;
    if (known) --counts[known - '0'];
    int best = 0;
    for (int digit = 1; digit < 10; ++digit) {
      if (counts[digit] > counts[best]) best = digit;
    }
    if (counts[best] > 0) return static_cast<char>('0' + best);
  }
  return '0';
}

}  // namespace tavrel::gen
