// The top-ten file and the report values: boundaries, ordering, damaged records, safe rewriting.
#include "article/top_ten.h"

#include <gtest/gtest.h>

#include "article/report.h"
#include "article_fixture.h"
#include "common/safe_file.h"
#include "file_size_limit.h"

namespace tavrel::article {
namespace {

using testing::gbk;

std::vector<TopTenRecord> table(std::initializer_list<int> scores) {
  std::vector<TopTenRecord> records;
  for (int s : scores) records.push_back({"p" + std::to_string(s), s});
  return records;
}

TEST(ReportValues, TheWorkedExampleRoundsFortyFivePointSixUp) {
  const auto v = report_values(120, 6, 2, 30);
  EXPECT_EQ(v.time, "2分30秒");
  EXPECT_EQ(v.right, 114);
  EXPECT_EQ(v.rate, 95);
  EXPECT_EQ(v.speed, 46);
}

TEST(ReportValues, WholeMinutesHalvesToEvenAndCutRate) {
  EXPECT_EQ(report_values(30, 0, 15, 0).time, "15分钟");
  EXPECT_EQ(report_values(1, 0, 0, 45).time, "0分45秒");
  // 5 correct in 120 s is 2.5 per minute: the even neighbour 2; 7 in 120 s is 3.5: 4.
  EXPECT_EQ(report_values(5, 0, 2, 0).speed, 2);
  EXPECT_EQ(report_values(7, 0, 2, 0).speed, 4);
  EXPECT_EQ(report_values(3, 1, 1, 0).rate, 66);  // 66.67 cut
}

TEST(ReportValues, NothingTypedAndATestShorterThanASecondHaveNoSpeed) {
  const auto none = report_values(0, 0, 1, 10);
  EXPECT_EQ(none.rate, 0);
  EXPECT_EQ(none.speed, 0);
  EXPECT_EQ(report_values(5, 0, 0, 0).speed, 0);
}

// Counters that went wrong (more wrong than typed) must not show or file a negative result.
TEST(ReportValues, InconsistentCountersNeverGoBelowZero) {
  const auto v = report_values(3, 4, 0, 20);
  EXPECT_EQ(v.right, 0);
  EXPECT_EQ(v.rate, 0);
  EXPECT_EQ(v.speed, 0);
  EXPECT_EQ(v.wrong, 3);
  EXPECT_FALSE(enters_top_ten({}, -1));
  EXPECT_FALSE(enters_top_ten({}, 0));
}

TEST(ReportValues, ParsesTheClockText) {
  int m = -1, s = -1;
  parse_clock("12:05", m, s);
  EXPECT_EQ(m, 12);
  EXPECT_EQ(s, 5);
  parse_clock("", m, s);
  EXPECT_EQ(m, 0);
  EXPECT_EQ(s, 0);
}

TEST(TopTen, EqualToTheLowestOfTenDoesNotEnterOneMoreDoes) {
  const auto ten = table({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  EXPECT_FALSE(enters_top_ten(ten, 10));
  EXPECT_TRUE(enters_top_ten(ten, 11));
  const auto filed = with_entry(ten, {"new", 11});
  ASSERT_EQ(filed.size(), 10u);
  EXPECT_EQ(filed[9], (TopTenRecord{"new", 11}));
  EXPECT_EQ(filed[8].score, 20);
}

TEST(TopTen, NineRecordsOrAnEmptyTableAcceptAnySpeed) {
  EXPECT_TRUE(enters_top_ten(table({9, 8, 7, 6, 5, 4, 3, 2, 2}), 1));
  EXPECT_TRUE(enters_top_ten({}, 1));
  EXPECT_EQ(with_entry(table({9, 8, 7, 6, 5, 4, 3, 2, 2}), {"x", 1}).size(), 10u);
}

TEST(TopTen, ANewEqualScoreGoesBelowTheExistingOnesAndOrderIsKept) {
  auto records = with_entry({{"a", 50}, {"b", 40}, {"c", 40}, {"d", 30}}, {"n", 40});
  std::vector<std::string> names;
  for (auto& r : records) names.push_back(r.name);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c", "n", "d"}));
  records = with_entry(records, {"top", 60});
  EXPECT_EQ(records[0].name, "top");
  EXPECT_EQ(records[3].name, "c");
  EXPECT_EQ(records[4].name, "n");
}

TEST(TopTenFile, AnEmptyFileTakesTheFirstResultAsOneRecordOfTwentyFourBytes) {
  testing::TempDir dir;
  const auto file = dir.write("files/record.dat", "");
  EXPECT_TRUE(read_top_ten(file).empty());
  file_entry(file, {gbk("张三"), 46});
  const std::string bytes = dir.read("files/record.dat");
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes.substr(1, 4), gbk("张三"));
  EXPECT_EQ(bytes.substr(5, 15), std::string(15, '\0'));
  EXPECT_EQ(bytes.substr(20), std::string("\x2E\0\0\0", 4));
  EXPECT_EQ(read_top_ten(file), (std::vector<TopTenRecord>{{gbk("张三"), 46}}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "files"), {}), 1)
      << "no copy is left beside the file";
}

TEST(TopTenFile, AnEleventhRecordDropsOutAndNegativeAndLargeScoresSurvive) {
  testing::TempDir dir;
  const auto file = dir.write("record.dat", "");
  write_top_ten(file, table({100000, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
  file_entry(file, {"n", 55});
  const auto records = read_top_ten(file);
  ASSERT_EQ(records.size(), 10u);
  EXPECT_EQ(records[0].score, 100000);
  EXPECT_EQ(records[5], (TopTenRecord{"n", 55}));
  EXPECT_EQ(records[9].score, 20);
  EXPECT_EQ(dir.read("record.dat").size(), 240u);
}

TEST(TopTenFile, ADamagedLengthByteReadsAtMostSixteenBytes) {
  testing::TempDir dir;
  std::string record = encode_record({"abcdefghijklmnop", 7});
  record[0] = static_cast<char>(200);
  record[17] = 'X';
  const auto records = read_top_ten(dir.write("record.dat", record));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, "abcdefghijklmnop");
  EXPECT_EQ(records[0].score, 7);
}

TEST(TopTenFile, AFileEndingInsideARecordOrMissingIsAnError) {
  testing::TempDir dir;
  const auto file = dir.write("record.dat", encode_record({"a", 1}) + "short");
  EXPECT_THROW(read_top_ten(file), std::runtime_error);
  EXPECT_THROW(read_top_ten(dir.path() / "none.dat"), std::runtime_error);
}

TEST(TopTenFile, AFailedRewriteLeavesTheOldTable) {
  testing::TempDir dir;
  const auto file = dir.write("record.dat", encode_record({"old", 5}));
  {
    testing::FileSizeLimit full_disk(30);  // the new table needs 48 bytes
    EXPECT_THROW(file_entry(file, {"n", 9}), std::runtime_error);
  }
  EXPECT_EQ(read_top_ten(file), (std::vector<TopTenRecord>{{"old", 5}}));
}

TEST(TopTenFile, ClearingLeavesAnEmptyFile) {
  testing::TempDir dir;
  const auto file = dir.write("record.dat", encode_record({"a", 1}));
  clear_top_ten(file);
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

// The rename used to replace a read-only table anyway; clearing already respected it.
TEST(TopTenFile, AReadOnlyTableIsNeitherRewrittenNorCleared) {
  testing::TempDir dir;
  const auto file = dir.write("record.dat", encode_record({"old", 5}));
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_THROW(file_entry(file, {"n", 9}), FileError);
  EXPECT_THROW(clear_top_ten(file), FileError);
  EXPECT_EQ(read_top_ten(file), (std::vector<TopTenRecord>{{"old", 5}}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TopTenNames, LongNamesAreCutAtACharacterBoundary) {
  const std::string nine = gbk("一二三四五六七八九");  // 18 bytes
  EXPECT_EQ(cut_name(nine), gbk("一二三四五六七八"));
  const std::string odd = "a" + nine;  // the 16-byte cut would split 八
  EXPECT_EQ(cut_name(odd), "a" + gbk("一二三四五六七"));
  EXPECT_EQ(encode_record({odd, 1})[0], 15);
}

}  // namespace
}  // namespace tavrel::article
