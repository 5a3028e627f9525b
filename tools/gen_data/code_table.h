// The code rules of the input method: full codes, short codes, word codes and the caps.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/gen_data/sources.h"

namespace tavrel::gen {

// One character or word of the table, under the code it is offered by.
struct Candidate {
  std::string text;  // GBK
  std::string code;
  std::int64_t frequency = 0;
  int chars = 0;
};

struct CodeTable {
  // Under their full codes, most frequent first; no code holds more than 31 per scope.
  std::vector<Candidate> characters;
  std::vector<Candidate> words;
  // The same candidates again under their short codes, ordered by that code.
  std::vector<Candidate> one_key_characters;
  std::vector<Candidate> two_key_characters;
  std::vector<Candidate> one_key_words;
};

// Builds the table from the full codes by character, the characters' counts in running text and
// the word list (all UTF-8 keyed). A character without a running-text count is ranked by a tenth
// of its occurrences in the list's words of two or more characters, scaled to running text by
// the characters that have both; only clean words are taken.
CodeTable build_code_table(const std::map<std::string, std::string>& codes,
                           const std::map<std::string, std::int64_t>& running_text,
                           const std::vector<SourceWord>& word_list);

// A word list entry worth learning: not a floor-frequency guess, a person's name, a rare place
// name or a number phrase.
bool is_clean_word(const SourceWord& word);

// The code of a word of 2 to 13 characters from the full codes of its characters:
// 2: three digits of each; 3: two of each; 4: two, two, one, one;
// 5 and more: one digit of each of the first four, then two of the last.
std::string word_code(const std::vector<std::string>& char_codes);

// Candidate order: higher frequency first, then the text in dictionary order.
bool ranks_before(const Candidate& a, const Candidate& b);

}  // namespace tavrel::gen
