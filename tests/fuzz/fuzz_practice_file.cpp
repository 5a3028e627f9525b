// Fuzz target: practice files ("*.tvm") loaded into the article box, typed on with keys taken
// from the input, then marked by automatic segmentation. The counters must stay consistent.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "article/segmentation.h"
#include "article/tvm_format.h"
#include "article/typing_session.h"
#include "dictionary/dict_format.h"
#include "fuzz_support.h"

namespace {

// A small dictionary of a few characters and words, written once.
void write_dictionary() {
  static bool written = false;
  if (written) return;
  written = true;
  using tavrel::dict::DictRecord;
  const std::string one = "\xD2\xBB", two = "\xB6\xFE", three = "\xC8\xFD";  // 一 二 三
  for (int n = 1; n <= 5; ++n) {
    std::vector<DictRecord> records;
    if (n == 1) records = {{"1", one}, {"2", two}, {"3", three}, {"3", one}};
    if (n == 2) records = {{"12", one + two}};
    if (n == 3) records = {{"123", one + two + three}};
    if (records.empty()) records = {{"999999", std::string(n == 5 ? 10 : 2 * n, '\xF7')}};
    tavrel::dict::sort_by_code(records);
    tavrel::fuzz::put("hzlib/zh" + std::to_string(n), tavrel::dict::encode_file(records, n));
    tavrel::dict::sort_by_text(records);
    tavrel::fuzz::put("hzlib/zh" + std::to_string(n) + ".hz",
                      tavrel::dict::encode_file(records, n));
  }
}

void check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  write_dictionary();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = size / 2;
  const auto file = tavrel::fuzz::put("lesson.tvm", bytes.substr(0, split));
  tavrel::Ttwo dictionary;
  tavrel::Ttwo* shared = &dictionary;
  tavrel::article::TypingSession session(shared);
  try {
    const auto lines = tavrel::article::split_box_lines(tavrel::article::read_practice_file(file));
    session.on_article_end = [&] { session.load(lines); };
    session.load(lines);
    tavrel::article::segment(session.box, [&](int length, std::string_view word) {
      return dictionary.find_word(length, word);
    });
    static const char keys[] = "0123456789/* +-.\b\r";
    for (std::size_t i = split; i < size; ++i) {
      const char k = keys[static_cast<unsigned char>(bytes[i]) % (sizeof keys - 1)];
      const auto result = session.key_press(k, false, true);
      if (!result.consumed && result.key >= '0' && result.key <= '9' && session.code.size() < 6)
        session.code += result.key;
      if (!result.consumed && result.key == '\b' && !session.code.empty()) session.code.pop_back();
      check(session.wrong >= 0 && session.wrong <= session.typed);
      check(session.errata.size() == static_cast<std::size_t>(session.wrong));
      if (i % 97 == 0) session.tick();
    }
  } catch (const std::runtime_error&) {
  }
  return 0;
}
