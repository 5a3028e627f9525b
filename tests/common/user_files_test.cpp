// Where the files the program writes live: beside the program, or in each user's own folder.
#include "common/user_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <stdexcept>

#include "common/data_path.h"
#include "temp_dir.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;
using testing::CurrentDir;
using testing::TempDir;

TEST(UserFilesDecision, AWritableProgramFolderKeepsItsFiles) {
  EXPECT_EQ(user_files_folder("/work/build/", true, "/x/data", "/home/a"), std::nullopt);
}

TEST(UserFilesDecision, AnUnwritableOrInstalledFolderSendsThemToTheUsersDataFolder) {
  EXPECT_EQ(user_files_folder("/opt/t/", false, "/x/data", "/home/a"), fs::path("/x/data/tavrel"));
  // An installed tree is shared by every user, also by root, who may write anywhere.
  EXPECT_EQ(user_files_folder("/usr/share/tavrel/", true, nullptr, "/root"),
            fs::path("/root/.local/share/tavrel"));
  EXPECT_EQ(user_files_folder("/usr/share/tavrel", true, nullptr, "/root"),
            fs::path("/root/.local/share/tavrel"));
}

TEST(UserFilesDecision, AnUnsetEmptyOrRelativeXdgDataHomeFallsBackToHome) {
  EXPECT_EQ(user_data_folder(nullptr, "/home/a"), fs::path("/home/a/.local/share/tavrel"));
  EXPECT_EQ(user_data_folder("", "/home/a"), fs::path("/home/a/.local/share/tavrel"));
  EXPECT_EQ(user_data_folder("data", "/home/a"), fs::path("/home/a/.local/share/tavrel"));
  EXPECT_EQ(user_data_folder("/d", "/home/a"), fs::path("/d/tavrel"));
}

TEST(ProgramDirectory, BesideItsDataTreeOrInTheInstalledShareFolder) {
  TempDir dir;
  dir.write("build/hzlib/zh1", "x");
  EXPECT_EQ(program_dir_for_executable(dir.path() / "build" / "tavrel"),
            (dir.path() / "build").string() + "/");
  dir.write("usr/share/tavrel/hzlib/zh1", "x");
  dir.write("usr/bin/tavrel", "x");
  EXPECT_EQ(program_dir_for_executable(dir.path() / "usr" / "bin" / "tavrel"),
            (dir.path() / "usr" / "share" / "tavrel").string() + "/");
  // A folder without any data tree stays the program directory, as the build folder always was.
  EXPECT_EQ(program_dir_for_executable(dir.path() / "elsewhere" / "tavrel"),
            (dir.path() / "elsewhere").string() + "/");
}

TEST(ProgramLibrary, BesideTheProgramOrInThePackagesPrivateLibraryFolder) {
  TempDir dir;
  dir.write("build/libwindow.so", "x");
  EXPECT_EQ(program_library_for_executable(dir.path() / "build" / "tavrel", "libwindow.so"),
            dir.path() / "build" / "libwindow.so");
  // Installed: usr/bin/tavrel and usr/lib/<multiarch>/tavrel/, whether the library is there or not.
  const auto installed =
      program_library_for_executable(dir.path() / "usr" / "bin" / "tavrel", "libwindow.so");
  EXPECT_EQ(installed.parent_path().filename(), "tavrel");
  EXPECT_EQ(installed.parent_path().parent_path().parent_path(), dir.path() / "usr" / "lib");
  EXPECT_EQ(installed.filename(), "libwindow.so");
}

// A shipped program tree with blank record files, and a user's folder that starts empty.
class UserFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    program.write("files/phb.txt", std::string(180, ' '));
    program.write("files/record.dat", "");
    program.write("files/base.rtf", "{\\rtf1 x}");
    own = user.path() / "tavrel";
    keep_user_files_in(program.path(), own);
  }
  void TearDown() override { keep_user_files_beside_program(); }

  TempDir program, user;
  fs::path own;
};

TEST_F(UserFiles, FirstUseCopiesTheShippedBlankIntoTheUsersFolder) {
  CurrentDir here(program.path());
  EXPECT_EQ(resolve_path("files\\phb.txt"), own / "phb.txt");
  EXPECT_EQ(user.read("tavrel/phb.txt"), std::string(180, ' '));
  EXPECT_TRUE(path_exists("files\\record.dat"));
  EXPECT_TRUE(fs::exists(own / "record.dat"));
  // Nothing of the user's is left half made, and the shipped blanks are untouched.
  EXPECT_EQ(std::distance(fs::directory_iterator(own), {}), 2);
  EXPECT_EQ(program.read("files/phb.txt"), std::string(180, ' '));
}

TEST_F(UserFiles, ALaterStartKeepsTheUsersRecords) {
  const fs::path phb = resolve_path("files\\phb.txt", program.path());
  user.write("tavrel/phb.txt", "mine");
  keep_user_files_in(program.path(), own);  // the next start
  program.write("files/phb.txt", "a newer blank");
  EXPECT_EQ(resolve_path("files\\phb.txt", program.path()), phb);
  EXPECT_EQ(user.read("tavrel/phb.txt"), "mine");
}

TEST_F(UserFiles, EveryWayOfNamingTheFileReachesTheSameCopy) {
  CurrentDir here(program.path());
  const std::string dir = program.path().string() + "/";
  EXPECT_EQ(resolve_path(dir + "files\\phb.txt"), own / "phb.txt");
  EXPECT_EQ(resolve_path("FILES\\PHB.TXT"), own / "phb.txt");
  EXPECT_EQ(resolve_path("./files/../files/phb.txt"), own / "phb.txt");
  const int fd = open_read_only("files\\phb.txt");
  ASSERT_GE(fd, 0);
  ::close(fd);
  EXPECT_TRUE(fs::exists(own / "phb.txt"));
}

TEST_F(UserFiles, TheRankingWithoutAShippedBlankIsCreatedThereByItsWriter) {
  EXPECT_EQ(resolve_path(program.path().string() + "/files\\record.txt"), own / "record.txt");
  EXPECT_TRUE(fs::is_directory(own));
  EXPECT_FALSE(fs::exists(own / "record.txt"));
}

TEST_F(UserFiles, TeachingDataAndOtherFoldersStayAsTheyAre) {
  EXPECT_EQ(resolve_path("files\\base.rtf", program.path()), program.path() / "files" / "base.rtf");
  TempDir elsewhere;
  elsewhere.write("files/phb.txt", "someone else's tree");
  EXPECT_EQ(resolve_path("files\\phb.txt", elsewhere.path()),
            elsewhere.path() / "files" / "phb.txt");
  EXPECT_FALSE(fs::exists(own));
}

TEST_F(UserFiles, AFolderThatCannotBeMadeIsAnError) {
  user.write("blocked", "a file where the folder should be");
  keep_user_files_in(program.path(), user.path() / "blocked" / "tavrel");
  EXPECT_THROW(resolve_path("files\\phb.txt", program.path()), std::runtime_error);
}

TEST_F(UserFiles, BesideTheProgramAgainNothingIsRedirected) {
  keep_user_files_beside_program();
  EXPECT_EQ(resolve_path("files\\phb.txt", program.path()), program.path() / "files" / "phb.txt");
  EXPECT_FALSE(fs::exists(own));
}

}  // namespace
}  // namespace tavrel
