// Whole-file reads refuse what is no regular file or too large; rewrites refuse links and
// read-only files, reuse a killed write's copy, and report a full file instead of dying.
#include "common/safe_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "common/replace_file.h"
#include "file_size_limit.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

template <typename Call>
std::string error_of(Call call) {
  try {
    call();
  } catch (const FileError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(ReadRegularFile, ReadsAFileWithinItsLimit) {
  TempDir dir;
  const auto file = dir.write("a.tvm", "abc");
  EXPECT_EQ(read_regular_file(file, 3), "abc");
  EXPECT_EQ(read_regular_file(dir.write("empty", ""), 0), "");
}

// A pipe would hold the opening for ever; a folder would be read as a huge size.
TEST(ReadRegularFile, RefusesPipesFoldersAndOversizeFilesWithReasons) {
  TempDir dir;
  const auto pipe = dir.path() / "test.tvm";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_NE(error_of([&] { read_regular_file(pipe, 100); }).find("不是普通文件"),
            std::string::npos);
  fs::create_directory(dir.path() / "record.txt");
  EXPECT_NE(error_of([&] { read_regular_file(dir.path() / "record.txt", 100); }).find("文件夹"),
            std::string::npos);
  const auto big = dir.write("big.tvm", std::string(2049, 'x'));
  const std::string too_big = error_of([&] { read_regular_file(big, 2048); });
  EXPECT_NE(too_big.find("太大"), std::string::npos) << too_big;
  EXPECT_NE(too_big.find("2 KB"), std::string::npos) << too_big;
  const std::string missing = error_of([&] { read_regular_file(dir.path() / "none", 10); });
  EXPECT_NE(missing.find("不存在"), std::string::npos) << missing;
  EXPECT_NO_THROW(check_regular_file(dir.path() / "none", 10));
  EXPECT_THROW(check_regular_file(pipe, 10), FileError);
}

TEST(ReplaceFile, ReadOnlyFilesAndLinksAreRefusedAndLeftAsTheyWere) {
  TempDir dir;
  const auto file = dir.write("files/record.dat", "old");
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  EXPECT_NE(error_of([&] { replace_file(file, "new"); }).find("只读"), std::string::npos);
  EXPECT_EQ(dir.read("files/record.dat"), "old");

  const auto target = dir.write("elsewhere.txt", "someone else's");
  const auto link = dir.path() / "a.tvm";
  fs::create_symlink(target, link);
  EXPECT_NE(error_of([&] { replace_file(link, "converted"); }).find("符号链接"), std::string::npos);
  EXPECT_EQ(dir.read("elsewhere.txt"), "someone else's");
  EXPECT_TRUE(fs::is_symlink(link));
}

// A write killed after creating its copy leaves it; the next write reuses and renames it.
TEST(ReplaceFile, AKilledWritesCopyIsReusedAndALinkInItsPlaceIsNotFollowed) {
  TempDir dir;
  const auto file = dir.write("files/record.txt", "old");
  dir.write("files/record.txt.tavrel-new", "half of a killed write, longer than the new one");
  replace_file(file, "new");
  EXPECT_EQ(dir.read("files/record.txt"), "new");
  EXPECT_FALSE(fs::exists(temporary_copy_of(file)));

  const auto victim = dir.write("victim", "untouched");
  fs::create_symlink(victim, temporary_copy_of(file));
  replace_file(file, "newer");
  EXPECT_EQ(dir.read("files/record.txt"), "newer");
  EXPECT_EQ(dir.read("victim"), "untouched");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "files"), {}), 1);
}

// In a child process: a write past a small file-size limit; exits 7 when it was reported.
void write_past_the_limit(const fs::path& file) {
  std::signal(SIGXFSZ, SIG_DFL);
  report_oversize_writes();
  struct rlimit small {};
  small.rlim_cur = small.rlim_max = 100;
  setrlimit(RLIMIT_FSIZE, &small);
  try {
    replace_file(file, std::string(1000, 'x'));
  } catch (const FileError&) {
    std::_Exit(7);
  }
  std::_Exit(0);
}

// Without report_oversize_writes the kernel's signal ends the process in the middle of a write.
TEST(ReportOversizeWrites, AWriteBeyondTheLimitFailsInsteadOfKillingTheProgram) {
  TempDir dir;
  EXPECT_EXIT(write_past_the_limit(dir.path() / "record.dat"), ::testing::ExitedWithCode(7), "");
}

TEST(ChineseReason, CommonErrorsReadAsChineseAndOthersKeepTheirNumber) {
  EXPECT_EQ(chinese_reason(ENOSPC), "磁盘已满");
  EXPECT_EQ(chinese_reason(EACCES), "没有访问权限");
  EXPECT_EQ(chinese_reason(9999), "系统错误（代码 9999）");
}

}  // namespace
}  // namespace tavrel
