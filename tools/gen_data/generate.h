// The whole generation: public sources and the team's article in, the data tree out.
#pragma once

#include <filesystem>

#include "tools/gen_data/character_codes.h"
#include "tools/gen_data/code_table.h"
#include "tools/gen_data/data_files.h"

namespace tavrel::gen {

struct SourceFiles {
  std::filesystem::path unihan;     // Unihan_DictionaryLikeData.txt, decompressed
  std::filesystem::path readings;   // Unihan_Readings.txt, decompressed
  std::filesystem::path strokes;    // the stroke data extracted by extract_strokes.js
  std::filesystem::path overrides;  // the reviewed code overrides
  std::filesystem::path word_list;  // jieba's dict.txt
  std::filesystem::path article;    // the default article, UTF-8
  // A second, independent word list (one word a line, first field, UTF-8); the word drills take
  // only words it confirms. None when empty.
  std::filesystem::path confirming_words;
};

// Writes the dictionary, the drill lists, the record files and "test.tvm" under `data_dir`, and
// returns how the character codes were found. Throws std::runtime_error when a source cannot be
// read, a character cannot be coded or the article has an uncoded character; then nothing is
// written.
CharacterCodeFigures generate_data(const SourceFiles& sources,
                                   const std::filesystem::path& data_dir,
                                   const ListSizes& sizes = {});

}  // namespace tavrel::gen
