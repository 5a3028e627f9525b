// gen_data: regenerates the committed teaching data under data/ from the public sources.
#include <exception>
#include <iostream>

#include "tools/gen_data/generate.h"
#include "tools/gen_data/summary.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: gen_data <Unihan_DictionaryLikeData.txt> <jieba dict.txt> "
                 "<article.txt> <data dir>\n";
    return 2;
  }
  try {
    tavrel::gen::generate_data({argv[1], argv[2], argv[3]}, argv[4]);
    std::cout << tavrel::gen::describe_data(argv[4]);
  } catch (const std::exception& error) {
    std::cerr << "gen_data: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
