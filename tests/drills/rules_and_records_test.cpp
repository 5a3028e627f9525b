// Run rules (level clock, speed, box walk), judging rules, settings rules and the record file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/gbk.h"
#include "common/safe_file.h"
#include "drills/judging.h"
#include "drills/records.h"
#include "drills/run_rules.h"
#include "drills/settings_rules.h"
#include "platform/keys.h"
#include "temp_dir.h"

namespace tavrel::drills {
namespace {

using testing::CurrentDir;
using testing::TempDir;

// Ticks of the level clock until the time-up, with the ticks that fell half-way.
struct LevelRun {
  int ticks = 0;
  int half_way = 0;
  int first_full = 0;
};

LevelRun run_level(int step) {
  LevelRun run;
  int g1 = 0, g2 = 0;
  while (run.ticks < 1000) {
    LevelTick tick = level_tick(g1, g2, step);
    ++run.ticks;
    run.half_way += tick.half_way;
    run.first_full += tick.first_full;
    if (tick.time_up) break;
  }
  return run;
}

TEST(LevelClock, TimeWindowOfEachLevel) {
  EXPECT_EQ(run_level(1).ticks, 200);
  EXPECT_EQ(run_level(4).ticks, 50);
  EXPECT_EQ(run_level(6).ticks, 34);  // 40.8 s at 1.2 s a tick
  EXPECT_EQ(run_level(10).ticks, 20);
  EXPECT_EQ(run_level(1).half_way, 1);
  EXPECT_EQ(run_level(10).half_way, 1);
  EXPECT_EQ(run_level(6).half_way, 0) << "48, 54: never exactly 50";
  EXPECT_EQ(run_level(4).first_full, 1);

  int g1 = 100, g2 = 100;
  LevelTick after = level_tick(g1, g2, 4);
  EXPECT_TRUE(after.stop);
  EXPECT_EQ(g2, 100);
}

TEST(Speed, RoundsHalvesToEvenAndPicksTheVehicle) {
  EXPECT_EQ(chars_per_minute(40, 60), 40);
  EXPECT_EQ(chars_per_minute(1, 24), 2);   // 2.5
  EXPECT_EQ(chars_per_minute(7, 120), 4);  // 3.5
  EXPECT_EQ(chars_per_minute(119, 70), 102);
  EXPECT_EQ(vehicle_for(29), Vehicle::kBike);
  EXPECT_EQ(vehicle_for(30), Vehicle::kCar);
  EXPECT_EQ(vehicle_for(99), Vehicle::kCar);
  EXPECT_EQ(vehicle_for(100), Vehicle::kPlane);
}

TEST(BoxWalk, RowEndsOfEachBoard) {
  BoxPlace c{8, 44, 0, 0};
  for (int i = 0; i < 15; ++i) c = next_character_place(c);
  EXPECT_EQ(c.left, 8 + 15 * 37);
  c = next_character_place(c);  // the 17th cell: the box stays under the 16th
  EXPECT_EQ(c.column, 16);
  EXPECT_EQ(c.left, 8 + 15 * 37);
  c = next_character_place(c);
  EXPECT_EQ(c.column, 0);
  EXPECT_EQ(c.cell, 17);
  EXPECT_EQ(c.left, 8);
  EXPECT_EQ(c.top, 44 + 63);

  BoxPlace w{2, 34, 0, 0};
  for (int i = 0; i < 4; ++i) w = next_word_place(w);
  EXPECT_EQ(w.left, 2 + 4 * 126);
  w = next_word_place(w);
  EXPECT_EQ(w.left, 2);
  EXPECT_EQ(w.top, 34 + 49);
  EXPECT_EQ(w.cell, 5);

  BoxPlace l{2, 34, 0, 0};
  std::vector<int> cells{l.cell};
  for (int i = 0; i < 5; ++i) cells.push_back((l = next_long_word_place(l)).cell);
  EXPECT_EQ(cells, (std::vector<int>{0, 3, 5, 8, 10, 13}));
  EXPECT_EQ(l.left, 2 + 378);
  EXPECT_EQ(l.top, 34 + 2 * 49);

  BoxPlace p{15, 62, 0, 0};
  for (int i = 0; i < 9; ++i) p = next_picture_place(p);
  EXPECT_EQ(p.left, 15 + 9 * 60);
  p = next_picture_place(p);
  EXPECT_EQ(p.left, 15);
  EXPECT_EQ(p.top, 62 + 72);
}

TEST(Judging, KeyTableDiffersOnlyInStar) {
  for (Family f : {Family::kBasic, Family::kCharacter, Family::kWord}) {
    EXPECT_EQ(key_role(f, vk::kDivide), KeyRole::kSubmit);
    EXPECT_EQ(key_role(f, vk::kSpace), KeyRole::kSubmit);
    EXPECT_EQ(key_role(f, vk::kReturn), KeyRole::kSubmit);
    EXPECT_EQ(key_role(f, vk::kSubtract), KeyRole::kDelete);
    EXPECT_EQ(key_role(f, vk::kDecimal), KeyRole::kDelete);
    EXPECT_EQ(key_role(f, vk::kF1), KeyRole::kHelp);
    EXPECT_EQ(key_role(f, vk::kEscape), KeyRole::kOther);
    EXPECT_EQ(key_role(f, vk::kAdd), KeyRole::kOther);
  }
  EXPECT_EQ(key_role(Family::kWord, vk::kMultiply), KeyRole::kSubmit);
  EXPECT_EQ(key_role(Family::kCharacter, vk::kMultiply), KeyRole::kOther);
  EXPECT_EQ(digit_of_key(vk::kNumpad0 + 7), 7);
  EXPECT_EQ(digit_of_key(vk::kDigit0 + 3), 3);
  EXPECT_EQ(digit_of_key(vk::kDivide), -1);
  EXPECT_TRUE(answer_is_right("123", "123"));
  EXPECT_TRUE(answer_is_right("", ""));
  EXPECT_TRUE(answer_is_right("1a", "1A"));
  EXPECT_FALSE(answer_is_right("1234", "123"));
  EXPECT_FALSE(answer_is_right("12", "123"));
}

TEST(Judging, WrongAnswersPerFamily) {
  // Hint off: the message at every second wrong answer, then counting again.
  for (Family f : {Family::kBasic, Family::kCharacter}) {
    int errors = 0;
    EXPECT_FALSE(count_wrong_answer(f, errors, false, 2).message);
    EXPECT_TRUE(count_wrong_answer(f, errors, false, 2).message);
    EXPECT_EQ(errors, 0);
  }
  // Hint on, after 5: basic speaks at 2-5, typing boxes at 2 and 4.
  std::vector<int> basic, typing;
  int eb = 0, et = 0;
  for (int i = 1; i <= 5; ++i) {
    WrongAnswer b = count_wrong_answer(Family::kBasic, eb, true, 5);
    WrongAnswer t = count_wrong_answer(Family::kWord, et, true, 5);
    if (b.message) basic.push_back(i);
    if (t.message) typing.push_back(i);
    EXPECT_EQ(b.hint, i == 5);
    EXPECT_EQ(t.hint, i == 5);
  }
  EXPECT_EQ(basic, (std::vector<int>{2, 3, 4, 5}));
  EXPECT_EQ(typing, (std::vector<int>{2, 4}));
  EXPECT_EQ(eb, 0);
  EXPECT_EQ(et, 0);
}

TEST(Settings, ContrastColoursAndNumbers) {
  EXPECT_EQ(contrast_colour(0x808000), 0x00FFFFu);
  EXPECT_EQ(contrast_colour(0x408080), 0x00FFFFu);
  EXPECT_EQ(contrast_colour(0x008000), 0xFF00FFu);
  EXPECT_EQ(contrast_colour(0x808080), 0xFF00FFu);
  EXPECT_EQ(contrast_colour(0xFFFFFF), 0x000000u);
  EXPECT_EQ(contrast_colour(0x00FF00), 0xFF00FFu);
  EXPECT_EQ(contrast_colour(0x123456), 0xEDCBA9u);
  EXPECT_EQ(level_step(0), 1);
  EXPECT_EQ(level_step(3), 10);
  EXPECT_EQ(level_step(-1), 1);
  EXPECT_EQ(parse_whole_number("3"), 3);
  EXPECT_EQ(parse_whole_number(" 12 "), 12);
  EXPECT_EQ(parse_whole_number("-4"), -4);
  EXPECT_EQ(parse_whole_number("+7"), 7);
  for (const char* bad : {"", "abc", "3a", "1.5", "+-2", "99999999999"})
    EXPECT_THROW(parse_whole_number(bad), std::invalid_argument) << bad;
}

class RecordFile : public ::testing::Test {
 protected:
  void SetUp() override { dir_.write("files/phb.txt", std::string(180, ' ')); }
  std::string record(int kind) { return dir_.read("files/phb.txt").substr(kind * 15u, 15); }

