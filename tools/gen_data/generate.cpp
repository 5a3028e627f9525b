// Reads the sources, builds the code table and writes every generated file.
#include "tools/gen_data/generate.h"

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "common/gbk.h"
#include "tools/gen_data/overrides.h"
#include "tools/gen_data/practice_file.h"
#include "tools/gen_data/sources.h"
#include "tools/gen_data/strokes.h"

namespace tavrel::gen {
namespace {

std::ifstream open_source(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return in;
}

std::string read_text(const std::filesystem::path& path) {
  auto in = open_source(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first field of every line, as GBK; words GBK cannot hold are left out.
std::set<std::string> confirmed_words(const std::filesystem::path& path) {
  std::set<std::string> words;
  if (path.empty()) return words;
  auto in = open_source(path);
  for (std::string line; std::getline(in, line);) {
    const std::string word = line.substr(0, line.find_first_of(" \t"));
    bool lossless = false;
    std::string gbk = gbk_from_utf8(word, &lossless);
    if (lossless && !gbk.empty()) words.insert(std::move(gbk));
  }
  return words;
}

}  // namespace

CharacterCodeFigures generate_data(const SourceFiles& sources,
                                   const std::filesystem::path& data_dir, const ListSizes& sizes) {
  auto unihan = open_source(sources.unihan);
  auto readings = open_source(sources.readings);
  auto strokes = open_source(sources.strokes);
  auto overrides = open_source(sources.overrides);
  auto dict = open_source(sources.word_list);
  const CharacterCodes codes = code_characters(
      read_four_corner_values(unihan), read_stroke_data(strokes), read_code_overrides(overrides));
  const CodeTable table =
      build_code_table(codes.by_utf8, read_running_text_counts(readings), read_word_list(dict));

  std::set<std::string> coded;
  for (const auto& c : table.characters) coded.insert(c.text);
  const std::string article = article_characters(read_text(sources.article), coded);

  write_dictionary_files(table, data_dir);
  write_drill_lists(table, sizes, data_dir, confirmed_words(sources.confirming_words));
  write_record_files(data_dir);
  write_data_file(data_dir, "test.tvm", practice_file_bytes(article));
  return codes.figures;
}

}  // namespace tavrel::gen
