// The Tavrel code of every GB2312 character, from the four-corner values, the strokes and the
// reviewed overrides.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/gen_data/overrides.h"
#include "tools/gen_data/strokes.h"

namespace tavrel::gen {

struct CharacterCodeFigures {
  int characters = 0;
  int overrides_used = 0;
  int four_corner_by_hand = 0;  // no value, or two, in the source
  int stroke_names_by_hand = 0;
  int codes_by_hand = 0;
  int near_ties = 0;                             // corners decided by the near-tie rule
  std::vector<std::string> near_tie_characters;  // each with the code the rule gave
  int near_ties_by_hand = 0;                     // characters whose near tie an override decides
  int near_ties_changed_by_hand = 0;  // of those, where the override differs from the rule
  int attached_read = 0;              // 附角 read from the stroke names (the value has none)
  int attached_checked = 0;  // 附角 given by the value and read again, leaving the character out
  int attached_agreeing = 0;
  std::map<std::string, int> attached_disagreements;  // "given→read" four-corner digit pairs
  // Of the disagreeing characters, those in pairs built alike that the source gives different
  // 附角 (each reads the other's), and the pairs ("拔53047/跋63144").
  int attached_pairs_built_alike = 0;
  std::vector<std::string> attached_pair_examples;
};

struct CharacterCodes {
  std::map<std::string, std::string> by_utf8;  // every GB2312 character -> five digits
  CharacterCodeFigures figures;
};

// Codes every GB2312 character that a source or an override names. Throws std::runtime_error for
// a character they leave undecided (no value, two values, no strokes or no stroke names), and for
// an override that no character uses or that repeats what the sources give.
CharacterCodes code_characters(const std::map<std::string, std::vector<std::string>>& four_corner,
                               const std::map<std::string, Glyph>& glyphs,
                               const std::map<std::string, CodeOverride>& overrides);

}  // namespace tavrel::gen
