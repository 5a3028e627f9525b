// Lookups on the shipped dictionary with a warm file cache, and converting 10 MB of GBK text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "article/tvm_format.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"

namespace {

const std::filesystem::path kData = TAVREL_DATA_DIR;

std::vector<tavrel::dict::DictRecord> shipped(int file_number) {
  std::ifstream in(kData / "hzlib" / ("zh" + std::to_string(file_number)), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  return tavrel::dict::decode_file(bytes, file_number);
}

// Draws records at random so that every probe path is taken, not one cached answer.
template <typename Lookup>
void over_records(benchmark::State& state, int file_number, Lookup lookup) {
  std::filesystem::current_path(kData);
  const auto records = shipped(file_number);
  std::mt19937 random(1);
  tavrel::Ttwo two;
  for (auto _ : state) lookup(two, records[random() % records.size()]);
}

void BM_find_code_characters(benchmark::State& state) {
  over_records(state, 1, [](tavrel::Ttwo& two, const auto& r) {
    two.find_code(tavrel::Ttwo::kScopeCharacters, r.code);
    benchmark::DoNotOptimize(two.itemcount);
  });
}

void BM_find_code_words(benchmark::State& state) {
  over_records(state, 2, [](tavrel::Ttwo& two, const auto& r) {
    two.find_code(tavrel::Ttwo::kScopeWords, r.code);
    benchmark::DoNotOptimize(two.itemcount);
  });
}

void BM_find_word(benchmark::State& state) {
  over_records(state, 2, [](tavrel::Ttwo& two, const auto& r) {
    benchmark::DoNotOptimize(two.find_word(2, r.text));
  });
}

void BM_code_of_zi(benchmark::State& state) {
  over_records(state, 1, [](tavrel::Ttwo& two, const auto& r) {
    benchmark::DoNotOptimize(two.code_of_zi(r.text));
  });
}

// 10 MB of mixed text: characters, punctuation, ASCII and line breaks, in a file.
void BM_convert_10mb_file(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / "tavrel_bench_convert";
  std::filesystem::create_directories(dir);
  const auto source = dir / "big.txt";
  {
    std::mt19937 random(2);
    std::string text;
    while (text.size() < 10 * 1024 * 1024) {
      switch (random() % 8) {
        case 0: text += "\xA3\xAC"; break;  // a full-width comma
        case 1: text += "ab 12\r\n"; break;
        default:
          text += static_cast<char>(0xB0 + random() % 0x28);
          text += static_cast<char>(0xA1 + random() % 0x5E);
      }
    }
    std::ofstream(source, std::ios::binary).write(text.data(), text.size());
  }
  for (auto _ : state) benchmark::DoNotOptimize(tavrel::article::convert_file(source).characters);
  std::filesystem::remove_all(dir);
}

BENCHMARK(BM_find_code_characters);
BENCHMARK(BM_find_code_words);
BENCHMARK(BM_find_word);
BENCHMARK(BM_code_of_zi);
BENCHMARK(BM_convert_10mb_file)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
