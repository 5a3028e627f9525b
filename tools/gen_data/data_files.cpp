// The generator's output files, written with the dictionary's own record format.
#include "tools/gen_data/data_files.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "common/data_path.h"
#include "common/dict_order.h"
#include "common/fixed_field.h"
#include "dictionary/dict_format.h"
#include "tools/gen_data/gb2312.h"

namespace tavrel::gen {
namespace {

constexpr std::size_t kRecordHolderBytes = 12 * 15;  // twelve drill kinds, 15 bytes each

std::vector<dict::DictRecord> to_records(const std::vector<Candidate>& candidates) {
  std::vector<dict::DictRecord> records;
  records.reserve(candidates.size());
  for (const auto& c : candidates) records.push_back({c.code, c.text});
  return records;
}

std::vector<Candidate> for_file(const std::vector<Candidate>& candidates, int file_number) {
  std::vector<Candidate> chosen;
  for (const auto& c : candidates) {
    if (dict::file_number_for(c.chars) == file_number) chosen.push_back(c);
  }
  return chosen;
}

void write_pair(const std::filesystem::path& data_dir, int file_number,
                const std::vector<Candidate>& full, const std::vector<Candidate>& short_codes) {
  // Full-code candidates come in rank order; the stable sort keeps that order within a code.
  auto by_code = to_records(full);
  auto extra = to_records(short_codes);
  by_code.insert(by_code.end(), extra.begin(), extra.end());
  dict::sort_by_code(by_code);
  write_data_file(data_dir, dict::code_file_path(file_number),
                  dict::encode_file(by_code, file_number));

  auto by_text = to_records(full);
  dict::sort_by_text(by_text);
  write_data_file(data_dir, dict::text_file_path(file_number),
                  dict::encode_file(by_text, file_number));
}

void write_list(const std::filesystem::path& data_dir, const DrillList& list,
                const std::vector<Candidate>& items) {
  std::string bytes;
  for (const auto& item : items) {
    if (item.text.size() > list.text_bytes || item.code.size() > kListCodeBytes) {
      throw std::logic_error(std::string("item does not fit ") + list.path);
    }
    bytes +=
        left_field(item.code, kListCodeBytes) + left_field(item.text, list.text_bytes) + "\r\n";
  }
  write_data_file(data_dir, list.path, bytes);
}

template <typename Accept>
std::vector<Candidate> most_frequent(const std::vector<Candidate>& ranked, std::size_t count,
                                     Accept accept) {
  std::vector<Candidate> chosen;
  for (const auto& c : ranked) {
    if (chosen.size() == count) break;
    if (accept(c)) chosen.push_back(c);
  }
  return chosen;
}

std::vector<Candidate> in_gb2312_order(std::vector<Candidate> chars, bool level_one) {
  std::erase_if(chars, [&](const Candidate& c) {
    return is_level_one(c.text) != level_one || is_bare_radical(c.text);
  });
  std::sort(chars.begin(), chars.end(),
            [](const Candidate& a, const Candidate& b) { return dict_less(a.text, b.text); });
  return chars;
}

}  // namespace

void write_data_file(const std::filesystem::path& data_dir, const std::string& path,
                     const std::string& bytes) {
  std::filesystem::path target = resolve_path(path, data_dir);
  std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + target.string());
}

void write_dictionary_files(const CodeTable& table, const std::filesystem::path& data_dir) {
  auto short_chars = table.one_key_characters;
  short_chars.insert(short_chars.end(), table.two_key_characters.begin(),
                     table.two_key_characters.end());
  write_pair(data_dir, 1, table.characters, short_chars);
  write_pair(data_dir, 2, for_file(table.words, 2), table.one_key_words);
  for (int file_number = 3; file_number <= dict::kFileCount; ++file_number) {
    write_pair(data_dir, file_number, for_file(table.words, file_number), {});
  }
}

void write_drill_lists(const CodeTable& table, const ListSizes& sizes,
                       const std::filesystem::path& data_dir,
                       const std::set<std::string>& confirmed) {
  write_list(data_dir, kLevelOneList, in_gb2312_order(table.characters, true));
  write_list(data_dir, kLevelTwoList, in_gb2312_order(table.characters, false));
  write_list(data_dir, kOneKeyCharList, table.one_key_characters);
  write_list(data_dir, kTwoKeyCharList, table.two_key_characters);
  write_list(data_dir, kOneKeyWordList, table.one_key_words);
  auto known = [&](const Candidate& w) { return confirmed.empty() || confirmed.contains(w.text); };
  auto with_chars = [&](int n) {
    return [n, known](const Candidate& w) { return w.chars == n && known(w); };
  };
  write_list(data_dir, kTwoCharWordList,
             most_frequent(table.words, sizes.two_char_words, with_chars(2)));
  write_list(data_dir, kThreeCharWordList,
             most_frequent(table.words, sizes.three_char_words, with_chars(3)));
  write_list(data_dir, kFourCharWordList,
             most_frequent(table.words, sizes.four_char_words, with_chars(4)));
  write_list(data_dir, kLongWordList,
             most_frequent(table.words, sizes.long_words, [&](const Candidate& w) {
               return w.chars >= 5 && w.chars <= static_cast<int>(kLongListMaxChars) && known(w);
             }));
}

void write_record_files(const std::filesystem::path& data_dir) {
  write_data_file(data_dir, "files\\phb.txt", std::string(kRecordHolderBytes, ' '));
  write_data_file(data_dir, "files\\record.dat", "");
}

}  // namespace tavrel::gen
