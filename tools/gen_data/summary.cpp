// Measuring the written files through the dictionary's record format.
#include "tools/gen_data/summary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "common/data_path.h"
#include "common/fixed_field.h"
#include "common/gbk.h"
#include "dictionary/byte_file.h"
#include "dictionary/dict_format.h"
#include "tools/gen_data/data_files.h"

namespace tavrel::gen {
namespace {

constexpr std::size_t kShortCodeDigits = 2;

std::vector<dict::DictRecord> read_records(const std::filesystem::path& data_dir,
                                           const std::string& path, int file_number) {
  return dict::decode_file(read_whole_file(resolve_path(path, data_dir).string()), file_number);
}

std::string fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

void describe_scope(std::ostringstream& out, const std::string& scope,
                    const std::map<std::string, int>& per_code) {
  int most = 0, full_codes = 0, full_candidates = 0, all_candidates = 0;
  for (const auto& [code, count] : per_code) {
    most = std::max(most, count);
    all_candidates += count;
    if (code.size() > kShortCodeDigits) ++full_codes, full_candidates += count;
  }
  out << scope << ": " << per_code.size() << " codes (" << per_code.size() - full_codes
      << " short), most " << most << " candidates per code, mean "
      << fixed(per_code.empty() ? 0 : double(all_candidates) / per_code.size())
      << ", mean over full codes " << fixed(full_codes ? double(full_candidates) / full_codes : 0)
      << "\n";
}

void count_codes(const std::vector<dict::DictRecord>& records,
                 std::map<std::string, int>& per_code) {
  for (const auto& r : records) ++per_code[r.code];
}

// The drill list's items: trimmed code and text.
std::vector<dict::DictRecord> read_list(const std::filesystem::path& data_dir,
                                        const DrillList& list) {
  const std::string bytes = read_whole_file(resolve_path(list.path, data_dir).string());
  const std::size_t record = kListCodeBytes + list.text_bytes + 2;
  std::vector<dict::DictRecord> items;
  for (std::size_t at = 0; at + record <= bytes.size(); at += record) {
    items.push_back({std::string(trim_blanks(std::string_view(bytes).substr(at, kListCodeBytes))),
                     std::string(trim_blanks(
                         std::string_view(bytes).substr(at + kListCodeBytes, list.text_bytes)))});
  }
  return items;
}

// How many candidates the article window's first page shows: numbered " 0.", " 1." … while the
// line stays under 52 bytes.
std::size_t first_page_size(const std::vector<std::string>& candidates) {
  constexpr std::size_t kPageBytes = 52;
  std::size_t line = 0, shown = 0;
  for (const auto& text : candidates) {
    if (line + text.size() >= kPageBytes) break;
    line += 1 + std::to_string(shown).size() + 1 + text.size();
    ++shown;
  }
  return shown;
}

void describe_drill_words(std::ostringstream& out, const std::filesystem::path& data_dir,
                          const std::map<std::string, std::vector<std::string>>& word_candidates) {
  for (const DrillList& list : {kFourCharWordList, kLongWordList}) {
    int first = 0, on_first_page = 0, total = 0;
    for (const auto& item : read_list(data_dir, list)) {
      ++total;
      const auto& candidates = word_candidates.at(item.code);
      const auto at =
          std::find(candidates.begin(), candidates.end(), item.text) - candidates.begin();
      first += at == 0;
      on_first_page += static_cast<std::size_t>(at) < first_page_size(candidates);
    }
    out << list.path << ": first candidate " << first << " of " << total << " ("
        << fixed(total ? 100.0 * first / total : 0) << "%), on the first page " << on_first_page
        << " (" << fixed(total ? 100.0 * on_first_page / total : 0) << "%)\n";
  }
}

}  // namespace

std::string describe_character_codes(const CharacterCodeFigures& f) {
  std::ostringstream out;
  out << "GB2312 characters coded: " << f.characters << "; overrides used: " << f.overrides_used
      << " (four-corner value by hand " << f.four_corner_by_hand << ", stroke names by hand "
      << f.stroke_names_by_hand << ", code by hand " << f.codes_by_hand << ")\n"
      << "corners decided by the near-tie rule and not reviewed: " << f.near_ties
      << "; characters whose near tie the override table decides: " << f.near_ties_by_hand
      << " (the rule's code changed in " << f.near_ties_changed_by_hand << ")\n";
  for (const auto& ch : f.near_tie_characters) out << "  " << ch << "\n";
  out << ""
      << "附角 read from the stroke names by the ending they share: " << f.attached_read
      << "; where the source gives one, the "
      << "reading (leaving the character out) agrees on " << f.attached_agreeing << " of "
      << f.attached_checked << " ("
      << fixed(f.attached_checked ? 100.0 * f.attached_agreeing / f.attached_checked : 0) << "%)\n";
  std::vector<std::pair<int, std::string>> kinds;
  for (const auto& [pair, count] : f.attached_disagreements) kinds.push_back({-count, pair});
  std::sort(kinds.begin(), kinds.end());
  out << "附角 disagreements (source→read):";
  for (std::size_t i = 0; i < kinds.size() && i < 8; ++i) {
    out << " " << kinds[i].second << " " << -kinds[i].first;
  }
  out << "\n";
  const int apart = f.attached_pairs_built_alike;
  const int checked = f.attached_checked - apart;
  out << "附角 disagreements in pairs that are each other's only witness (the same ending of "
         "three strokes or more, standing alike) and that the source gives different 附角: "
      << apart << " characters; leaving them out the reading agrees on " << f.attached_agreeing
      << " of " << checked << " (" << fixed(checked ? 100.0 * f.attached_agreeing / checked : 0)
      << "%)\n ";
  for (const auto& pair : f.attached_pair_examples) out << " " << pair;
  out << "\n";
  return out.str();
}

std::string describe_data(const std::filesystem::path& data_dir,
                          const std::map<std::string, std::int64_t>& running_text) {
  std::ostringstream out;
  std::map<std::string, int> char_codes, word_codes;
  std::map<std::string, std::vector<std::string>> word_candidates;  // in the lookup's order
  std::vector<dict::DictRecord> zh1;
  for (int n = 1; n <= dict::kFileCount; ++n) {
    auto by_code = read_records(data_dir, dict::code_file_path(n), n);
    auto by_text = read_records(data_dir, dict::text_file_path(n), n);
    out << dict::code_file_path(n) << ": " << by_code.size() << " records; "
        << dict::text_file_path(n) << ": " << by_text.size() << " records\n";
    count_codes(by_code, n == 1 ? char_codes : word_codes);
    if (n == 1) zh1 = by_code;
    for (const auto& r : by_code) {
      if (n > 1) word_candidates[r.code].push_back(r.text);
    }
  }
  for (const DrillList& list :
       {kLevelOneList, kLevelTwoList, kOneKeyCharList, kTwoKeyCharList, kOneKeyWordList,
        kTwoCharWordList, kThreeCharWordList, kFourCharWordList, kLongWordList}) {
    auto size = read_whole_file(resolve_path(list.path, data_dir).string()).size();
    out << list.path << ": " << size / (kListCodeBytes + list.text_bytes + 2) << " records\n";
  }
  describe_scope(out, "characters", char_codes);
  describe_scope(out, "words", word_codes);

  // A character with a short code of its own is typed without a choice as well.
  std::set<std::string> with_short_code;
  for (const auto& r : zh1) {
    if (r.code.size() <= kShortCodeDigits) with_short_code.insert(r.text);
  }
  int full_code_chars = 0, first_candidates = 0;
  double weight = 0, first_weight = 0, without_choice_weight = 0;
  std::string previous_code;
  for (const auto& r : zh1) {
    if (r.code.size() <= kShortCodeDigits) continue;
    auto count = running_text.find(utf8_from_gbk(r.text));
    const double w = count == running_text.end() ? 0 : static_cast<double>(count->second);
    ++full_code_chars, weight += w;
    const bool first = r.code != previous_code;
    if (first) ++first_candidates, first_weight += w;
    if (first || with_short_code.contains(r.text)) without_choice_weight += w;
    previous_code = r.code;
  }
  out << "characters with a full code: " << full_code_chars
      << ", first candidate of their code: " << first_candidates << " ("
      << fixed(full_code_chars ? 100.0 * first_candidates / full_code_chars : 0)
      << "%), weighted by running text " << fixed(weight ? 100.0 * first_weight / weight : 0)
      << "%; counting the short codes "
      << fixed(weight ? 100.0 * without_choice_weight / weight : 0) << "%\n";
  describe_drill_words(out, data_dir, word_candidates);
  return out.str();
}

}  // namespace tavrel::gen
