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

// True when the sources alone give one value and named strokes for the character.
bool readable(const std::map<std::string, std::vector<std::string>>& four_corner,
              const std::map<std::string, Glyph>& glyphs, const std::string& ch) {
  auto values = four_corner.find(ch);
  auto glyph = glyphs.find(ch);
  if (values == four_corner.end() || values->second.size() != 1 || glyph == glyphs.end())
    return false;
  for (const auto& stroke : glyph->second) {
    if (stroke.letter == '?') return false;
  }
  return true;
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

}  // namespace

std::string letters_of(const Glyph& glyph) {
  std::string letters;
  for (const auto& stroke : glyph) letters += stroke.letter;
  return letters;
}

CharacterCodes code_characters(const std::map<std::string, std::vector<std::string>>& four_corner,
                               const std::map<std::string, Glyph>& glyphs,
                               const std::map<std::string, CodeOverride>& overrides) {
  CharacterCodes result;
  CharacterCodeFigures& figures = result.figures;
  struct Pending {
    std::string ch, value;
    Glyph glyph;
  };
  std::vector<Pending> pending;
  std::vector<std::string> decided;  // characters whose code the table gives
  std::set<std::string> used;
  for (const auto& gb : gb2312_characters()) {
    const std::string& ch = gb.utf8;
    const CodeOverride* hand = find_override(overrides, ch);
    // A character that no source and no override names is left out; the shipped table's test
    // sees to it that every GB2312 character is coded.
    if (!hand && !glyphs.contains(ch) && !four_corner.contains(ch)) continue;
    if (hand) used.insert(ch), ++figures.overrides_used;
    ++figures.characters;
    if (hand && !hand->code.empty()) {
      // A decided code needs neither value nor strokes.
      result.by_utf8[ch] = hand->code;
      ++figures.codes_by_hand;
      figures.four_corner_by_hand += !hand->four_corner.empty();
      decided.push_back(ch);
      continue;
    }
    check_changes_something(four_corner, glyphs, ch, *hand_or_empty(hand));
    pending.push_back(
        {ch, chosen_four_corner(four_corner, ch, hand), named_glyph(glyphs, ch, hand)});
    figures.four_corner_by_hand += hand && !hand->four_corner.empty();
    figures.stroke_names_by_hand += hand && !hand->stroke_letters.empty();
  }
  for (const auto& [ch, entry] : overrides) {
    if (!used.contains(ch))
      throw std::runtime_error("override for " + ch + " is not a GB2312 character");
  }

  AttachedCornerByEnding attached;
  for (const auto& p : pending) {
    if (p.value.size() == kAttached + 1) attached.learn(letters_of(p.glyph), p.value[kAttached]);
  }
  for (auto& p : pending) {
    const std::string letters = letters_of(p.glyph);
    if (p.value.size() == kAttached) {
      p.value += attached.read(letters);
      ++figures.attached_read;
    } else {
      const char read = attached.read(letters, p.value[kAttached]);
      ++figures.attached_checked;
      if (read == p.value[kAttached]) {
        ++figures.attached_agreeing;
      } else {
        ++figures.attached_disagreements[std::string(1, p.value[kAttached]) + "→" + read];
      }
    }
    const TavrelReading reading = tavrel_from_four_corner(p.value, p.glyph);
    if (reading.cap_missing) {
      throw std::runtime_error(p.ch +
                               ": upper left 0 without a 亠 in the strokes; decide it by hand");
    }
    figures.near_ties += reading.near_ties;
    result.by_utf8[p.ch] = reading.code;
  }
  // A decided code must differ from what the reading would give on its own.
  for (const auto& ch : decided) {
    if (!readable(four_corner, glyphs, ch)) continue;
    const std::string& value = four_corner.at(ch).front();
    std::string full = value;
    if (full.size() == kAttached) full += attached.read(letters_of(glyphs.at(ch)));
    if (tavrel_from_four_corner(full, glyphs.at(ch)).code == result.by_utf8[ch]) {
      throw std::runtime_error("override for " + ch + " changes nothing");
    }
  }
  return result;
}

}  // namespace tavrel::gen
