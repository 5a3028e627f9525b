// tavrel-tool: converts texts into practice files and looks codes up, in UTF-8 on the terminal.
#include <QDate>
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "article/key_count.h"
#include "article/segmentation.h"
#include "article/tvm_format.h"
#include "common/data_path.h"
#include "common/gbk.h"
#include "common/safe_file.h"
#include "common/user_files.h"
#include "dictionary/dict_format.h"
#include "dictionary/erfenfa.h"
#include "history/history_store.h"
#include "history_view/charts.h"
#include "history_view/csv_export.h"
#include "history_view/terminal_report.h"

namespace {

constexpr const char* kUsage =
    "usage: tavrel-tool convert FILE          write FILE's practice file (.tvm) beside it\n"
    "       tavrel-tool lookup [--words] CODE the candidates of a code, one per line\n"
    "       tavrel-tool code-of CHARACTER     the code of one character\n"
    "       tavrel-tool is-word TEXT          whether TEXT is listed as a word (yes/no)\n"
    "       tavrel-tool segment FILE          the words marked in a practice file, with colours\n"
    "       tavrel-tool keys FILE             keys per character to type a UTF-8 text, by\n"
    "                                         characters only and with words\n"
    "       tavrel-tool history [--db FILE] [--subject KIND|article|warmup] [--days N]\n"
    "                           [--latest N] [--csv]\n"
    "                                         the learning history's figures, or all of it as "
    "CSV\n";

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

int keys(const std::filesystem::path& file) {
  const std::string text = tavrel::gbk_from_utf8(
      tavrel::read_regular_file(file, tavrel::file_limits::kConversionSource));
  tavrel::Ttwo two;
  for (bool with_words : {false, true}) {
    const auto count = tavrel::article::count_keys(text, two, with_words);
    char line[160];
    std::snprintf(line, sizeof line,
                  "%s: %ld characters, %ld keys, %.3f keys per character, %ld untypeable\n",
                  with_words ? "with words" : "characters only", count.characters, count.keys,
                  count.characters ? double(count.keys) / count.characters : 0.0, count.untypeable);
    std::cout << line;
  }
  return 0;
}

int whole_number(const std::string& text, const char* option) {
  int value = -1;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0)
    throw UsageError(std::string(option) + " takes a whole number: " + text);
  return value;
}

int subject_of(const std::string& text) {
  if (text == "article") return tavrel::history::kArticleSubject;
  if (text == "warmup") return tavrel::history::kWarmupSubject;
  const int kind = whole_number(text, "--subject");
  if (kind >= 12) throw UsageError("a drill kind is 0 to 11: " + text);
  return kind;
}

// The figures of the learning history window, by default for the history the program keeps: for
// an installed program that is the user's own, as the program itself decides at start-up.
int history(char** argv, const std::vector<std::string>& args) {
  const std::string program_dir = tavrel::program_dir_from(argv[0]);
  tavrel::decide_user_files(program_dir);
  std::filesystem::path file = tavrel::history::history_path(program_dir);
  tavrel::history::Filter filter;
  int latest = 20;
  bool csv = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--csv") {
      csv = true;
      continue;
    }
    if (i + 1 == args.size()) throw UsageError("missing value after " + option);
    const std::string& value = args[++i];
    if (option == "--db") {
      file = std::filesystem::absolute(value);
    } else if (option == "--subject") {
      filter.subject = subject_of(value);
    } else if (option == "--days") {
      const int days = whole_number(value, "--days");
      if (days > 0) {
        filter.since = QDate::currentDate().addDays(1 - days).toString("yyyy-MM-dd").toStdString();
      }
    } else if (option == "--latest") {
      latest = whole_number(value, "--latest");
    } else {
      throw UsageError("unknown option of history: " + option);
    }
  }
  if (!std::filesystem::exists(file)) throw std::runtime_error("no history at " + file.string());
  const tavrel::history::History kept = tavrel::history::HistoryStore(file).load();
  if (csv) {
    std::cout << tavrel::history::history_csv(kept);
    return 0;
  }
  std::cout << "学习记录 " << file.string() << "\n"
            << tavrel::history::terminal_report(
                   tavrel::history::build_charts(kept, filter, static_cast<std::size_t>(latest)));
  return 0;
}

int run(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "history")
    return history(argv, std::vector<std::string>(argv + 2, argv + argc));
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
  if (command == "keys" && args.size() == 1) {
    const std::filesystem::path file = std::filesystem::absolute(args[0]);
    enter_data_tree(argv[0]);
    return keys(file);
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
