// gen_data: regenerates the committed teaching data under data/ from the public sources.
#include <exception>
#include <fstream>
#include <iostream>

#include "tools/gen_data/generate.h"
#include "tools/gen_data/sources.h"
#include "tools/gen_data/summary.h"

int main(int argc, char** argv) {
  if (argc != 9) {
    std::cerr << "usage: gen_data <Unihan_DictionaryLikeData.txt> <Unihan_Readings.txt> "
                 "<strokes.tsv> <code_overrides.tsv> <jieba dict.txt> <confirming words> "
                 "<article.txt> <data dir>\n";
    return 2;
  }
  try {
    tavrel::gen::SourceFiles sources{argv[1], argv[2], argv[3], argv[4], argv[5], argv[7], argv[6]};
    auto figures = tavrel::gen::generate_data(sources, argv[8]);
    std::ifstream readings(argv[2], std::ios::binary);
    std::cout << tavrel::gen::describe_character_codes(figures)
              << tavrel::gen::describe_data(argv[8],
                                            tavrel::gen::read_running_text_counts(readings));
  } catch (const std::exception& error) {
    std::cerr << "gen_data: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
