// Building the code table: coded GB2312 characters, words made of them, caps and short codes.
#include "tools/gen_data/code_table.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <stdexcept>

#include "common/dict_order.h"
#include "dictionary/dict_format.h"
#include "tools/gen_data/gb2312.h"

namespace tavrel::gen {
namespace {

constexpr char kDigits[] = "0123456789";
// A character the running-text counts miss is rarer than its in-word count suggests: the counts
// cover every common character, so the fallback only orders the rare ones among themselves.
constexpr double kFallbackShare = 0.1;
// Word list entries at the list's floor are guesses, not counts; names are not words to learn.
constexpr std::int64_t kLeastWordFrequency = 5;
constexpr std::int64_t kLeastPlaceFrequency = 50;

// Counts in running text where the source has them; for the others their occurrences inside
// the word list's words of two or more characters, scaled to running text by the characters that
// have both.
std::map<std::string, std::int64_t> character_frequencies(
    const std::map<std::string, std::int64_t>& running_text, const std::vector<SourceWord>& list) {
  std::map<std::string, std::int64_t> in_words;
  for (const auto& word : list) {
    // Single-character entries are left out: mis-decoded text piled its counts on them.
    auto parts = split_utf8(word.utf8);
    if (!is_clean_word(word) || parts.size() < 2) continue;
    for (const auto& part : parts) in_words[part] += word.frequency;
  }
  double both_running = 0, both_in_words = 0;
  for (const auto& [ch, count] : running_text) {
    auto found = in_words.find(ch);
    if (found != in_words.end()) both_running += count, both_in_words += found->second;
  }
  const double scale = both_in_words > 0 ? both_running / both_in_words : 1;
  std::map<std::string, std::int64_t> frequencies;
  for (const auto& [ch, count] : in_words) {
    frequencies[ch] = static_cast<std::int64_t>(std::floor(count * scale * kFallbackShare));
  }
  for (const auto& [ch, count] : running_text) frequencies[ch] = count;
  return frequencies;
}

void rank(std::vector<Candidate>& candidates) {
  std::sort(candidates.begin(), candidates.end(), ranks_before);
}

// Keeps, in rank order, the first `cap` candidates of every code; the rest cannot be offered.
std::vector<Candidate> keep_per_code(const std::vector<Candidate>& ranked, int cap) {
  std::map<std::string, int> taken;
  std::vector<Candidate> kept;
  for (const auto& candidate : ranked) {
    if (taken[candidate.code]++ < cap) kept.push_back(candidate);
  }
  return kept;
}

// The first ranked candidate the predicate accepts, given the short code `code`.
template <typename Accept>
std::optional<Candidate> best_for_short_code(const std::vector<Candidate>& ranked,
                                             const std::string& code, Accept accept) {
  for (const auto& candidate : ranked) {
    if (accept(candidate)) {
      Candidate chosen = candidate;
      chosen.code = code;
      return chosen;
    }
  }
  return std::nullopt;
}

bool starts_with(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::vector<Candidate> coded_characters(const std::map<std::string, std::string>& four_corner,
                                        const std::map<std::string, std::int64_t>& running_text,
                                        const std::vector<SourceWord>& word_list) {
  auto frequencies = character_frequencies(running_text, word_list);
  std::vector<Candidate> chars;
  for (const auto& gb : gb2312_characters()) {
    auto code = four_corner.find(gb.utf8);
    if (code == four_corner.end()) continue;
    auto frequency = frequencies.find(gb.utf8);
    std::int64_t count = frequency == frequencies.end() ? 0 : frequency->second;
    chars.push_back({gb.gbk, code->second, count, 1});
  }
  rank(chars);
  return keep_per_code(chars, dict::kMaxCandidates);
}

// Words of 2 to 13 characters that consist only of characters in the table.
std::vector<Candidate> coded_words(const std::vector<SourceWord>& word_list,
                                   const std::map<std::string, std::string>& gbk_by_utf8,
                                   const std::map<std::string, std::string>& code_by_gbk) {
  std::vector<Candidate> words;
  for (const auto& source : word_list) {
    if (!is_clean_word(source)) continue;
    auto parts = split_utf8(source.utf8);
    if (parts.size() < 2 || parts.size() > static_cast<std::size_t>(dict::kMaxWordChars)) continue;
    Candidate word{{}, {}, source.frequency, static_cast<int>(parts.size())};
    std::vector<std::string> char_codes;
    for (const auto& part : parts) {
      auto gbk = gbk_by_utf8.find(part);
      if (gbk == gbk_by_utf8.end()) break;
      word.text += gbk->second;
      char_codes.push_back(code_by_gbk.at(gbk->second));
    }
    if (char_codes.size() != parts.size()) continue;
    word.code = word_code(char_codes);
    words.push_back(std::move(word));
  }
  rank(words);
  return keep_per_code(words, dict::kMaxCandidates);
}

void add_short_codes(CodeTable& table) {
  std::set<std::string> one_key_texts;
  for (char d : std::string_view(kDigits)) {
    std::string code(1, d);
    auto chosen = best_for_short_code(
        table.characters, code, [&](const Candidate& c) { return starts_with(c.code, code); });
    if (!chosen) continue;
    one_key_texts.insert(chosen->text);
    table.one_key_characters.push_back(*chosen);
  }
  for (char a : std::string_view(kDigits)) {
    for (char b : std::string_view(kDigits)) {
      std::string code{a, b};
      auto chosen = best_for_short_code(table.characters, code, [&](const Candidate& c) {
        return starts_with(c.code, code) && !one_key_texts.contains(c.text);
      });
      if (chosen) table.two_key_characters.push_back(*chosen);
      // A two-character word's code is three digits of each character's code.
      auto word = best_for_short_code(table.words, code, [&](const Candidate& w) {
        return w.chars == 2 && w.code[0] == a && w.code[3] == b;
      });
      if (word) table.one_key_words.push_back(*word);
    }
  }
}

}  // namespace

bool is_clean_word(const SourceWord& word) {
  if (word.frequency < kLeastWordFrequency) return false;
  if (word.tag == "nr" || word.tag == "nrfg" || word.tag == "nrt") return false;
  if (word.tag == "ns" && word.frequency < kLeastPlaceFrequency) return false;
  // Number phrases of three or more characters (二十万两) are fragments, not words.
  if (word.tag == "m" && split_utf8(word.utf8).size() >= 3) return false;
  return true;
}

bool ranks_before(const Candidate& a, const Candidate& b) {
  if (a.frequency != b.frequency) return a.frequency > b.frequency;
  return dict_less(a.text, b.text);
}

std::string word_code(const std::vector<std::string>& c) {
  switch (c.size()) {
    case 2:
      return c[0].substr(0, 3) + c[1].substr(0, 3);
    case 3:
      return c[0].substr(0, 2) + c[1].substr(0, 2) + c[2].substr(0, 2);
    case 4:
      return c[0].substr(0, 2) + c[1].substr(0, 2) + c[2].substr(0, 1) + c[3].substr(0, 1);
    default:
      if (c.size() < 2 || c.size() > static_cast<std::size_t>(dict::kMaxWordChars)) {
        throw std::invalid_argument("no word code for " + std::to_string(c.size()) + " characters");
      }
      return c[0].substr(0, 1) + c[1].substr(0, 1) + c[2].substr(0, 1) + c[3].substr(0, 1) +
             c.back().substr(0, 2);
  }
}

CodeTable build_code_table(const std::map<std::string, std::string>& codes,
                           const std::map<std::string, std::int64_t>& running_text,
                           const std::vector<SourceWord>& word_list) {
  CodeTable table;
  table.characters = coded_characters(codes, running_text, word_list);
  std::map<std::string, std::string> code_by_gbk;
  for (const auto& c : table.characters) code_by_gbk[c.text] = c.code;
  // Only characters in the table can be typed, so only words made of them are taken.
  std::map<std::string, std::string> gbk_by_utf8;
  for (const auto& gb : gb2312_characters()) {
    if (code_by_gbk.contains(gb.gbk)) gbk_by_utf8[gb.utf8] = gb.gbk;
  }
  table.words = coded_words(word_list, gbk_by_utf8, code_by_gbk);
  add_short_codes(table);
  return table;
}

}  // namespace tavrel::gen
