// Item sources: list files, picture folders and the help lists, on real files in a temp folder.
#include "drills/item_sources.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>

#include "common/fixed_field.h"
#include "common/gbk.h"
#include "common/safe_file.h"
#include "temp_dir.h"

namespace tavrel::drills {
namespace {

using testing::CurrentDir;
using testing::TempDir;

std::string gbk(const char* utf8) { return gbk_from_utf8(utf8); }

// One record line of a list file: code field, text field, CR LF.
std::string record(const std::string& code, const std::string& text, std::size_t record_size) {
  return left_field(code, 6) + left_field(text, record_size - 8) + "\r\n";
}

// Draws the given indices in turn, then fails the test if asked again.
RandomIndex draws(std::vector<int> values) {
  auto queue = std::make_shared<std::vector<int>>(std::move(values));
  auto next = std::make_shared<std::size_t>(0);
  return [queue, next](int n) {
    EXPECT_LT(*next, queue->size()) << "more draws than expected";
    int v = *next < queue->size() ? (*queue)[(*next)++] : 0;
    EXPECT_GE(v, 0);
    EXPECT_LT(v, n);
    return v;
  };
}

RandomIndex always(int value) {
  return [value](int) { return value; };
}

TEST(ListFile, RecordCountAllowsAMissingFinalByte) {
  TempDir dir;
  CurrentDir here(dir.path());
  for (auto [size, expected] : {std::pair{1000, 100}, {999, 100}, {998, 99}, {9, 1}, {8, 0}}) {
    dir.write("hzlib/z1.txt", std::string(static_cast<std::size_t>(size), ' '));
    ListFile file(list_format(3));
    EXPECT_EQ(file.count(), static_cast<std::size_t>(expected)) << size << " bytes";
  }
}

TEST(ListFile, FieldsAreTrimmedPerKind) {
  TempDir dir;
  CurrentDir here(dir.path());
  dir.write("hzlib/z1.txt", record(" 61020", gbk("啊"), 10) + record("7122", gbk("阿"), 10));
  dir.write("hzlib/c2.txt", record("3321", gbk("中国"), 12));
  dir.write("hzlib/c4.txt", record("1234", gbk("一二三"), 16));
  dir.write("hzlib/c5.txt", record("5678", gbk("中华人民共和国"), 24));
  dir.write("hzlib/c3.txt", record("44", "ab", 14));

  ListFile chars(list_format(3));
  Item second = chars.read(1);
  EXPECT_EQ(second.code, "7122");
  EXPECT_EQ(second.text, gbk("阿"));
  EXPECT_EQ(chars.read(0).code, "61020");
  EXPECT_EQ(ListFile(list_format(7)).read(0).text, gbk("中国"));
  // Kinds 9 and 11 trim their text; kind 8 keeps the field as stored.
  EXPECT_EQ(ListFile(list_format(9)).read(0).text, gbk("一二三"));
  EXPECT_EQ(ListFile(list_format(11)).read(0).text, gbk("中华人民共和国"));
  EXPECT_EQ(ListFile(list_format(8)).read(0).text, "ab    ");
}

TEST(ListFile, MissingAndShortFilesAreErrors) {
  TempDir dir;
  CurrentDir here(dir.path());
  EXPECT_THROW(ListFile(list_format(4)), std::runtime_error);
  HelpList empty_help(119, 10, 3);
  EXPECT_THROW(fill_list_board(3, empty_help, always(0)), std::runtime_error);
  dir.write("hzlib/z1.txt", "6102");
  EXPECT_THROW(fill_list_board(3, empty_help, always(0)), std::runtime_error);
  // A last record without its line end has all its fields: it is not counted but readable.
  dir.write("hzlib/z1.txt", record("1", "ab", 10).substr(0, 8));
  ListFile file(list_format(3));
  EXPECT_EQ(file.count(), 0u);
  EXPECT_EQ(file.read(0).text, "ab");
  EXPECT_THROW(file.read(1), std::runtime_error);
}

// A pipe would hold the board's filling for ever; a folder or a huge file is no list.
TEST(ListFile, APipeAFolderOrAHugeFileIsRefused) {
  TempDir dir;
  CurrentDir here(dir.path());
  std::filesystem::create_directories(dir.path() / "hzlib");
  ASSERT_EQ(::mkfifo((dir.path() / "hzlib/z1.txt").c_str(), 0644), 0);
  EXPECT_THROW(ListFile(list_format(3)), FileError);
  std::filesystem::create_directory(dir.path() / "hzlib/c2.txt");
  EXPECT_THROW(ListFile(list_format(7)), FileError);
  dir.write("hzlib/z2.txt", "");
  std::filesystem::resize_file(dir.path() / "hzlib/z2.txt", file_limits::kListFile + 1);
  EXPECT_THROW(ListFile(list_format(4)), FileError);
}

TEST(PictureCode, DigitsBeforeTheExtension) {
  EXPECT_EQ(picture_code("exercise\\bixing\\45123.bmp"), "45123");
  EXPECT_EQ(picture_code("exercise\\fubu\\heng_1.bmp"), "1");
  EXPECT_EQ(picture_code("exercise\\fubu\\x12y.bmp"), "12");
  EXPECT_EQ(picture_code("exercise\\fubu\\plain.bmp"), "");
  EXPECT_EQ(picture_code(".bmp"), "");
}

TEST(PictureFolder, ListsBitmapsOnlyAndFillsSixtyCells) {
  TempDir dir;
  CurrentDir here(dir.path());
  EXPECT_THROW(fill_picture_board(0, always(0)), std::runtime_error) << "no folder";
  dir.write("exercise/bixing/readme.txt", "x");
  std::filesystem::create_directories(dir.path() / "exercise/bixing/folder.bmp");
  EXPECT_THROW(fill_picture_board(0, always(0)), std::runtime_error) << "no pictures";
  dir.write("exercise/bixing/heng_1.bmp", "BM");
  dir.write("exercise/bixing/SHU_2.BMP", "BM");
  dir.write("exercise/bixing/dian.bmp", "BM");
  auto pictures = list_pictures("exercise\\bixing");
  ASSERT_EQ(pictures.size(), 3u);
  EXPECT_EQ(std::set<std::string>(pictures.begin(), pictures.end()),
            (std::set<std::string>{"exercise\\bixing\\heng_1.bmp", "exercise\\bixing\\SHU_2.BMP",
                                   "exercise\\bixing\\dian.bmp"}));

  std::vector<int> picks(60, 1);
  picks[0] = 2;
  auto board = fill_picture_board(0, draws(picks));
  ASSERT_EQ(board.size(), 60u);
  EXPECT_EQ(board[0].text, pictures[2]);
  EXPECT_EQ(board[0].code, picture_code(pictures[2]));
  EXPECT_EQ(board[59].text, pictures[1]);
}

class HelpListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string z1, c5;
    for (int i = 0; i < 50; ++i) {
      z1 += record(std::to_string(1000 + i), std::string{char(0xB0), char(0xA1 + i)}, 10);
      c5 += record(std::to_string(500 + i),
                   gbk("中华人民") + std::string{char(0xB0), char(0xA1 + i)}, 24);
    }
    dir_.write("hzlib/z1.txt", z1);
    dir_.write("hzlib/z2.txt", z1);
    dir_.write("hzlib/c5.txt", c5);
  }

