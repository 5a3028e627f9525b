// ByteFile's reads through its block, checked against the file's bytes read here directly.
#include "dictionary/byte_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "tests/support/temp_dir.h"

namespace tavrel {
namespace {

std::string numbered_bytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class ByteFileTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  testing::CurrentDir in_dir_{dir_.path()};
  ByteFile file_;
};

// Reads of every size up to two blocks at random places, many of them across a block's end,
// and the very first and last bytes.
TEST_F(ByteFileTest, EveryReadGivesExactlyTheFilesBytesWhereverItFalls) {
  const std::size_t size = 3 * ByteFile::kBlockSize + 123;
  const std::string bytes = numbered_bytes(size);
  dir_.write("hzlib/zh2.hz", bytes);
  file_.open("hzlib\\zh2.hz");
  ASSERT_EQ(file_.size(), static_cast<std::int64_t>(size));
  std::mt19937 random(3);
  for (int trial = 0; trial < 2000; ++trial) {
    const std::size_t count = random() % (2 * ByteFile::kBlockSize) + 1;
    const std::size_t offset = random() % (size - count + 1);
    ASSERT_EQ(file_.read(offset, count), bytes.substr(offset, count)) << offset << "+" << count;
  }
  EXPECT_EQ(file_.read(0, 1), bytes.substr(0, 1));
  EXPECT_EQ(file_.read(size - 1, 1), bytes.substr(size - 1));
  EXPECT_EQ(file_.read(ByteFile::kBlockSize - 2, 4), bytes.substr(ByteFile::kBlockSize - 2, 4));
  EXPECT_EQ(file_.read(0, size), bytes);
}

TEST_F(ByteFileTest, ProbesInsideOneBlockCostOneSystemRead) {
  dir_.write("data", numbered_bytes(2 * ByteFile::kBlockSize));
  file_.open("data");
  file_.read(100, 3);
  file_.read(4000, 7);
  file_.read(10, 26);
  EXPECT_EQ(file_.system_reads(), 1);
  file_.read(ByteFile::kBlockSize + 5, 3);
  EXPECT_EQ(file_.system_reads(), 2);
}

// Nothing outlives the open file: a file rewritten between two lookups is read afresh.
TEST_F(ByteFileTest, ReopeningReadsTheFileAsItIsNow) {
  dir_.write("data", std::string(100, 'a'));
  file_.open("data");
  EXPECT_EQ(file_.read(10, 3), "aaa");
  file_.close();
  dir_.write("data", std::string(50, 'b'));
  file_.open("data");
  EXPECT_EQ(file_.size(), 50);
  EXPECT_EQ(file_.read(10, 3), "bbb");
  EXPECT_THROW(file_.read(49, 2), std::runtime_error);
}

TEST_F(ByteFileTest, ReadsBeyondTheEndOrFromAClosedFileAreErrors) {
  dir_.write("data", "0123456789");
  file_.open("data");
  EXPECT_THROW(file_.read(8, 3), std::runtime_error);
  EXPECT_THROW(file_.read(-1, 1), std::runtime_error);
  EXPECT_EQ(file_.read(8, 2), "89");
  file_.close();
  EXPECT_THROW(file_.read(0, 1), std::logic_error);
  EXPECT_THROW(file_.open("missing"), std::runtime_error);
  EXPECT_FALSE(file_.is_open());
}

// The plain spelling opens directly; other letter case and GBK names still go through the
// path mapping.
TEST_F(ByteFileTest, NamesOpenInEverySpellingThePathMappingAccepts) {
  dir_.write("hzlib/zh1", "abc");
  dir_.write("files/课文.txt", "xyz");
  file_.open("HZLIB\\ZH1");
  EXPECT_EQ(file_.read(0, 3), "abc");
  file_.open("files\\\xBF\xCE\xCE\xC4.txt");  // 课文 in GBK
  EXPECT_EQ(file_.read(0, 3), "xyz");
  EXPECT_THROW(file_.open("hzlib"), std::runtime_error);  // a folder is not a file
}

// Kept copies: used again only while the file on disk is the same, settled file.
TEST_F(ByteFileTest, AKeptCopyIsUsedAgainOnlyWhileTheFileIsUnchanged) {
  const std::string first = numbered_bytes(5000);
  dir_.write("hzlib/zh2", first);
  auto open_and_read = [&] {
    file_.open_kept("hzlib\\zh2");
    std::string bytes = file_.read(0, static_cast<std::size_t>(file_.size()));
    const long reads = file_.system_reads();
    file_.close();
    return std::pair{bytes, reads};
  };
  // Just written: the file could change again within the same clock tick, so it is read each time.
  EXPECT_EQ(open_and_read(), std::pair(first, 1L));
  EXPECT_EQ(open_and_read(), std::pair(first, 1L));
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  EXPECT_EQ(open_and_read(), std::pair(first, 1L));  // settled now: this copy is kept
  EXPECT_EQ(open_and_read(), std::pair(first, 0L));
  EXPECT_EQ(open_and_read(), std::pair(first, 0L));

  // Replaced by another file of the same size, then rewritten in place: read anew each time.
  const std::string second = numbered_bytes(5000).replace(0, 3, "new");
  dir_.write("hzlib/zh2.next", second);
  std::filesystem::rename(dir_.path() / "hzlib/zh2.next", dir_.path() / "hzlib/zh2");
  EXPECT_EQ(open_and_read(), std::pair(second, 1L));
  dir_.write("hzlib/zh2", first.substr(0, 4000));
  EXPECT_EQ(open_and_read(), std::pair(first.substr(0, 4000), 1L));

  // Another current directory, another file under the same name.
  testing::TempDir other;
  other.write("hzlib/zh2", "other");
  testing::CurrentDir there(other.path());
  EXPECT_EQ(open_and_read(), std::pair(std::string("other"), 1L));
}

TEST_F(ByteFileTest, KeptOpeningsRefuseWhatPlainOpeningsRefuse) {
  dir_.write("hzlib/zh1", "abc");
  EXPECT_THROW(file_.open_kept("hzlib\\zh9"), std::runtime_error);
  EXPECT_THROW(file_.open_kept("hzlib"), std::runtime_error);
  file_.open_kept("HZLIB\\ZH1");  // found through the path mapping, read as by open()
  EXPECT_EQ(file_.read(0, 3), "abc");
  EXPECT_THROW(file_.read(1, 3), std::runtime_error);
  file_.close();
  EXPECT_FALSE(file_.is_open());
  EXPECT_THROW(file_.read(0, 1), std::logic_error);
}

}  // namespace
}  // namespace tavrel
