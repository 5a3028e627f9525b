// Whole-file rewrites: the old content or the new, never a part, and no copy left behind.
#include "common/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/safe_file.h"
#include "file_size_limit.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::size_t entries(const fs::path& dir) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
}

mode_t permissions(const fs::path& file) {
  struct stat info {};
  EXPECT_EQ(::stat(file.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(ReplaceFile, NewContentReplacesTheOldAndKeepsItsPermissions) {
  TempDir dir;
  const auto file = dir.write("files/record.dat", "old content that is longer");
  ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
  replace_file(file, "new");
  EXPECT_EQ(dir.read("files/record.dat"), "new");
  EXPECT_EQ(permissions(file), 0600u);
  replace_file(file, "");
  EXPECT_EQ(dir.read("files/record.dat"), "");
  EXPECT_EQ(entries(dir.path() / "files"), 1u);
}

TEST(ReplaceFile, AMissingFileIsCreatedReadableByAll) {
  TempDir dir;
  const auto file = dir.path() / "record.txt";
  replace_file(file, std::string("a\0b", 3));
  EXPECT_EQ(dir.read("record.txt"), std::string("a\0b", 3));
  EXPECT_EQ(permissions(file), 0644u);
}

// The disk fills up half-way through the new content.
TEST(ReplaceFile, AFailedWriteLeavesTheOldFileAndNoCopy) {
  TempDir dir;
  const std::string old(200, 'x');
  const auto file = dir.write("files/record.dat", old);
  try {
    testing::FileSizeLimit full_disk(230);
    replace_file(file, std::string(300, 'y'));
    ADD_FAILURE() << "the write did not fail";
  } catch (const FileError& e) {
    EXPECT_EQ(e.error(), EFBIG);
    const std::string text = e.what();
    EXPECT_NE(text.find("record.dat"), std::string::npos) << text;
    EXPECT_NE(text.find("文件保持原样：文件超过了系统允许的大小"), std::string::npos) << text;
  }
  EXPECT_EQ(dir.read("files/record.dat"), old);
  EXPECT_EQ(entries(dir.path() / "files"), 1u);
}

TEST(ReplaceFile, AMissingFolderIsAnErrorAndNothingIsCreated) {
  TempDir dir;
  EXPECT_THROW(replace_file(dir.path() / "files" / "record.dat", "x"), FileError);
  EXPECT_EQ(entries(dir.path()), 0u);
}

}  // namespace
}  // namespace tavrel