  // A board whose cells draw records 10, 11, 12, ... in turn.
  std::vector<PlacedItem> board(int kind) {
    int next = 10;
    return fill_list_board(kind, lists_.of_kind(kind), [&next](int n) { return next++ % n; });
  }

  TempDir dir_;
  CurrentDir here_{dir_.path()};
  HelpLists lists_;
};

TEST_F(HelpListsTest, AskedItemsComeBackFirstInTheNextRun) {
  auto first = board(3);
  ASSERT_EQ(first.size(), 119u);
  EXPECT_EQ(first[0].item.code, "1010");
  for (int cell : {1, 4, 8}) lists_.store(3, first[static_cast<std::size_t>(cell)].item);
  lists_.store(3, first[8].item);  // F1 twice on one item stores it once
  EXPECT_EQ(lists_.count, 3);

  lists_.count = 0;  // a new run
  auto second = board(3);
  EXPECT_EQ(second[0].item.text, first[1].item.text);
  EXPECT_EQ(second[0].item.code, first[1].item.code);
  EXPECT_EQ(second[1].item.text, first[4].item.text);
  EXPECT_EQ(second[2].item.text, first[8].item.text);
  EXPECT_EQ(second[3].item.code, "1010") << "the random draws resume after the stored items";

  // A later run that stores fewer entries keeps the older ones behind them.
  lists_.store(3, second[5].item);
  lists_.count = 0;
  auto third = board(3);
  EXPECT_EQ(third[0].item.text, second[5].item.text);
  EXPECT_EQ(third[1].item.text, first[4].item.text);
  EXPECT_EQ(third[2].item.text, first[8].item.text);

  lists_.characters.clear();
  EXPECT_EQ(board(3)[0].item.code, "1010");
}

TEST_F(HelpListsTest, LongWordsComeBackAtTheirColumns) {
  auto first = board(11);
  ASSERT_EQ(first.size(), 18u);
  std::vector<int> cells;
  for (const auto& placed : first) cells.push_back(placed.cell);
  EXPECT_EQ(std::vector<int>(cells.begin(), cells.begin() + 6),
            (std::vector<int>{0, 3, 5, 8, 10, 13}));
  EXPECT_EQ(cells.back(), 43);
  const std::string trimmed = gbk("中华人民") + std::string{char(0xB0), char(0xAB)};
  EXPECT_EQ(first[0].item.text, trimmed);

  for (int k : {2, 6, 9}) lists_.store(11, first[static_cast<std::size_t>(k)].item);
  EXPECT_EQ(lists_.words.entry(0).text, first[2].item.text);
  EXPECT_EQ(lists_.words.entry(3).text, first[6].item.text);
  EXPECT_EQ(lists_.words.entry(5).text, first[9].item.text);
  lists_.count = 0;
  auto second = board(11);
  EXPECT_EQ(second[1].cell, 3);
  EXPECT_EQ(second[1].item.text, first[6].item.text);
  EXPECT_EQ(second[2].cell, 5);
  EXPECT_EQ(second[2].item.text, first[9].item.text);
  EXPECT_EQ(second[3].item.code, "510");
}

TEST(HelpList, EntriesAreCutAtCharacterBoundaries) {
  HelpList list(3, 10, 3);
  list.store(0, gbk("一二三四五六"), "12345678901");
  EXPECT_EQ(list.entry(0).text, gbk("一二三四五"));
  EXPECT_EQ(list.entry(0).code, "1234567890");
  list.store(1, "a" + gbk("一二三四五"), "1");
  EXPECT_EQ(list.entry(1).text, "a" + gbk("一二三四"));
  list.store(7, "x", "1");  // beyond the list: ignored
  list.clear();
  EXPECT_TRUE(list.entry(0).text.empty());
}

}  // namespace
}  // namespace tavrel::drills
