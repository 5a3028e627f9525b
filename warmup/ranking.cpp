// The warm-up ranking file: entry lines, reading, and appending through a renamed copy.
#include "warmup/ranking.h"

#include <stdexcept>

#include "common/data_path.h"
#include "common/gbk.h"
#include "common/replace_file.h"
#include "common/safe_file.h"

namespace fs = std::filesystem;

namespace tavrel::warmup {
namespace {

constexpr std::size_t kShownWidth = 12;  // bytes of the time and score boxes

bool is_present(const fs::path& file) {
  std::error_code ec;
  return fs::symlink_status(file, ec).type() != fs::file_type::not_found && !ec;
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
  if (!is_present(file)) return std::nullopt;
  const std::string content = read_regular_file(file, file_limits::kRankingFile);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

void append_ranking_line(const fs::path& file, std::string_view line) {
  std::string content;
  if (is_present(file)) {
    content = read_regular_file(file, file_limits::kRankingFile);
    // A last line left without its end (the file edited by hand) keeps its own line.
    if (!content.empty() && content.back() != '\n') content += "\r\n";
  }
  content += line;
  content += "\r\n";
  replace_file(file, content);
}

}  // namespace tavrel::warmup
