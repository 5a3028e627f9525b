// Invariants of the committed teaching data under data/, read back through the dictionary code.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

#include "common/dict_order.h"
#include "common/fixed_field.h"
#include "common/gbk.h"
#include "dictionary/byte_file.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"
#include "tests/support/temp_dir.h"
#include "tools/gen_data/sources.h"

namespace tavrel {
namespace {

using dict::DictRecord;

const std::filesystem::path kDataDir = TAVREL_DATA_DIR;

std::string data_file(const std::string& relative) {
  return read_whole_file((kDataDir / relative).string());
}

std::vector<DictRecord> dictionary_file(int n, const std::string& suffix) {
  const std::string bytes = data_file("hzlib/zh" + std::to_string(n) + suffix);
  EXPECT_EQ(bytes.size() % dict::record_size(n), 0u) << "zh" << n << suffix;
  return dict::decode_file(bytes, n);
}

// The code-ordered files, each read once per test binary.
const std::vector<DictRecord>& by_code(int n) {
  static std::array<std::vector<DictRecord>, dict::kFileCount + 1> files;
  if (files[n].empty()) files[n] = dictionary_file(n, "");
  return files[n];
}

// The drill lists as the drill window reads them: a 6-byte code, the text and CR LF; the texts of
// the four-character and the long-word lists are trimmed.
struct DrillList {
  const char* path;
  std::size_t record_bytes;
  bool trimmed;
  int scope;
  std::size_t least_items;
  bool short_codes;
};

constexpr DrillList kDrillLists[] = {
    {"hzlib/z1.txt", 10, false, Ttwo::kScopeCharacters, 3700, false},
    {"hzlib/z2.txt", 10, false, Ttwo::kScopeCharacters, 2900, false},
    {"hzlib/z3.txt", 10, false, Ttwo::kScopeCharacters, 10, true},
    {"hzlib/z4.txt", 10, false, Ttwo::kScopeCharacters, 90, true},
    {"hzlib/c1.txt", 12, false, Ttwo::kScopeWords, 90, true},
    {"hzlib/c2.txt", 12, false, Ttwo::kScopeWords, 3000, false},
    {"hzlib/c3.txt", 14, false, Ttwo::kScopeWords, 1500, false},
    {"hzlib/c4.txt", 16, true, Ttwo::kScopeWords, 1500, false},
    {"hzlib/c5.txt", 24, true, Ttwo::kScopeWords, 500, false},
};

std::vector<DictRecord> read_drill_list(const DrillList& list) {
  const std::string bytes = data_file(list.path);
  EXPECT_EQ(bytes.size() % list.record_bytes, 0u);
  std::vector<DictRecord> items;
  for (std::size_t at = 0; at + list.record_bytes <= bytes.size(); at += list.record_bytes) {
    std::string_view record = std::string_view(bytes).substr(at, list.record_bytes);
    EXPECT_EQ(record.substr(list.record_bytes - 2), "\r\n") << "at " << at;
    std::string_view text = record.substr(6, list.record_bytes - 8);
    items.push_back({std::string(trim_blanks(record.substr(0, 6))),
                     std::string(list.trimmed ? trim_blanks(text) : text)});
  }
  return items;
}

bool listed_under(const std::vector<DictRecord>& by_code, const DictRecord& item) {
  auto run =
      std::equal_range(by_code.begin(), by_code.end(), item,
                       [](const auto& a, const auto& b) { return dict_less(a.code, b.code); });
  return std::any_of(run.first, run.second,
                     [&](const DictRecord& r) { return r.text == item.text; });
}

TEST(ShippedData, DictionaryFilesAreSortedAndHoldEachEntryOnceByText) {
  for (int n = 1; n <= dict::kFileCount; ++n) {
    SCOPED_TRACE("hzlib/zh" + std::to_string(n));
    const auto& codes = by_code(n);
    const auto texts = dictionary_file(n, ".hz");
    ASSERT_FALSE(codes.empty());
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end(), [](const auto& a, const auto& b) {
      return dict_less(a.code, b.code);
    }));
    EXPECT_TRUE(std::adjacent_find(texts.begin(), texts.end(),
                                   [](const auto& a, const auto& b) {
                                     return !dict_less(a.text, b.text);
                                   }) == texts.end())
        << "text-ordered file not strictly ascending";

    // Every full-code entry once in the text-ordered file, under the same code.
    std::vector<bool> matched(texts.size(), false);
    for (const auto& r : codes) {
      EXPECT_EQ(dict::file_number_for(static_cast<int>(r.text.size() / 2)), n) << r.code;
      auto at = std::lower_bound(texts.begin(), texts.end(), r, [](const auto& a, const auto& b) {
        return dict_less(a.text, b.text);
      });
      ASSERT_TRUE(at != texts.end() && at->text == r.text) << r.code << " not in the text file";
      if (r.code.size() <= 2) continue;  // a short code, besides the full one
      EXPECT_TRUE(n == 1 ? r.code.size() == 4 || r.code.size() == 5 : r.code.size() == 6) << r.code;
      EXPECT_EQ(at->code, r.code);
      EXPECT_FALSE(matched[at - texts.begin()]) << r.code << " listed twice";
      matched[at - texts.begin()] = true;
    }
    EXPECT_EQ(std::count(matched.begin(), matched.end(), false), 0);
  }
}

