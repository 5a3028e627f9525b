// tavrel-tool: converts texts into practice files and looks codes up, in UTF-8 on the terminal.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "article/segmentation.h"
#include "article/tvm_format.h"
#include "common/data_path.h"
#include "common/gbk.h"
#include "common/safe_file.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"

namespace {

constexpr const char* kUsage =
    "usage: tavrel-tool convert FILE          write FILE's practice file (.tvm) beside it\n"
    "       tavrel-tool lookup [--words] CODE the candidates of a code, one per line\n"
    "       tavrel-tool code-of CHARACTER     the code of one character\n"
    "       tavrel-tool is-word TEXT          whether TEXT is listed as a word (yes/no)\n"
    "       tavrel-tool segment FILE          the words marked in a practice file, with colours\n";

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Terminal text as the dictionary holds it; a character GBK cannot hold is an error.
std::string gbk_argument(std::string_view utf8) {
  bool lossless = false;
  std::string gbk = tavrel::gbk_from_utf8(utf8, &lossless);
  if (!lossless) throw UsageError("not GBK text: " + std::string(utf8));
  return gbk;
}

std::size_t gbk_characters(const std::string& gbk) {
  std::size_t n = 0;
  for (std::size_t at = 0; at < gbk.size(); at += tavrel::gbk_char_length(gbk, at)) {
    if (tavrel::gbk_char_length(gbk, at) != 2) throw UsageError("not a Chinese text");
    ++n;
  }
  return n;
}

// The data tree lies beside the executable, as for the program.
void enter_data_tree(const char* argv0) {
  std::filesystem::current_path(tavrel::program_dir_from(argv0));
}

int convert(const std::filesystem::path& source) {
  auto converted = tavrel::article::convert_file(std::filesystem::absolute(source));
  std::cout << converted.characters << "\n";
  std::cerr << "wrote " << converted.path.string() << "\n";
  return 0;
}

int lookup(const std::vector<std::string>& args) {
  const bool words = args.size() == 2 && args[0] == "--words";
  if (args.size() != (words ? 2u : 1u)) throw UsageError("lookup takes a code");
  const std::string& code = args.back();
  if (!tavrel::dict::is_storable_code(code)) throw UsageError("a code is 1 to 6 digits: " + code);
  tavrel::Ttwo two;
  two.find_code(words ? tavrel::Ttwo::kScopeWords : tavrel::Ttwo::kScopeCharacters, code);
  for (int i = 0; i < two.itemcount; ++i) std::cout << tavrel::utf8_from_gbk(two.items[i]) << "\n";
  return 0;
}

int code_of(const std::string& character) {
  const std::string zi = gbk_argument(character);
  if (gbk_characters(zi) != 1) throw UsageError("code-of takes one Chinese character");
  tavrel::Ttwo two;
  const std::string code = two.code_of_zi(zi);
  if (code.empty()) {
    std::cerr << "tavrel-tool: " << character << " is not in the dictionary\n";
    return 1;
  }
  std::cout << code << "\n";
  return 0;
}

int is_word(const std::string& text) {
  const std::string word = gbk_argument(text);
  const std::size_t length = gbk_characters(word);
  if (length < 1 || length > static_cast<std::size_t>(tavrel::dict::kMaxWordChars)) {
    throw UsageError("is-word takes 1 to 13 Chinese characters");
  }
  tavrel::Ttwo two;
  std::cout << (two.find_word(static_cast<int>(length), word) ? "yes" : "no") << "\n";
  return 0;
}

// The words automatic segmentation marks in a practice file, one per line with its colour.
int segment(const std::filesystem::path& file) {
  tavrel::article::ArticleBox box;
  box.load(tavrel::article::split_box_lines(tavrel::article::read_practice_file(file)), 0);
  tavrel::Ttwo two;
  auto found = tavrel::article::segment(
      box, [&](int length, std::string_view word) { return two.find_word(length, word); });
  for (const auto& word : found.words) {
    const char* colour = word.colour == tavrel::article::kFuchsia ? "fuchsia" : "blue";
    std::cout << tavrel::utf8_from_gbk(word.text) << "\t" << colour << "\n";
  }
  return 0;
}

int run(int argc, char** argv) {
  if (argc < 3) throw UsageError("missing command");
  const std::string command = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (command == "convert" && args.size() == 1) {
    const std::filesystem::path source = std::filesystem::absolute(args[0]);
    enter_data_tree(argv[0]);
    return convert(source);
  }
  if (command == "segment" && args.size() == 1) {
    const std::filesystem::path file = std::filesystem::absolute(args[0]);
    enter_data_tree(argv[0]);
    return segment(file);
  }
  enter_data_tree(argv[0]);
  if (command == "lookup") return lookup(args);
  if (command == "code-of" && args.size() == 1) return code_of(args[0]);
  if (command == "is-word" && args.size() == 1) return is_word(args[0]);
  throw UsageError("unknown command or arguments: " + command);
}

}  // namespace

int main(int argc, char** argv) {
  tavrel::report_oversize_writes();
  try {
    return run(argc, argv);
  } catch (const UsageError& e) {
    std::cerr << "tavrel-tool: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "tavrel-tool: " << e.what() << "\n";
    return 1;
  }
}
