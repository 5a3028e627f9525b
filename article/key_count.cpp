// The perfect typist: choosing codes by their cost, then pressing the keys in a typing session.
#include "article/key_count.h"

#include <algorithm>
#include <stdexcept>

#include "article/segmentation.h"
#include "article/tvm_format.h"
#include "article/typing_session.h"
#include "common/data_path.h"
#include "common/fixed_field.h"
#include "dictionary/byte_file.h"
#include "dictionary/dict_format.h"

namespace tavrel::article {
namespace {

constexpr int kFirstPageCharacters = 10;  // what a page holds, to estimate a code's cost
constexpr int kNextPageCharacters = 12;

struct Way {
  std::string code;
  char end_key = '/';
  int keys = 0;  // estimated
};

// The estimated keys of typing `text` by `code`: its digits, the end key, then paging and a
// choice unless it is the only candidate.
int estimate(Ttwo& dictionary, int scope, const std::string& code, const std::string& text) {
  dictionary.find_code(scope, code);
  const auto end = dictionary.items.begin() + dictionary.itemcount;
  const auto at = std::find(dictionary.items.begin(), end, text);
  if (at == end) return -1;
  const int index = static_cast<int>(at - dictionary.items.begin());
  int keys = static_cast<int>(code.size()) + 1;
  if (dictionary.itemcount == 1) return keys;
  const int per_page = scope == Ttwo::kScopeCharacters ? 1 : static_cast<int>(text.size() / 2);
  const int first = kFirstPageCharacters / per_page, next = kNextPageCharacters / per_page;
  const int pages = index < first ? 0 : 1 + (index - first) / next;
  return keys + pages + 1;
}

Way cheapest(Ttwo& dictionary, const CodesByText& codes, const std::string& text) {
  const int scope = text.size() == 2 ? Ttwo::kScopeCharacters : Ttwo::kScopeWords;
  Way best;
  auto found = codes.find(text);
  if (found == codes.end()) return best;
  for (const auto& code : found->second) {
    const int keys = estimate(dictionary, scope, code, text);
    if (keys > 0 && (best.keys == 0 || keys < best.keys)) {
      best = {code, scope == Ttwo::kScopeCharacters ? '/' : '*', keys};
    }
  }
  return best;
}

class Typist {
 public:
  Typist(Ttwo& dictionary, std::vector<std::string> lines)
      : dictionary_(&dictionary), session_(dictionary_) {
    session_.load(std::move(lines));
  }

  // Presses the keys of `way` for `text`; false (nothing typed) when the candidate cannot be
  // chosen with a digit on its page.
  bool type(const Way& way, const std::string& text) {
    long keys = 0;
    const int typed_before = session_.typed;
    for (char digit : way.code) {
      press(digit, keys);
      session_.code += digit;  // the code field takes the digit the preview lets through
    }
    press(way.end_key, keys);
    const auto& items = dictionary_->items;
    if (session_.choosing) {
      const auto end = items.begin() + dictionary_->itemcount;
      const int index = static_cast<int>(std::find(items.begin(), end, text) - items.begin());
      while (session_.choosing && index > session_.page_last) press('+', keys);
      const int number = index - session_.page_first;
      if (!session_.choosing || number < 0 || number > 9) {
        press('.', keys);  // Backspace withdraws the choice; the code field is emptied below
        session_.code.clear();
        return false;
      }
      press(static_cast<char>('0' + number), keys);
    }
    if (session_.typed - typed_before != static_cast<int>(text.size() / 2) || session_.wrong != 0) {
      throw std::logic_error("the typist typed what the text does not hold");
    }
    count_.keys += keys;
    count_.characters += static_cast<long>(text.size() / 2);
    return true;
  }

  void skip(const std::string& character) {
    ++count_.untypeable;
    session_.type_char(character);  // counts as wrong, as the learner's blank would
    session_.wrong = 0;
  }

  const KeyCount& count() const { return count_; }

 private:
  void press(char key, long& keys) {
    ++keys;
    session_.key_press(key, false, true);
  }

  Ttwo* dictionary_;
  TypingSession session_;
  KeyCount count_;
};

// The length in characters of the longest listed word starting at `at`, 1 when none is.
int longest_word(Ttwo& dictionary, std::string_view text, std::size_t at) {
  for (int n = kLongestWord; n >= 2; --n) {
    const std::size_t bytes = static_cast<std::size_t>(n) * 2;
    if (at + bytes > text.size()) continue;
    if (dictionary.find_word(n, text.substr(at, bytes))) return n;
  }
  return 1;
}

}  // namespace

CodesByText codes_by_text(int first_file, int last_file) {
  CodesByText codes;
  for (int n = first_file; n <= last_file; ++n) {
    const std::string path = resolve_path(dict::code_file_path(n), ".").string();
    for (const auto& r : dict::decode_file(read_whole_file(path), n))
      codes[r.text].push_back(r.code);
  }
  return codes;
}

KeyCount count_keys(std::string_view source, Ttwo& dictionary, bool with_words) {
  const CodesByText char_codes = codes_by_text(1, 1);
  const CodesByText word_codes = with_words ? codes_by_text(2, dict::kFileCount) : CodesByText{};
  // The characters as the practice file holds them: its article lines, the last one padded.
  auto lines = split_box_lines(convert_text(source).bytes);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); i += 2) text += trim_blanks(lines[i]);
  Typist typist(dictionary, std::move(lines));
  auto type_characters = [&](std::size_t from, std::size_t to) {
    for (std::size_t at = from; at < to; at += 2) {
      const std::string ch(text.substr(at, 2));
      const Way way = cheapest(dictionary, char_codes, ch);
      if (way.keys == 0 || !typist.type(way, ch)) typist.skip(ch);
    }
  };
  for (std::size_t at = 0; at + 1 < text.size();) {
    const int n = with_words ? longest_word(dictionary, text, at) : 1;
    const std::size_t bytes = static_cast<std::size_t>(n) * 2;
    if (n > 1) {
      const std::string word(text.substr(at, bytes));
      int by_characters = 0;
      for (std::size_t c = at; c < at + bytes; c += 2) {
        by_characters += cheapest(dictionary, char_codes, std::string(text.substr(c, 2))).keys;
      }
      const Way way = cheapest(dictionary, word_codes, word);
      if (way.keys > 0 && way.keys < by_characters && typist.type(way, word)) {
        at += bytes;
        continue;
      }
    }
    type_characters(at, at + bytes);
    at += bytes;
  }
  return typist.count();
}

}  // namespace tavrel::article
