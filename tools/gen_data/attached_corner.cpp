// Counting the 附角 of every ending of learnt characters, and reading it back by the endings.
#include "tools/gen_data/attached_corner.h"

#include <algorithm>
#include <vector>

namespace tavrel::gen {
namespace {

constexpr int kUpperRight = 1, kLowerRight = 3;
// How many of the longest matching endings are heard, and how much less each shorter one counts.
constexpr int kEndingsHeard = 3;
constexpr double kShorterWeight = 0.7;

// The corner's four-corner digit when its stroke lies in the last `length` strokes, else '-'.
// The same ending means another thing where its part makes the corner: in 明 the turn of 月 is
// the upper right and so used, in 萌 it is free and shows above the hook as the 附角.
char corner_in_ending(const AttachedCornerCase& c, std::size_t length, int corner) {
  const int first_of_ending = static_cast<int>(c.letters.size() - length);
  return c.corner_strokes[corner] >= first_of_ending ? c.corners[corner] : '-';
}

// The keys an ending of `length` strokes is counted under, the closest match first.
std::vector<std::string> keys(const AttachedCornerCase& c, std::size_t length) {
  const std::string ending = c.letters.substr(c.letters.size() - length);
  const char upper_right = corner_in_ending(c, length, kUpperRight);
  const char lower_right = corner_in_ending(c, length, kLowerRight);
  return {ending + '|' + upper_right + lower_right, ending + '|' + upper_right};
}

}  // namespace

void AttachedCornerByEnding::learn(const AttachedCornerCase& known, char attached,
                                   const std::string& name) {
  for (std::size_t length = 1; length <= known.letters.size(); ++length) {
    const auto all = keys(known, length);
    for (const auto& key : all) ++by_ending_[key][attached - '0'];
    if (!name.empty()) names_[all.front()].push_back(name);
  }
}

std::string AttachedCornerByEnding::only_witness(const AttachedCornerCase& character,
                                                 const std::string& name) const {
  constexpr std::size_t kShortestPart = 3;
  for (std::size_t length = character.letters.size(); length >= 1; --length) {
    const auto all = keys(character, length);
    auto named = names_.find(all.front());
    const bool learnt =
        named != names_.end() &&
        std::find(named->second.begin(), named->second.end(), name) != named->second.end();
    for (const auto& key : all) {
      auto found = by_ending_.find(key);
      if (found == by_ending_.end()) continue;
      int others = -static_cast<int>(learnt);
      for (int count : found->second) others += count;
      if (others <= 0) continue;
      // The first ending the reading hears: it must be the closest key, of a part, with one
      // other character.
      if (key != all.front() || length == character.letters.size() || length < kShortestPart ||
          !learnt || named->second.size() != 2) {
        return {};
      }
      return named->second.front() == name ? named->second.back() : named->second.front();
    }
  }
  return {};
}

char AttachedCornerByEnding::read(const AttachedCornerCase& character, char known) const {
  std::array<double, 10> score{};
  double weight = 1;
  int heard = 0;
  for (std::size_t length = character.letters.size(); length >= 1 && heard < kEndingsHeard;
       --length) {
    for (const auto& key : keys(character, length)) {
      auto found = by_ending_.find(key);
      if (found == by_ending_.end()) continue;
      std::array<int, 10> counts = found->second;
      if (known) --counts[known - '0'];
      int total = 0;
      for (int count : counts) total += count;
      if (total == 0) continue;
      for (int digit = 0; digit < 10; ++digit) score[digit] += weight * counts[digit] / total;
      weight *= kShorterWeight;
      if (++heard == kEndingsHeard) break;
    }
  }
  int best = 0;
  for (int digit = 1; digit < 10; ++digit) {
    if (score[digit] > score[best]) best = digit;
  }
  return static_cast<char>('0' + best);
}

}  // namespace tavrel::gen