  TempDir dir_;
  CurrentDir here_{dir_.path()};
};

TEST_F(RecordFile, CheckComparesRightAlignedSpeeds) {
  EXPECT_TRUE(is_new_record(kRecordFile, 3, "0")) << "a blank record is beaten by any speed";
  EXPECT_FALSE(is_new_record(kRecordFile, 3, "")) << "no speed shown is no record";
  save_record(kRecordFile, 3, "a", "85");
  EXPECT_EQ(record(3), "a            85");
  EXPECT_TRUE(is_new_record(kRecordFile, 3, "120"));
  EXPECT_FALSE(is_new_record(kRecordFile, 3, "85"));
  EXPECT_FALSE(is_new_record(kRecordFile, 3, "9"));
  save_record(kRecordFile, 11, "b", "99999");
  EXPECT_FALSE(is_new_record(kRecordFile, 11, "100000")) << "six digits never count";
  EXPECT_FALSE(is_new_record(kRecordFile, 10, "100000")) << "not even against a blank record";
  EXPECT_EQ(speed_for_check("100000"), "");
}

TEST_F(RecordFile, SavedNamesAreTrimmedAndCutAtCharacterBoundaries) {
  save_record(kRecordFile, 0, gbk_from_utf8("  张小明 "), "120");
  EXPECT_EQ(record(0), gbk_from_utf8("张小明") + "    " + "  120");
  // Eleven bytes: a letter and five characters. The fifth character would be split after the
  // tenth byte; it is left out whole and the field blank-filled.
  std::string long_name = "a" + gbk_from_utf8("一二三四五");
  save_record(kRecordFile, 1, long_name, "7");
  EXPECT_EQ(record(1), "a" + gbk_from_utf8("一二三四") + " " + "    7");
  EXPECT_TRUE(is_valid_gbk(record(1)));
  save_record(kRecordFile, 2, gbk_from_utf8("一二三四五六"), "12345");
  EXPECT_EQ(record(2), gbk_from_utf8("一二三四五") + "12345");
  EXPECT_EQ(dir_.read("files/phb.txt").size(), 180u);
  EXPECT_EQ(record(4), std::string(15, ' ')) << "other records untouched";
}

TEST_F(RecordFile, ListingAndBlanking) {
  save_record(kRecordFile, 10, "ten", "33");
  dir_.write("files/phb.txt", dir_.read("files/phb.txt") + "tail bytes");
  auto records = read_records(kRecordFile);
  EXPECT_EQ(records[10], "ten          33");
  EXPECT_EQ(records[11], std::string(15, ' ')) << "bytes after the 180th are ignored";
  blank_records(kRecordFile);
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(190, ' '));

