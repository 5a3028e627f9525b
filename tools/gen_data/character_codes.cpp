// Coding the GB2312 characters one by one, with the figures of how each code was found.
#include "tools/gen_data/character_codes.h"

#include <set>
#include <stdexcept>

#include "tools/gen_data/attached_corner.h"
#include "tools/gen_data/corner_reading.h"
#include "tools/gen_data/gb2312.h"

namespace tavrel::gen {
namespace {

constexpr std::size_t kAttached = 4;

const CodeOverride* find_override(const std::map<std::string, CodeOverride>& overrides,
                                  const std::string& ch) {
  auto found = overrides.find(ch);
  return found == overrides.end() ? nullptr : &found->second;
}

std::string chosen_four_corner(const std::map<std::string, std::vector<std::string>>& four_corner,
                               const std::string& ch, const CodeOverride* hand) {
  if (hand && !hand->four_corner.empty()) return hand->four_corner;
  auto values = four_corner.find(ch);
  if (values == four_corner.end() || values->second.empty()) {
    throw std::runtime_error(ch + " has no four-corner value and no override");
  }
  if (values->second.size() > 1)
    throw std::runtime_error(ch + " has two four-corner values and no override");
  return values->second.front();
}

Glyph named_glyph(const std::map<std::string, Glyph>& glyphs, const std::string& ch,
                  const CodeOverride* hand) {
  auto found = glyphs.find(ch);
  if (found == glyphs.end()) throw std::runtime_error(ch + " has no stroke data");
  Glyph glyph = found->second;
  if (hand && !hand->stroke_letters.empty()) {
    if (hand->stroke_letters.size() != glyph.size()) {
      throw std::runtime_error(ch + ": the override names " +
                               std::to_string(hand->stroke_letters.size()) +
                               " strokes, the outlines have " + std::to_string(glyph.size()));
    }
    for (std::size_t i = 0; i < glyph.size(); ++i) glyph[i].letter = hand->stroke_letters[i];
  }
  for (const auto& stroke : glyph) {
    if (stroke.letter == '?') throw std::runtime_error(ch + " has no stroke names and no override");
  }
  return glyph;
}

const CodeOverride* hand_or_empty(const CodeOverride* hand) {
  static const CodeOverride kNone;
  return hand ? hand : &kNone;
}

// True when the sources, with the override's value and stroke names where it gives them, give one
// value and named strokes for the character.
bool readable(const std::map<std::string, std::vector<std::string>>& four_corner,
              const std::map<std::string, Glyph>& glyphs, const std::string& ch,
              const CodeOverride& hand) {
  auto values = four_corner.find(ch);
  auto glyph = glyphs.find(ch);
  if (glyph == glyphs.end()) return false;
  if (hand.four_corner.empty() && (values == four_corner.end() || values->second.size() != 1))
    return false;
  if (!hand.stroke_letters.empty()) return hand.stroke_letters.size() == glyph->second.size();
  for (const auto& stroke : glyph->second) {
    if (stroke.letter == '?') return false;
  }
  return true;
}

struct Disagreement {
  std::string value;  // the source's, 附角 last
  char read = 0;
  std::string witness;  // the only character built alike, if there is one
};

// Pairs of characters built alike, each the other's only witness, to which the source gives
// different 附角: each reads the other's, so no reading from the strokes can agree on both.
void count_pairs_built_alike(const std::map<std::string, Disagreement>& disagreements,
                             CharacterCodeFigures& figures) {
  for (const auto& [ch, d] : disagreements) {
    auto other = disagreements.find(d.witness);
    if (d.witness.empty() || other == disagreements.end() || other->second.witness != ch) continue;
    if (d.read != other->second.value[kAttached] || other->second.read != d.value[kAttached])
      continue;
    ++figures.attached_pairs_built_alike;
    if (ch < d.witness)
      figures.attached_pair_examples.push_back(ch + d.value + "/" + d.witness +
                                               other->second.value);
  }
}

// A decided code must differ from what the reading gives on its own, unless the reading came to
// a near tie: then the override is the reviewed decision of that tie.
void record_decision(const std::string& ch, const TavrelReading& reading,
                     const std::string& decided, CharacterCodeFigures& figures) {
  const bool same = reading.code == decided;
  if (reading.near_ties) {
    ++figures.near_ties_by_hand;
    figures.near_ties_changed_by_hand += !same;
  } else if (same) {
    throw std::runtime_error("override for " + ch + " changes nothing");
  }
}

// An override that repeats the sources decides nothing and hides what they say.
void check_changes_something(const std::map<std::string, std::vector<std::string>>& four_corner,
                             const std::map<std::string, Glyph>& glyphs, const std::string& ch,
                             const CodeOverride& hand) {
  auto values = four_corner.find(ch);
  if (!hand.four_corner.empty() && values != four_corner.end() && values->second.size() == 1 &&
      values->second.front() == hand.four_corner) {
    throw std::runtime_error("override for " + ch + " repeats the source's four-corner value");
  }
  auto glyph = glyphs.find(ch);
  if (!hand.stroke_letters.empty() && glyph != glyphs.end()) {
    std::string letters;
    for (const auto& stroke : glyph->second) letters += stroke.letter;
    if (letters == hand.stroke_letters) {
      throw std::runtime_error("override for " + ch + " repeats the stroke names");
    }
  }
}

// The rhyme changes a four-corner 附角 only where it is a 垂 (2), to 0 for a 撇 or left hook; a
// decided code that gives another 附角 must say why, naming the 附角 in its reason.
void check_attached_fits(const std::string& ch, char four_corner, const CodeOverride& hand) {
  const char decided = hand.code[kAttached];
  const bool fits = four_corner == '2' ? decided == '2' || decided == '0' : decided == four_corner;
  if (fits || hand.reason.find("附角") != std::string::npos) return;
  throw std::runtime_error("override for " + ch + " gives the 附角 " + decided +
                           " where the four-corner value has " + four_corner +
                           ", and its reason does not say why");
}

std::string letters_of(const Glyph& glyph) {
  std::string letters;
  for (const auto& stroke : glyph) letters += stroke.letter;
  return letters;
}

AttachedCornerCase attached_corner_case(const Glyph& glyph, const std::string& four_corner) {
  return {letters_of(glyph), strokes_at_corners(glyph), four_corner.substr(0, kAttached)};
}

}  // namespace

CharacterCodes code_characters(const std::map<std::string, std::vector<std::string>>& four_corner,
                               const std::map<std::string, Glyph>& glyphs,
                               const std::map<std::string, CodeOverride>& overrides) {
  CharacterCodes result;
  CharacterCodeFigures& figures = result.figures;
  struct Pending {
    std::string ch, value;
    Glyph glyph;
    const CodeOverride* hand = nullptr;  // the override, if it gives a code
  };
  std::vector<Pending> pending;
  std::set<std::string> used;
  for (const auto& gb : gb2312_characters()) {
    const std::string& ch = gb.utf8;
    const CodeOverride* hand = find_override(overrides, ch);
    // A character that no source and no override names is left out; the shipped table's test
    // sees to it that every GB2312 character is coded.
    if (!hand && !glyphs.contains(ch) && !four_corner.contains(ch)) continue;
    if (hand) used.insert(ch), ++figures.overrides_used;
    ++figures.characters;
    figures.four_corner_by_hand += hand && !hand->four_corner.empty();
    figures.stroke_names_by_hand += hand && !hand->stroke_letters.empty();
    if (hand && !hand->code.empty()) {
      ++figures.codes_by_hand;
      // A decided code needs neither value nor strokes; where both are there, the character
      // still teaches the 附角 reading and is checked against its decision.
      if (readable(four_corner, glyphs, ch, *hand)) {
        pending.push_back(
            {ch, chosen_four_corner(four_corner, ch, hand), named_glyph(glyphs, ch, hand), hand});
      } else {
        result.by_utf8[ch] = hand->code;
      }
      continue;
    }
    check_changes_something(four_corner, glyphs, ch, *hand_or_empty(hand));
    pending.push_back(
        {ch, chosen_four_corner(four_corner, ch, hand), named_glyph(glyphs, ch, hand), {}});
  }
  for (const auto& [ch, entry] : overrides) {
    if (!used.contains(ch))
      throw std::runtime_error("override for " + ch + " is not a GB2312 character");
  }

  AttachedCornerByEnding attached;
  for (const auto& p : pending) {
    if (p.value.size() == kAttached + 1) {
      attached.learn(attached_corner_case(p.glyph, p.value), p.value[kAttached], p.ch);
    }
  }
  std::map<std::string, Disagreement> disagreements;
  for (auto& p : pending) {
    const AttachedCornerCase known = attached_corner_case(p.glyph, p.value);
    if (p.value.size() == kAttached) {
      p.value += attached.read(known);
      ++figures.attached_read;
    } else {
      const char read = attached.read(known, p.value[kAttached]);
      ++figures.attached_checked;
      if (read == p.value[kAttached]) {
        ++figures.attached_agreeing;
      } else {
        ++figures.attached_disagreements[std::string(1, p.value[kAttached]) + "→" + read];
        disagreements[p.ch] = {p.value, read, attached.only_witness(known, p.ch)};
      }
    }
    const TavrelReading reading = tavrel_from_four_corner(p.value, p.glyph);
    if (p.hand) {
      check_attached_fits(p.ch, p.value[kAttached], *p.hand);
      record_decision(p.ch, reading, p.hand->code, figures);
      result.by_utf8[p.ch] = p.hand->code;
      continue;
    }
    if (reading.cap_missing) {
      throw std::runtime_error(p.ch +
                               ": upper left 0 without a 亠 in the strokes; decide it by hand");
    }
    figures.near_ties += reading.near_ties;
    if (reading.near_ties) {
      figures.near_tie_characters.push_back(p.ch + reading.code + " " + reading.near_tie_notes);
    }
    result.by_utf8[p.ch] = reading.code;
  }
  count_pairs_built_alike(disagreements, figures);
  return result;
}

}  // namespace tavrel::gen
