// Ttwo's lookups on small dictionary files built in a temporary folder.
#include "dictionary/erfenfa.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "byte_helpers.h"
#include "common/safe_file.h"
#include "dictionary/dict_format.h"
#include "tests/support/temp_dir.h"

namespace tavrel {
namespace {

using dict::DictRecord;
using testing::gbk;
using testing::hex;

// The i-th of a run of distinct GB2312 characters, for files of made-up entries.
std::string nth_char(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
}

std::vector<std::string> found_items(const Ttwo& two) {
  return {two.items.begin(), two.items.begin() + two.itemcount};
}

class TtwoTest : public ::testing::Test {
 protected:
  void write_code_file(int file_number, std::vector<DictRecord> records) {
    dir_.write("hzlib/zh" + std::to_string(file_number), dict::encode_file(records, file_number));
  }
  void write_text_file(int file_number, std::vector<DictRecord> records) {
    dir_.write("hzlib/zh" + std::to_string(file_number) + ".hz",
               dict::encode_file(records, file_number));
  }
  // Word files that hold one record of an unrelated code, so that a word search can pass them.
  void write_other_word_files() {
    for (int n = 2; n <= 4; ++n) write_code_file(n, {{"999999", std::string(2 * n, '\xB0')}});
    write_code_file(5, {{"999999", std::string(10, '\xB0')}});
  }

  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  Ttwo two_;
};

// Every code of every file size from 1 to 40 records, against a plain filter of the records:
// runs at the first and the last record, runs of one, codes that are prefixes of others.
TEST_F(TtwoTest, FindCodeCollectsExactlyTheRunOfTheCodeForEveryFileSize) {
  const std::vector<std::string> codes{"1", "10", "100", "12", "120", "2", "21", "3", "30000"};
  const std::vector<std::string> absent{"0", "11", "1200", "13", "4", "300", "99"};
  std::mt19937 random(11);
  for (int size = 1; size <= 40; ++size) {
    std::vector<DictRecord> records;
    for (int i = 0; i < size; ++i) records.push_back({codes[random() % codes.size()], nth_char(i)});
    dict::sort_by_code(records);
    write_code_file(1, records);
    for (const auto& code : codes) {
      std::vector<std::string> expected;
      for (const auto& r : records)
        if (r.code == code) expected.push_back(r.text);
      two_.find_code(Ttwo::kScopeCharacters, code);
      EXPECT_EQ(found_items(two_), expected) << "size " << size << ", code " << code;
    }
    for (const auto& code : absent) {
      two_.find_code(Ttwo::kScopeCharacters, code);
      EXPECT_EQ(two_.itemcount, 0) << "size " << size << ", code " << code;
    }
  }
}

TEST_F(TtwoTest, FindCodeOfWordsListsTheFilesInTurnWithTheFillDroppedAndBlanksTrimmed) {
  write_code_file(2, {{"111111", gbk("中华")}, {"222222", gbk("人民")}, {"222222", gbk("人们")}});
  write_code_file(3, {{"111111", gbk("共和国")}});
  write_code_file(4, {{"333333", gbk("一心一意")}});
  // A six-character word written by hand with blanks around it, as another tool might.
  dir_.write("hzlib/zh5", hex("22 22 22") + "  " + gbk("全国人民") + "  " +
                              std::string(14, '\xFF') + hex("33 33 33") + gbk("一二三四五") +
                              std::string(16, '\xFF'));

  two_.find_code(Ttwo::kScopeWords, "222222");
  EXPECT_EQ(found_items(two_),
            (std::vector<std::string>{gbk("人民"), gbk("人们"), gbk("全国人民")}));
  two_.find_code(Ttwo::kScopeWords, "111111");
  EXPECT_EQ(found_items(two_), (std::vector<std::string>{gbk("中华"), gbk("共和国")}));
  two_.find_code(Ttwo::kScopeWords, "2222");
  EXPECT_EQ(two_.itemcount, 0);
}

TEST_F(TtwoTest, FindCodeStopsAtThirtyOneCandidatesAcrossTheFilesOfAScope) {
  std::vector<DictRecord> two_char, three_char;
  for (int i = 0; i < 20; ++i) two_char.push_back({"123456", nth_char(i) + nth_char(i)});
  for (int i = 0; i < 20; ++i)
    three_char.push_back({"123456", nth_char(i) + nth_char(i) + nth_char(i)});
  write_other_word_files();
  write_code_file(2, two_char);
  write_code_file(3, three_char);

  two_.find_code(Ttwo::kScopeWords, "123456");
  ASSERT_EQ(two_.itemcount, 31);
  EXPECT_EQ(two_.items[19], two_char[19].text);
  EXPECT_EQ(two_.items[30], three_char[10].text);
}

TEST_F(TtwoTest, CodesThatNoRecordCanHoldFindNothingAndClearTheLastResult) {
  write_code_file(1, {{"1", gbk("一")}, {"123456", gbk("二")}});
  two_.find_code(Ttwo::kScopeCharacters, "1");
  ASSERT_EQ(two_.itemcount, 1);
  for (std::string_view code : {"1234567", "12345a", "", "1 ", "a"}) {
    two_.find_code(Ttwo::kScopeCharacters, code);
    EXPECT_EQ(two_.itemcount, 0) << "'" << code << "'";
  }
  EXPECT_THROW(two_.find_code(2, "1"), std::invalid_argument);
}

TEST_F(TtwoTest, FindWordAgreesWithTheListedTextsForEveryFileSize) {
  std::mt19937 random(5);
  for (int size = 1; size <= 30; ++size) {
    // Words of 5 to 8 characters from a small alphabet, so that many are prefixes of others.
    std::vector<std::string> words;
    while (static_cast<int>(words.size()) < size) {
      std::string word;
      for (int n = 5 + random() % 4; n > 0; --n) word += nth_char(random() % 3);
      if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    }
    std::vector<DictRecord> records;
    for (const auto& w : words) records.push_back({"1", w});
    dict::sort_by_text(records);
    write_text_file(5, records);

    for (int trial = 0; trial < 60; ++trial) {
      std::string probe;
      int chars = 5 + random() % 4;
      for (int n = chars; n > 0; --n) probe += nth_char(random() % 3);
      bool listed = std::find(words.begin(), words.end(), probe) != words.end();
      EXPECT_EQ(two_.find_word(chars, probe), listed) << "size " << size;
    }
    for (const auto& w : words) EXPECT_TRUE(two_.find_word(static_cast<int>(w.size() / 2), w));
  }
}

// Files of many blocks, where probes and runs of equal codes fall across the ends of the blocks
// a lookup reads through.
TEST_F(TtwoTest, LookupsInFilesOfManyBlocksAgreeWithAPlainFilter) {
  std::mt19937 random(8);
  std::vector<DictRecord> records;
  for (int i = 0; i < 3000; ++i)
    records.push_back(
        {std::to_string(100 + random() % 400), nth_char(i % 900) + nth_char(i / 900)});
  auto by_code = records;
  dict::sort_by_code(by_code);
  write_code_file(2, by_code);
  auto by_text = records;
  dict::sort_by_text(by_text);
  write_text_file(2, by_text);
  for (int n = 3; n <= 5; ++n) write_code_file(n, {{"9", std::string(2 * n, '\xB0')}});

  for (int code = 95; code < 505; ++code) {
    std::vector<std::string> expected;
    for (const auto& r : by_code)
      if (r.code == std::to_string(code)) expected.push_back(r.text);
    expected.resize(std::min<std::size_t>(expected.size(), Ttwo::kItemSlots));
    two_.find_code(Ttwo::kScopeWords, std::to_string(code));
    ASSERT_EQ(found_items(two_), expected) << code;
  }
  for (const auto& r : records) ASSERT_TRUE(two_.find_word(2, r.text)) << hex(r.text);
  EXPECT_FALSE(two_.find_word(2, nth_char(5) + nth_char(9)));  // second character never used
  EXPECT_FALSE(two_.find_word(2, nth_char(0) + nth_char(0) + nth_char(0)));
}

TEST_F(TtwoTest, FindWordLooksInTheFileOfTheWordsLength) {
  write_text_file(2, {{"1", gbk("中华")}});
  write_text_file(5, {{"1", gbk("中华人民共和国")}});
  EXPECT_TRUE(two_.find_word(2, gbk("中华")));
  EXPECT_TRUE(two_.find_word(7, gbk("中华人民共和国")));
  EXPECT_FALSE(two_.find_word(5, gbk("中华人民共")));  // a prefix of a listed word is not listed
  EXPECT_THROW(two_.find_word(14, gbk("中华")), std::invalid_argument);
}

// A character under two codes, and trail bytes that differ only as letter case (equal in the
// dictionary order); the reverse lookup leaves the last candidates alone.
TEST_F(TtwoTest, CodeOfZiGivesTheFirstCodeInFileOrderOrNothing) {
  write_code_file(1, {{"1", gbk("的")}, {"27620", gbk("的")}, {"3", gbk("了")}, {"5", "\x81\x61"}});
  two_.find_code(Ttwo::kScopeCharacters, "3");
  EXPECT_EQ(two_.code_of_zi(gbk("的")), "1");
  EXPECT_EQ(two_.code_of_zi("\x81\x41"), "5");
  EXPECT_EQ(two_.code_of_zi(gbk("你")), "");
  EXPECT_EQ(found_items(two_), std::vector<std::string>{gbk("了")});
}

// The files' bytes are kept between lookups, but a lookup always sees the file now on disk.
TEST_F(TtwoTest, AFileReplacedBetweenTwoLookupsIsReadAnew) {
  write_code_file(1, {{"1", gbk("的")}, {"3", gbk("了")}});
  two_.find_code(Ttwo::kScopeCharacters, "1");
  EXPECT_EQ(found_items(two_), std::vector<std::string>{gbk("的")});
  EXPECT_EQ(two_.code_of_zi(gbk("的")), "1");

  dir_.write("hzlib/zh1.new", dict::encode_file({{"1", gbk("了")}, {"2", gbk("的")}}, 1));
  std::filesystem::rename(dir_.path() / "hzlib/zh1.new", dir_.path() / "hzlib/zh1");
  two_.find_code(Ttwo::kScopeCharacters, "1");
  EXPECT_EQ(found_items(two_), std::vector<std::string>{gbk("了")});
  EXPECT_EQ(two_.code_of_zi(gbk("的")), "2");
  EXPECT_EQ(two_.code_of_zi("\xB5"), "");  // only a whole two-byte text equals a record's
  EXPECT_EQ(two_.code_of_zi(gbk("的了")), "");

  write_code_file(1, {{"7", gbk("的")}});  // rewritten in place
  EXPECT_EQ(two_.code_of_zi(gbk("的")), "7");
  two_.find_code(Ttwo::kScopeCharacters, "1");
  EXPECT_EQ(two_.itemcount, 0);
}

TEST_F(TtwoTest, AMissingOrEmptyFileIsAnErrorButAPartialLastRecordIsIgnored) {
  EXPECT_THROW(two_.find_code(Ttwo::kScopeCharacters, "1"), std::runtime_error);
  EXPECT_THROW(two_.code_of_zi(gbk("的")), std::runtime_error);

  dir_.write("hzlib/zh1", "");
  EXPECT_THROW(two_.find_code(Ttwo::kScopeCharacters, "1"), std::runtime_error);

  dir_.write("hzlib/zh1",
             dict::encode_file({{"1", gbk("的")}, {"2", gbk("了")}}, 1) + hex("2F FF FF B5"));
  two_.find_code(Ttwo::kScopeCharacters, "2");
  EXPECT_EQ(found_items(two_), std::vector<std::string>{gbk("了")});
  EXPECT_EQ(two_.code_of_zi(gbk("的")), "1");
}

// Three bytes hold a packed code but no whole record: the bisection used to probe record 0 of
// an empty range for ever. Every lookup now says the file is damaged.
TEST_F(TtwoTest, AFileWithoutOneWholeRecordIsADamagedFileForEveryLookup) {
  dir_.write("hzlib/zh1", hex("12 3F FF"));
  dir_.write("hzlib/zh2.hz", hex("12 3F FF B0 A1 B0"));
  auto message_of = [](auto lookup) -> std::string {
    try {
      lookup();
    } catch (const FileError& e) {
      return e.what();
    }
    return "(no error)";
  };
  const std::string damaged = message_of([&] { two_.find_code(Ttwo::kScopeCharacters, "5"); });
  EXPECT_NE(damaged.find("已损坏"), std::string::npos) << damaged;
  EXPECT_NE(damaged.find("hzlib"), std::string::npos) << damaged;
  EXPECT_THROW(two_.code_of_zi(gbk("的")), FileError);
  EXPECT_THROW(two_.find_word(2, gbk("中华")), FileError);
}

// A pipe would hold the opening for ever, a folder is no dictionary.
TEST_F(TtwoTest, APipeOrAFolderInPlaceOfADictionaryFileIsRefusedAtOnce) {
  std::filesystem::create_directories(dir_.path() / "hzlib");
  ASSERT_EQ(::mkfifo((dir_.path() / "hzlib/zh1").c_str(), 0644), 0);
  EXPECT_THROW(two_.find_code(Ttwo::kScopeCharacters, "5"), FileError);
  EXPECT_THROW(two_.code_of_zi(gbk("的")), FileError);
  std::filesystem::create_directory(dir_.path() / "hzlib/zh2.hz");
  EXPECT_THROW(two_.find_word(2, gbk("中华")), FileError);
}

TEST_F(TtwoTest, ASearchThatFailsInALaterFileKeepsWhatEarlierFilesGave) {
  write_code_file(2, {{"123456", gbk("中华")}});
  EXPECT_THROW(two_.find_code(Ttwo::kScopeWords, "123456"), std::runtime_error);
  EXPECT_EQ(found_items(two_), std::vector<std::string>{gbk("中华")});
}

// Trail bytes 0x41-0x5A and 0x61-0x7A compare equal in the bisection on texts as on codes.
TEST_F(TtwoTest, FindWordFoldsLowerCaseTrailBytes) {
  write_text_file(1, {{"1", "\x81\x41"}, {"2", "\x81\x5B"}, {"3", gbk("的")}});
  EXPECT_TRUE(two_.find_word(1, "\x81\x61"));
  EXPECT_TRUE(two_.find_word(1, "\x81\x41"));
  EXPECT_FALSE(two_.find_word(1, "\x81\x7B"));
}

std::size_t open_descriptors() {
  return static_cast<std::size_t>(std::distance(
      std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator{}));
}

// Every operation closes its file again, also when it ends in an error half-way through a scope.
TEST_F(TtwoTest, NoFileStaysOpenAfterALookupOrAnError) {
  write_code_file(1, {{"1", gbk("的")}, {"2", gbk("了")}});
  write_code_file(2, {{"123456", gbk("中华")}});
  write_text_file(2, {{"1", gbk("中华")}});
  const std::size_t before = open_descriptors();
  two_.find_code(Ttwo::kScopeCharacters, "2");
  EXPECT_TRUE(two_.find_word(2, gbk("中华")));
  EXPECT_EQ(two_.code_of_zi(gbk("了")), "2");
  EXPECT_THROW(two_.find_code(Ttwo::kScopeWords, "123456"), std::runtime_error);  // no zh3
  EXPECT_THROW(two_.find_word(3, gbk("共和国")), std::runtime_error);
  EXPECT_EQ(open_descriptors(), before);
}

}  // namespace
}  // namespace tavrel
