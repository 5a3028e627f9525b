// The warm-up ranking file: entry lines, reading, and appending through a renamed copy.
#include "warmup/ranking.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "common/data_path.h"
#include "common/gbk.h"
#include "common/replace_file.h"

namespace fs = std::filesystem;

namespace tavrel::warmup {
namespace {

constexpr std::size_t kShownWidth = 12;  // bytes of the time and score boxes

std::runtime_error write_error(const fs::path& file, int error) {
  return std::runtime_error("无法写入排行榜文件 " + file.string() + "：" + std::strerror(error));
}

}  // namespace

fs::path ranking_path(std::string_view program_dir) {
  return resolve_path(std::string(program_dir) + "files\\record.txt");
}

std::string ranking_line(std::string_view date, std::string_view name, std::string_view game_time,
                         std::string_view game_score) {
  std::string line(date);
  line += ": ";
  line += name;
  line += gbk_from_utf8(" 用时：");
  line += game_time;
  line += gbk_from_utf8(" 成绩：");
  line += game_score;
  return line;
}

std::string with_unit(std::string_view value, std::string_view unit) {
  std::string text(value);
  text += unit;
  return std::string(gbk_prefix(text, kShownWidth));
}

std::optional<std::vector<std::string>> read_ranking(const fs::path& file) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  if (in.bad()) throw std::runtime_error("cannot read " + file.string());
  return lines;
}

void append_ranking_line(const fs::path& file, std::string_view line) {
  std::string content;
  struct stat old_stat {};
  if (::stat(file.c_str(), &old_stat) == 0) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream old;
    if (!in || (old_stat.st_size > 0 && !(old << in.rdbuf()))) throw write_error(file, EIO);
    content = std::move(old).str();
    // A last line left without its end (the file edited by hand) keeps its own line.
    if (!content.empty() && content.back() != '\n') content += "\r\n";
  }
  content += line;
  content += "\r\n";

  try {
    replace_file(file, content);
  } catch (const std::system_error& e) {
    throw write_error(file, e.code().value());
  }
}

}  // namespace tavrel::warmup
