// The whole generation: public sources and the team's article in, the data tree out.
#pragma once

#include <filesystem>

#include "tools/gen_data/code_table.h"
#include "tools/gen_data/data_files.h"

namespace tavrel::gen {

struct SourceFiles {
  std::filesystem::path unihan;     // Unihan_DictionaryLikeData.txt, decompressed
  std::filesystem::path word_list;  // jieba's dict.txt
  std::filesystem::path article;    // the default article, UTF-8
};

// Writes the dictionary, the drill lists, the record files and "test.tvm" under `data_dir`.
// Throws std::runtime_error when a source cannot be read or the article has an uncoded character.
void generate_data(const SourceFiles& sources, const std::filesystem::path& data_dir,
                   const ListSizes& sizes = {});

}  // namespace tavrel::gen
