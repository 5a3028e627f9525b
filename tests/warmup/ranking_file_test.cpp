// The ranking file: entry lines, reading, appending, and a failed write leaving it untouched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/gbk.h"
#include "common/safe_file.h"
#include "file_size_limit.h"
#include "temp_dir.h"
#include "warmup/ranking.h"

namespace tavrel::warmup {
namespace {

using testing::TempDir;
namespace fs = std::filesystem;

TEST(RankingFile, LineHoldsDateNameTimeAndScoreWithoutOtherSeparators) {
  EXPECT_EQ(utf8_from_gbk(ranking_line("2026-1-5", gbk_from_utf8("小明"), "60", "12")),
            "2026-1-5: 小明 用时：60 成绩：12");
  // An empty name, and one with blanks, stand exactly as typed.
  EXPECT_EQ(utf8_from_gbk(ranking_line("2026/01/05", "", "300", "0")),
            "2026/01/05:  用时：300 成绩：0");
  EXPECT_EQ(utf8_from_gbk(ranking_line("d", " a ", "1", "2")), "d:  a  用时：1 成绩：2");
}

TEST(RankingFile, UnitsAreCutToTwelveBytesWithoutSplittingACharacter) {
  const std::string second = gbk_from_utf8("秒");
  EXPECT_EQ(utf8_from_gbk(with_unit("60", second)), "60秒");
  EXPECT_EQ(utf8_from_gbk(with_unit("1234567890", second)), "1234567890秒");
  EXPECT_EQ(with_unit("12345678901", second), "12345678901");
}

TEST(RankingFile, EntriesAreAppendedInTheOrderAddedWithCrLf) {
  TempDir dir;
  fs::create_directory(dir.path() / "files");
  const fs::path file = ranking_path(dir.path().string() + "/");
  EXPECT_EQ(file, dir.path() / "files" / "record.txt");
  EXPECT_FALSE(read_ranking(file).has_value());

  append_ranking_line(file, "b: 50");
  append_ranking_line(file, "a: 10");
  append_ranking_line(file, "c: 30");
  EXPECT_EQ(dir.read("files/record.txt"), "b: 50\r\na: 10\r\nc: 30\r\n");
  EXPECT_EQ(*read_ranking(file), (std::vector<std::string>{"b: 50", "a: 10", "c: 30"}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "files"), {}), 1)
      << "no copy is left beside the file";
}

TEST(RankingFile, AHandEditedLastLineWithoutItsEndKeepsALineOfItsOwn) {
  TempDir dir;
  const fs::path file = dir.write("files/record.txt", "old\nlast");
  append_ranking_line(file, "new");
  EXPECT_EQ(dir.read("files/record.txt"), "old\nlast\r\nnew\r\n");
  EXPECT_EQ(*read_ranking(file), (std::vector<std::string>{"old", "last", "new"}));
}

TEST(RankingFile, MissingFolderIsAnErrorAndNothingIsCreated) {
  TempDir dir;
  const fs::path file = ranking_path(dir.path().string() + "/");
  EXPECT_THROW(append_ranking_line(file, "x"), std::runtime_error);
  EXPECT_FALSE(fs::exists(dir.path() / "files"));
}

// A write that fails half-way (here: the file-size limit, as on a full disk) leaves the old
// file exactly as it was, with no half line and no stray copy.
TEST(RankingFile, AFailedWriteLeavesTheFileAsItWas) {
  TempDir dir;
  const std::string old(200, 'x');
  const fs::path file = dir.write("files/record.txt", old + "\r\n");

  bool threw = false;
  try {
    testing::FileSizeLimit full_disk(230);
    append_ranking_line(file, std::string(100, 'y'));
  } catch (const std::runtime_error& e) {
    threw = true;
    EXPECT_NE(std::string(e.what()).find("record.txt"), std::string::npos) << e.what();
  }

  EXPECT_TRUE(threw);
  EXPECT_EQ(dir.read("files/record.txt"), old + "\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "files"), {}), 1);
}

// A pipe used to block the list for ever, and a 100 MB file to fill memory for minutes.
TEST(RankingFile, APipeAHugeFileOrAReadOnlyFileIsRefusedAndLeftAlone) {
  TempDir dir;
  const fs::path file = dir.path() / "files" / "record.txt";
  fs::create_directories(file.parent_path());
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  EXPECT_THROW(read_ranking(file), FileError);
  EXPECT_THROW(append_ranking_line(file, "x"), FileError);
  fs::remove(file);
  dir.write("files/record.txt", "");
  fs::resize_file(file, file_limits::kRankingFile + 1);
  EXPECT_THROW(read_ranking(file), FileError);
  dir.write("files/record.txt", "old\r\n");
  fs::permissions(file, fs::perms::owner_read);
  try {
    append_ranking_line(file, "new");
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("只读"), std::string::npos) << e.what();
  }
  EXPECT_EQ(dir.read("files/record.txt"), "old\r\n");
}

}  // namespace
}  // namespace tavrel::warmup
