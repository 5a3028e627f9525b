// ByteFile's reads through its block, checked against the file's bytes read here directly.
#include "dictionary/byte_file.h"

#include <gtest/gtest.h>

#include <random>

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

}  // namespace
}  // namespace tavrel
