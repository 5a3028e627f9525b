// The 附角 of a character whose four-corner value lacks one, read from its strokes by analogy:
// characters that end in the same strokes end in the same part, and share its 附角 where that
// part stands alike (whether it reaches the upper right, which of its shapes make the corners).
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

namespace tavrel::gen {

// What the reading knows of one character.
struct AttachedCornerCase {
  std::string letters;                  // stroke letters, in writing order
  std::array<int, 4> corner_strokes{};  // stroke nearest each corner: upper left, upper right,
                                        // lower left, lower right
  std::string corners;                  // the four corners' four-corner digits
};

class AttachedCornerByEnding {
 public:
  // Learns from one character with a known four-corner 附角, named (UTF-8) for `only_witness`.
  void learn(const AttachedCornerCase& known, char attached, const std::string& name = {});
  // The 附角 most learnt characters give whose ending is the same as the character's and stands
  // alike: the longest shared endings weigh most (the smaller digit on a tie, 0 when nothing is
  // shared). With `known` set, that character's own entry is left out, so the reading can be
  // checked on the learnt characters.
  char read(const AttachedCornerCase& character, char known = 0) const;
  // The one other learnt character, if there is exactly one, that shares the character's longest
  // shared ending standing alike, where that ending has three strokes or more and is not the
  // whole character: the two are built alike, and the source should give them one 附角.
  std::string only_witness(const AttachedCornerCase& character, const std::string& name) const;

 private:
  std::map<std::string, std::array<int, 10>> by_ending_;
  std::map<std::string, std::vector<std::string>> names_;  // by the closest key only
};

}  // namespace tavrel::gen
