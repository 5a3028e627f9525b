// Kills every writer of the program's files at random moments, many times, and checks what is on
// disk afterwards: the file must hold its old or its new content whole, and a copy a killed
// write left behind (or the learning history's rollback journal) must be taken up by the next
// write.
// Usage: kill_writers [RUNS]   (per writer; default 200)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "article/top_ten.h"
#include "article/tvm_format.h"
#include "common/replace_file.h"
#include "common/safe_file.h"
#include "drills/records.h"
#include "history/history_store.h"
#include "warmup/ranking.h"

namespace fs = std::filesystem;
using namespace tavrel;

namespace {

std::string read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write(const fs::path& file, const std::string& bytes) {
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

struct Writer {
  const char* name;
  fs::path file;                              // relative to the run's folder
  std::function<void()> set_up;               // the old content, in the current folder
  std::function<void(int round)> write_once;  // one write, as the program makes it
  std::function<std::string()> damage;        // what is wrong with the file, empty when whole
};

const std::vector<article::TopTenRecord> kOldTable{{"old1", 50}, {"old2", 40}, {"old3", 30}};
const std::string kOldArticle = article::convert_text("\xBE\xC9\xCE\xC4\xD5\xC2 ").bytes;  // 旧文章
const std::string kSource = std::string(2000, '\xB0') + "\xA1";
const std::string kNewArticle = article::convert_text(article::source_as_gbk(kSource)).bytes;

// A warm-up game as the recorder writes it: one connection and one transaction per entry.
void add_game(int score) {
  history::HistoryStore("files/history.db")
      .add(history::WarmupGame{0, "2026-01-05 09:00:00", history::kClassicMode, 60, score});
}

// The games must be the three old ones and then the new ones in the order written, each whole.
std::string damage_of_history() {
  const history::History h = history::HistoryStore("files/history.db").load();
  if (h.games.size() < 3) return "an old entry was lost";
  for (std::size_t i = 0; i < h.games.size(); ++i) {
    const history::WarmupGame& g = h.games[i];
    const int expected = i < 3 ? 1000 + static_cast<int>(i) : static_cast<int>(i - 3);
    if (g.score != expected || g.seconds != 60 || g.mode != history::kClassicMode)
      return "entry " + std::to_string(i) + " is wrong";
  }
  return std::string();
}

std::vector<Writer> writers() {
  return {
      {"record.dat 记录", "files/record.dat",
       [] { article::write_top_ten("files/record.dat", kOldTable); },
       [](int round) {
         article::file_entry("files/record.dat", {"n" + std::to_string(round % 9), 20});
       },
       [] {
         const auto table = article::read_top_ten("files/record.dat");
         if (table.size() < 3 || table.size() > 10) return std::string("wrong number of records");
         for (std::size_t i = 0; i < 3; ++i)
           if (!(table[i] == kOldTable[i])) return std::string("an old record was lost");
         return std::string();
       }},
      {"record.dat 清空", "files/record.dat",
       [] { article::write_top_ten("files/record.dat", kOldTable); },
       [](int round) {
         if (round % 2 == 0)
           article::clear_top_ten("files/record.dat");
         else
           article::write_top_ten("files/record.dat", kOldTable);
       },
       [] {
         const auto table = article::read_top_ten("files/record.dat");
         return table.empty() || table == kOldTable ? std::string() : "a half-written table";
       }},
      {"record.txt 排行", "files/record.txt", [] { write("files/record.txt", "old line\r\n"); },
       [](int round) {
         warmup::append_ranking_line("files/record.txt", "entry " + std::to_string(round));
       },
       [] {
         const std::string text = read("files/record.txt");
         if (text.rfind("old line\r\n", 0) != 0) return std::string("the old line was lost");
         if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
           return std::string("a half line at the end");
         return std::string();
       }},
      {"转换 .tvm", "lesson.tvm",
       [] {
         write("lesson.txt", kSource);
         write("lesson.tvm", kOldArticle);
       },
       [](int) { article::convert_file(fs::absolute("lesson.txt")); },
       [] {
         const std::string text = read("lesson.tvm");
         return text == kOldArticle || text == kNewArticle ? std::string()
                                                           : "a half-written article";
       }},
      {"phb.txt 记录", "files/phb.txt", [] { write("files/phb.txt", std::string(180, ' ')); },
       [](int round) {
         drills::save_record(drills::kRecordFile, round % 12, "n", std::to_string(round % 997));
       },
       [] {
         const std::string text = read("files/phb.txt");
         if (text.size() != 180) return std::string("the file changed its size");
         for (std::size_t k = 0; k < 12; ++k) {
           const std::string record = text.substr(k * 15, 15);
           const bool blank = record == std::string(15, ' ');
           const bool saved = record.rfind("n         ", 0) == 0 && record.back() != ' ';
           if (!blank && !saved) return "record " + std::to_string(k) + " is half written";
         }
         return std::string();
       }},
      {"history.db 学习记录", "files/history.db",
       [] {
         for (int score = 1000; score < 1003; ++score) add_game(score);
       },
       [](int round) { add_game(round); }, damage_of_history},
  };
}

int leftover_copies(const fs::path& dir) {
  int n = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    n += entry.path().string().ends_with(".tavrel-new") ||
         entry.path().string().ends_with("-journal");
  return n;
}

struct Tally {
  int runs = 0, damaged = 0, left_after_kill = 0, left_after_next = 0;
  std::string first_damage;
};

Tally run_writer(const Writer& writer, int runs, std::mt19937& random) {
  Tally tally;
  const fs::path base = fs::temp_directory_path() / ("tavrel_kill_" + std::to_string(getpid()));
  std::uniform_int_distribution<int> delay_us(0, 20000);
  for (int run = 0; run < runs; ++run) {
    const fs::path dir = base / std::to_string(run);
    fs::create_directories(dir / "files");
    fs::current_path(dir);
    writer.set_up();
    const pid_t child = fork();
    if (child == 0) {
      try {
        for (int round = 0;; ++round) writer.write_once(round);
      } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", writer.name, e.what());
        _exit(3);
      }
    }
    usleep(static_cast<useconds_t>(delay_us(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ++tally.runs;
    std::string damage;
    try {
      damage = writer.damage();
    } catch (const std::exception& e) {
      damage = e.what();
    }
    if (!damage.empty()) {
      ++tally.damaged;
      if (tally.first_damage.empty()) tally.first_damage = damage;
    }
    tally.left_after_kill += leftover_copies(dir) > 0;
    try {
      writer.write_once(run);  // the program's next write of the same file
    } catch (const std::exception& e) {
      if (tally.first_damage.empty()) tally.first_damage = std::string("next write: ") + e.what();
      ++tally.damaged;
    }
    tally.left_after_next += leftover_copies(dir) > 0;
    fs::current_path(base);
    fs::remove_all(dir);
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(base);
  return tally;
}

}  // namespace

int main(int argc, char** argv) {
  report_oversize_writes();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  std::mt19937 random(
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::printf("%-20s %6s %8s %10s %16s\n", "writer", "runs", "damaged", "copy left",
              "left after next");
  bool sound = true;
  for (const auto& writer : writers()) {
    const Tally t = run_writer(writer, runs, random);
    std::printf("%-20s %6d %8d %10d %16d %s\n", writer.name, t.runs, t.damaged, t.left_after_kill,
                t.left_after_next, t.first_damage.c_str());
    sound = sound && t.damaged == 0 && t.left_after_next == 0;
  }
  return sound ? 0 : 1;
}
