// Lookups on the shipped dictionary with a warm file cache, automatic word segmentation of the
// shipped article and of a 10,000-character one, and converting 10 MB of GBK text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "article/article_box.h"
#include "article/segmentation.h"
#include "article/tvm_format.h"
#include "common/gbk.h"
#include "common/safe_file.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"

namespace {

const std::filesystem::path kData = TAVREL_DATA_DIR;
const std::filesystem::path kDefaultArticle = TAVREL_DEFAULT_ARTICLE;

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

// 10 MB of mixed GBK text: characters, punctuation, ASCII and line breaks. Converted in memory:
// a file this long is refused after converting, as its practice file would pass the size limit.
void BM_convert_10mb_text(benchmark::State& state) {
  std::mt19937 random(2);
  std::string text;
  while (text.size() < 10 * 1024 * 1024) {
    switch (random() % 8) {
      case 0:
        text += "\xA3\xAC";
        break;  // a full-width comma
      case 1:
        text += "ab 12\r\n";
        break;
      default:
        text += static_cast<char>(0xB0 + random() % 0x28);
        text += static_cast<char>(0xA1 + random() % 0x5E);
    }
  }
  for (auto _ : state) benchmark::DoNotOptimize(tavrel::article::convert_text(text).characters);
}

// Segments the practice text `tvm` afresh on every iteration (the box is reloaded, so nothing of
// the previous scan's colours remains) and reports the words found and the lookups made.
void segment_practice_text(benchmark::State& state, const std::string& tvm) {
  std::filesystem::current_path(kData);
  const auto lines = tavrel::article::split_box_lines(tvm);
  tavrel::Ttwo two;
  tavrel::article::Segmentation last;
  for (auto _ : state) {
    state.PauseTiming();
    tavrel::article::ArticleBox box;
    box.load(lines, 0);
    state.ResumeTiming();
    last = tavrel::article::segment(
        box, [&](int length, std::string_view word) { return two.find_word(length, word); });
  }
  state.counters["find_word"] = static_cast<double>(last.lookups);
  state.counters["words"] = static_cast<double>(last.words.size());
}

void BM_segment_shipped_article(benchmark::State& state) {
  segment_practice_text(state, tavrel::article::read_practice_file(kData / "test.tvm"));
}

// The default article's text repeated to at least 10,000 characters, converted as the practice
// window converts a chosen file.
tavrel::article::Conversion ten_thousand_character_article() {
  const std::string once = tavrel::gbk_from_utf8(
      tavrel::read_regular_file(kDefaultArticle, tavrel::file_limits::kConversionSource));
  const std::int64_t per_copy = tavrel::article::convert_text(once).characters;
  std::string text;
  for (std::int64_t characters = 0; characters < 10000; characters += per_copy) text += once;
  return tavrel::article::convert_text(text);
}

void BM_segment_10000_characters(benchmark::State& state) {
  const auto article = ten_thousand_character_article();
  state.counters["characters"] = static_cast<double>(article.characters);
  segment_practice_text(state, article.bytes);
}

BENCHMARK(BM_find_code_characters);
BENCHMARK(BM_find_code_words);
BENCHMARK(BM_find_word);
BENCHMARK(BM_code_of_zi);
BENCHMARK(BM_segment_shipped_article)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_segment_10000_characters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_convert_10mb_text)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
