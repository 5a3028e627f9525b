// Measuring the written files through the dictionary's record format.
#include "tools/gen_data/summary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

#include "common/data_path.h"
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

}  // namespace

std::string describe_character_codes(const CharacterCodeFigures& f) {
  std::ostringstream out;
  out << "GB2312 characters coded: " << f.characters << "; overrides used: " << f.overrides_used
      << " (four-corner value by hand " << f.four_corner_by_hand << ", stroke names by hand "
      << f.stroke_names_by_hand << ", code by hand " << f.codes_by_hand << ")\n"
      << "corners decided by the near-tie rule: " << f.near_ties << "\n"
      << "附角 read from the stroke names by the ending they share: " << f.attached_read << "; where the source gives one, the "
      << "reading (leaving the character out) agrees on " << f.attached_agreeing << " of " << f.attached_checked << " ("
      << fixed(f.attached_checked ? 100.0 * f.attached_agreeing / f.attached_checked : 0) << "%)\n";
  std::vector<std::pair<int, std::string>> kinds;
  for (const auto& [pair, count] : f.attached_disagreements) kinds.push_back({-count, pair});
  std::sort(kinds.begin(), kinds.end());
  out << "附角 disagreements (source→read):";
  for (std::size_t i = 0; i < kinds.size() && i < 8; ++i) {
    out << " " << kinds[i].second << " " << -kinds[i].first;
  }
  out << "\n";
  return out.str();
}

std::string describe_data(const std::filesystem::path& data_dir) {
  std::ostringstream out;
  std::map<std::string, int> char_codes, word_codes;
  std::vector<dict::DictRecord> zh1;
  for (int n = 1; n <= dict::kFileCount; ++n) {
    auto by_code = read_records(data_dir, dict::code_file_path(n), n);
    auto by_text = read_records(data_dir, dict::text_file_path(n), n);
    out << dict::code_file_path(n) << ": " << by_code.size() << " records; "
        << dict::text_file_path(n) << ": " << by_text.size() << " records\n";
    count_codes(by_code, n == 1 ? char_codes : word_codes);
    if (n == 1) zh1 = by_code;
  }
  for (const DrillList& list :
       {kLevelOneList, kLevelTwoList, kOneKeyCharList, kTwoKeyCharList, kOneKeyWordList,
        kTwoCharWordList, kThreeCharWordList, kFourCharWordList, kLongWordList}) {
    auto size = read_whole_file(resolve_path(list.path, data_dir).string()).size();
    out << list.path << ": " << size / (kListCodeBytes + list.text_bytes + 2) << " records\n";
  }
  describe_scope(out, "characters", char_codes);
  describe_scope(out, "words", word_codes);

  int full_code_chars = 0, first_candidates = 0;
  std::string previous_code;
  for (const auto& r : zh1) {
    if (r.code.size() <= kShortCodeDigits) continue;
    ++full_code_chars;
    if (r.code != previous_code) ++first_candidates;
    previous_code = r.code;
  }
  out << "characters with a full code: " << full_code_chars
      << ", first candidate of their code: " << first_candidates << " ("
      << fixed(full_code_chars ? 100.0 * first_candidates / full_code_chars : 0) << "%)\n";
  return out.str();
}

}  // namespace tavrel::gen
