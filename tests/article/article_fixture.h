// Small dictionaries and practice files in a temporary folder for the article tests.
#pragma once

#include <string>
#include <vector>

#include "article/tvm_format.h"
#include "common/gbk.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"
#include "tests/support/temp_dir.h"

namespace tavrel::testing {

inline std::string gbk(std::string_view utf8) { return gbk_from_utf8(utf8); }

// The i-th of a run of distinct GB2312 characters.
inline std::string nth_char(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
}

// Writes the ten dictionary files from (code, GBK text) entries; files without an entry get
// one record of an unused code, since the lookups treat an empty file as an error.
inline void write_dictionary(const TempDir& dir, std::vector<dict::DictRecord> entries) {
  std::vector<dict::DictRecord> by_file[dict::kFileCount + 1];
  for (auto& e : entries) {
    by_file[dict::file_number_for(static_cast<int>(e.text.size() / 2))].push_back(e);
  }
  for (int n = 1; n <= dict::kFileCount; ++n) {
    auto& records = by_file[n];
    if (records.empty()) records.push_back({"999999", std::string(n == 5 ? 10 : 2 * n, '\xF7')});
    dict::sort_by_code(records);
    dir.write("hzlib/zh" + std::to_string(n), dict::encode_file(records, n));
    dict::sort_by_text(records);
    dir.write("hzlib/zh" + std::to_string(n) + ".hz", dict::encode_file(records, n));
  }
}

// A practice file of the given UTF-8 text, as the conversion writes it.
inline std::string practice_file(std::string_view utf8) {
  return article::convert_text(gbk(utf8) + " ").bytes;
}

}  // namespace tavrel::testing
