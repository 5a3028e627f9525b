// Mapping of the program's paths onto the file system, and INI values.
#include <gtest/gtest.h>

#include "common/data_path.h"
#include "common/ini_file.h"
#include "common/safe_file.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

using testing::CurrentDir;
using testing::TempDir;

TEST(DataPath, BackslashesAndExactNames) {
  TempDir dir;
  auto file = dir.write("hzlib/zh1", "x");
  EXPECT_EQ(resolve_path("hzlib\\zh1", dir.path()), file);
  EXPECT_EQ(resolve_path("hzlib/zh1", dir.path()), file);
  EXPECT_EQ(resolve_path("hzlib\\\\zh1", dir.path()), file);
}

TEST(DataPath, FindsANameThatDiffersOnlyInCaseButPrefersTheExactOne) {
  TempDir dir;
  auto jiayou = dir.write("sound/Jiayou.wav", "x");
  EXPECT_EQ(resolve_path("sound\\jiayou.wav", dir.path()), jiayou);
  EXPECT_EQ(resolve_path("SOUND\\JIAYOU.WAV", dir.path()), jiayou);
  auto lower = dir.write("sound/jiayou.wav", "y");
  EXPECT_EQ(resolve_path("sound\\jiayou.wav", dir.path()), lower);
  EXPECT_EQ(resolve_path("sound\\Jiayou.wav", dir.path()), jiayou);
}

TEST(DataPath, GbkNamesFindTheirUtf8Files) {
  TempDir dir;
  auto picture = dir.write("statement/中.bmp", "x");
  EXPECT_EQ(resolve_path("statement\\\xD6\xD0.bmp", dir.path()), picture);
  // A UTF-8 spelling is used as it stands.
  EXPECT_EQ(resolve_path("statement\\中.bmp", dir.path()), picture);
}

TEST(DataPath, MissingNamesKeepTheirDecodedSpellingSoFilesCanBeCreated) {
  TempDir dir;
  EXPECT_EQ(resolve_path("files\\\xD6\xD0.tvm", dir.path()), dir.path() / "files" / "中.tvm");
  EXPECT_EQ(resolve_path("files\\new.txt", dir.path()), dir.path() / "files" / "new.txt");
}

TEST(DataPath, RelativePathsFollowTheCurrentDirectoryAndAbsoluteOnesDoNot) {
  TempDir dir;
  auto file = dir.write("images/1.jpg", "x");
  {
    CurrentDir here(dir.path());
    EXPECT_TRUE(path_exists("images\\1.jpg"));
    EXPECT_TRUE(path_exists((dir.path() / "images" / "1.jpg").string()));
  }
  TempDir elsewhere;
  CurrentDir there(elsewhere.path());
  EXPECT_FALSE(path_exists("images\\1.jpg"));
  EXPECT_TRUE(path_exists(dir.path().string() + "/images\\1.JPG"));
}

TEST(DataPath, ProgramDirectoryEndsWithSeparator) {
  std::string dir = program_dir_from("ignored");
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(Ini, FindsValuesRegardlessOfNameCase) {
  const char* text =
      "; the online page\r\n"
      "[Other]\r\nAddress=http://wrong\r\n"
      "[serversetup]\r\n  ADDRESS = http://a.example/x \r\n"
      "Address=http://second\r\n";
  EXPECT_EQ(ini_value(text, "ServerSetup", "Address"), "http://a.example/x");
  EXPECT_EQ(ini_value(text, "Other", "address"), "http://wrong");
}

TEST(Ini, AbsentSectionKeyOrFileGivesNothing) {
  EXPECT_EQ(ini_value("[ServerSetup]\nPort=80\n", "ServerSetup", "Address"), std::nullopt);
  EXPECT_EQ(ini_value("Address=x\n", "ServerSetup", "Address"), std::nullopt);
  EXPECT_EQ(ini_value("", "ServerSetup", "Address"), std::nullopt);
  EXPECT_EQ(ini_value("[ServerSetup\nAddress=x", "ServerSetup", "Address"), std::nullopt);
  EXPECT_EQ(read_ini_value("/nonexistent/Server.ini", "ServerSetup", "Address"), std::nullopt);
}

TEST(Ini, QuotesEmptyValuesAndComments) {
  EXPECT_EQ(ini_value("[S]\nK=\"a b\"\n", "S", "K"), "a b");
  EXPECT_EQ(ini_value("[S]\nK=\n", "S", "K"), "");
  EXPECT_EQ(ini_value("[S]\n#K=1\n;K=2\nK=3", "S", "K"), "3");
  TempDir dir;
  auto file = dir.write("Server.ini", "[ServerSetup]\nAddress=https://x.example/\n");
  EXPECT_EQ(read_ini_value(file, "ServerSetup", "Address"), "https://x.example/");
}

// Editors on Linux and Windows save UTF-8 with a byte-order mark in front of the first section.
TEST(Ini, AByteOrderMarkBeforeTheFirstSectionIsSkipped) {
  EXPECT_EQ(ini_value("\xEF\xBB\xBF[ServerSetup]\r\nAddress=https://x.example/\r\n", "ServerSetup",
                      "Address"),
            "https://x.example/");
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "Server.ini");
  EXPECT_THROW(read_ini_value(dir.path() / "Server.ini", "ServerSetup", "Address"), FileError);
}

}  // namespace
}  // namespace tavrel
