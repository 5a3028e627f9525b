// tavrel-tool run as a teacher runs it, checked against its data files read here on their own.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "article_fixture.h"

#ifdef TAVREL_TOOL_PATH
namespace tavrel::article {
namespace {

const std::filesystem::path kTool = TAVREL_TOOL_PATH;

struct ToolRun {
  int status;
  std::string out;
};

ToolRun run_tool(const std::string& arguments) {
  ToolRun run{-1, {}};
  const std::string command = "'" + kTool.string() + "' " + arguments + " 2>/dev/null";
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
      run.out.append(buffer.data(), n);
    run.status = WEXITSTATUS(pclose(pipe));
  }
  return run;
}

// (code, GBK character) records of the tool's "hzlib/zh1", decoded nibble by nibble.
std::vector<std::pair<std::string, std::string>> read_characters() {
  std::ifstream in(kTool.parent_path() / "hzlib" / "zh1", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::vector<std::pair<std::string, std::string>> records;
  for (std::size_t at = 0; at + 5 <= bytes.size(); at += 5) {
    std::string code;
    for (std::size_t nibble = 0; nibble < 6; ++nibble) {
      const unsigned byte = static_cast<unsigned char>(bytes[at + nibble / 2]);
      const unsigned digit = nibble % 2 == 0 ? byte >> 4 : byte & 0xF;
      if (digit > 9) break;
      code += static_cast<char>('0' + digit);
    }
    records.emplace_back(code, bytes.substr(at + 3, 2));
  }
  return records;
}

TEST(Companion, LookupAndCodeOfAgreeWithTheDictionaryFile) {
  const auto records = read_characters();
  if (records.empty()) GTEST_SKIP() << "no data tree beside " << kTool;
  for (std::size_t i = 0; i < records.size(); i += records.size() / 25) {
    const std::string& code = records[i].first;
    std::string expected;
    for (const auto& [c, text] : records)
      if (c == code) expected += utf8_from_gbk(text) + "\n";
    ToolRun lookup = run_tool("lookup " + code);
    EXPECT_EQ(lookup.status, 0);
    EXPECT_EQ(lookup.out, expected) << code;

    const std::string zi = records[i].second;
    std::string first_code;
    for (const auto& [c, text] : records)
      if (text == zi) {
        first_code = c;
        break;
      }
    ToolRun code_of = run_tool("code-of " + utf8_from_gbk(zi));
    EXPECT_EQ(code_of.out, first_code + "\n") << utf8_from_gbk(zi);
  }
}

TEST(Companion, SegmentMarksListedWordsInAlternatingColours) {
  if (!std::filesystem::exists(kTool.parent_path() / "test.tvm"))
    GTEST_SKIP() << "no data tree beside " << kTool;
  ToolRun run = run_tool("segment '" + (kTool.parent_path() / "test.tvm").string() + "'");
  ASSERT_EQ(run.status, 0);
  std::vector<std::pair<std::string, std::string>> words;  // (UTF-8 word, colour)
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    words.emplace_back(line.substr(0, tab), line.substr(tab + 1));
  }
  ASSERT_GT(words.size(), 100u);
  for (std::size_t i = 0; i < words.size(); ++i)
    EXPECT_EQ(words[i].second, i % 2 == 0 ? "fuchsia" : "blue") << i;
  // Every marked word is a listed word of the dictionary beside the tool.
  for (std::size_t i = 0; i < words.size(); i += words.size() / 25)
    EXPECT_EQ(run_tool("is-word " + words[i].first).out, "yes\n") << words[i].first;
  EXPECT_NE(run_tool("segment /nonexistent/file.tvm").status, 0);
}

TEST(Companion, ConvertWritesThePracticeFileAndBadInputFailsOnStandardError) {
  testing::TempDir dir;
  dir.write("lesson.txt", testing::gbk("学而时习之，不亦说乎？"));
  ToolRun convert = run_tool("convert '" + (dir.path() / "lesson.txt").string() + "'");
  EXPECT_EQ(convert.status, 0);
  EXPECT_EQ(convert.out, "9\n");
  EXPECT_EQ(dir.read("lesson.tvm"), convert_text(testing::gbk("学而时习之不亦说乎")).bytes);

  dir.write("lesson2.tvm", "keep");
  EXPECT_NE(run_tool("convert '" + (dir.path() / "lesson2.tvm").string() + "'").status, 0);
  EXPECT_EQ(dir.read("lesson2.tvm"), "keep");
  for (const char* bad :
       {"lookup 12a", "lookup 1234567", "code-of 的的", "is-word abc", "frobnicate x"}) {
    ToolRun run = run_tool(bad);
    EXPECT_NE(run.status, 0) << bad;
    EXPECT_TRUE(run.out.empty()) << bad;
  }
}

// The kernel ends a process that writes past its file-size limit unless the program asks for
// the error instead; the tool must report the full file and leave the old practice file.
TEST(Companion, AConversionBeyondTheFileSizeLimitIsReportedNotKilled) {
  testing::TempDir dir;
  std::string text;
  for (int i = 0; i < 3000; ++i) text += testing::nth_char(i % 90);
  const auto source = dir.write("big.txt", text);
  dir.write("big.tvm", "old");
  const pid_t child = fork();
  if (child == 0) {
    struct rlimit small {
      1000, 1000
    };
    setrlimit(RLIMIT_FSIZE, &small);
    const int quiet = ::open("/dev/null", O_WRONLY);
    dup2(quiet, 2);
    execl(kTool.c_str(), kTool.c_str(), "convert", source.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  EXPECT_EQ(dir.read("big.tvm"), "old");
}

}  // namespace
}  // namespace tavrel::article
#endif