  dir_.write("files/phb.txt", "short");
  records = read_records(kRecordFile);
  EXPECT_EQ(records[0], "short");
  EXPECT_TRUE(records[1].empty());
  EXPECT_THROW(is_new_record(kRecordFile, 0, "1"), std::runtime_error);
  EXPECT_THROW(save_record(kRecordFile, 0, "x", "1"), std::runtime_error);
  EXPECT_EQ(dir_.read("files/phb.txt"), "short") << "a short file is never extended";
  std::filesystem::remove(dir_.path() / "files/phb.txt");
  EXPECT_THROW(read_records(kRecordFile), std::runtime_error);
  EXPECT_THROW(blank_records(kRecordFile), std::runtime_error);
}

// Also for the superuser, a file without write permission is not written; a pipe never blocks.
TEST_F(RecordFile, AReadOnlyFileIsNotWrittenAndAPipeIsRefused) {
  const auto file = dir_.path() / "files/phb.txt";
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  EXPECT_THROW(save_record(kRecordFile, 3, "a", "85"), FileError);
  EXPECT_THROW(blank_records(kRecordFile), FileError);
  EXPECT_EQ(dir_.read("files/phb.txt"), std::string(180, ' '));
  EXPECT_TRUE(is_new_record(kRecordFile, 3, "85")) << "reading still works";
  std::filesystem::remove(file);
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  EXPECT_THROW(read_records(kRecordFile), FileError);
}

}  // namespace
}  // namespace tavrel::drills