TEST(ShippedData, NoCodeOffersMoreThanThirtyOneCandidatesInAScope) {
  std::map<std::string, int> characters, words;
  for (const auto& r : by_code(1)) ++characters[r.code];
  for (int n = 2; n <= dict::kFileCount; ++n) {
    for (const auto& r : by_code(n)) ++words[r.code];
  }
  for (const auto* scope : {&characters, &words}) {
    for (const auto& [code, count] : *scope) ASSERT_LE(count, dict::kMaxCandidates) << code;
  }
}

// Every item against the files in memory; every fifth item, and every item of a short-code list,
// also through the program's own lookup, which must give a short code exactly one candidate.
TEST(ShippedData, EveryDrillItemIsFoundUnderItsOwnCode) {
  testing::CurrentDir in_data(kDataDir);
  Ttwo two;
  for (const auto& list : kDrillLists) {
    SCOPED_TRACE(list.path);
    const auto items = read_drill_list(list);
    EXPECT_GE(items.size(), list.least_items);
    const bool words = list.scope == Ttwo::kScopeWords;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const auto& item = items[i];
      const std::string shown = item.code + " " + utf8_from_gbk(item.text);
      bool listed = false;
      for (int n = words ? 2 : 1; n <= (words ? dict::kFileCount : 1) && !listed; ++n) {
        listed = listed_under(by_code(n), item);
      }
      ASSERT_TRUE(listed) << shown;
      if (i % 5 != 0 && !list.short_codes) continue;
      two.find_code(list.scope, item.code);
      auto found_end = two.items.begin() + two.itemcount;
      ASSERT_NE(std::find(two.items.begin(), found_end, item.text), found_end) << shown;
      if (list.short_codes) {
        EXPECT_LE(item.code.size(), 2u) << shown;
        EXPECT_EQ(two.itemcount, 1) << shown;
      }
    }
  }
}

// Checked against the four-corner values as published, parsed here on their own.
TEST(ShippedData, EveryCodedGb2312CharacterHasItsPublishedFourCornerCode) {
  const std::filesystem::path unihan = TAVREL_UNIHAN_BZ2;
  if (!std::filesystem::exists(unihan)) GTEST_SKIP() << unihan << " is not installed";
  std::string text;
  if (FILE* pipe = popen(("bzip2 -dc '" + unihan.string() + "'").c_str(), "r")) {
    char buffer[65536];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    pclose(pipe);
  }
  if (text.empty()) GTEST_SKIP() << "bzip2 could not read " << unihan;

  std::map<std::string, std::string> full_codes;  // GBK character -> code of 4 or 5 digits
  for (const auto& r : by_code(1))
    if (r.code.size() >= 4) full_codes[r.text] = r.code;

  std::size_t published = 0;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string code_point, property, value;
    if (!(fields >> code_point >> property >> value) || property != "kFourCornerCode") continue;
    std::string gbk =
        gbk_from_utf8(gen::encode_utf8(std::stoul(code_point.substr(2), nullptr, 16)));
    auto lead = static_cast<unsigned char>(gbk[0]), trail = static_cast<unsigned char>(gbk.back());
    bool gb2312 = gbk.size() == 2 && lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
    if (!gb2312) continue;
    ++published;
    value.erase(std::remove(value.begin(), value.end(), '.'), value.end());
    auto found = full_codes.find(gbk);
    ASSERT_NE(found, full_codes.end()) << code_point << " has no full code";
    EXPECT_EQ(found->second, value) << code_point;
  }
  EXPECT_GE(published, 6700u);
  EXPECT_EQ(published, full_codes.size()) << "characters in the table without a published value";
}

TEST(ShippedData, DefaultArticleIsAPracticeFileOfCodedCharacters) {
  const std::string file = data_file("test.tvm");
  std::vector<std::string> lines;
  std::string_view rest = file;
  for (std::size_t end; (end = rest.find('\r')) != std::string_view::npos;
       rest.remove_prefix(end + 1)) {
    lines.emplace_back(rest.substr(0, end));
  }
  ASSERT_TRUE(rest.empty()) << "bytes after the last CR";
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.back(), " ");
  std::string chars;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    EXPECT_EQ(lines[i].size(), i + 3 == lines.size() ? 59u : 60u) << "line " << i;
    EXPECT_EQ(lines[i + 1], "") << "line " << i + 1;
    chars += trim_blanks(lines[i]);
  }
  const std::size_t count = chars.size() / 2;
  EXPECT_GE(count, 1200u);
  EXPECT_EQ(file.size(), 62 * (count / 30) + 63);

  testing::CurrentDir in_data(kDataDir);
  Ttwo two;
  for (std::size_t i = 0; i < chars.size(); i += 2) {
    ASSERT_TRUE(two.find_word(1, chars.substr(i, 2))) << utf8_from_gbk(chars.substr(i, 2));
  }
}

TEST(ShippedData, RecordFilesStartEmpty) {
  EXPECT_EQ(data_file("files/phb.txt"), std::string(180, ' '));
  EXPECT_EQ(data_file("files/record.dat"), "");
}

}  // namespace
}  // namespace tavrel
