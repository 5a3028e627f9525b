// The 附角 of a character whose four-corner value lacks one, read from its stroke names by
// analogy: characters that end in the same strokes end in the same part, and share its 附角.
#pragma once

#include <array>
#include <map>
#include <string>

namespace tavrel::gen {

class AttachedCornerByEnding {
 public:
  // Learns from one character with a known 附角: its stroke letters and its four-corner 附角.
  void learn(const std::string& letters, char attached);
  // The 附角 shared by most of the learnt characters that end in the longest run of the same
  // strokes as `letters` (the smaller digit on a tie). With `known` set, that character's own
  // entry is left out, so the reading can be checked on the learnt characters.
  char read(const std::string& letters, char known = 0) const;

 private:
  std::map<std::string, std::array<int, 10>> by_ending_;
};

}  // namespace tavrel::gen
