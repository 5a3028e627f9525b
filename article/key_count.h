// Counting the keys an article takes in the typing test, pressed as a perfect typist would.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/erfenfa.h"

namespace tavrel::article {

struct KeyCount {
  long keys = 0;
  long characters = 0;  // typed right; a character that no code can bring up is left untyped
  long untypeable = 0;
};

// Text (GBK) -> every code that offers it, read from the dictionary's code-ordered files.
using CodesByText = std::map<std::string, std::vector<std::string>>;
CodesByText codes_by_text(int first_file, int last_file);

// Types the characters of `source` (GBK text), as its practice file holds them, in a typing session
// through `dictionary`: each character by the code of it that needs the fewest keys (digits, the
// end key, "+" to page, a digit or space to choose) and, `with_words`, each word that automatic
// marking finds, by its word code and "*", where that needs fewer keys than its characters. Keys
// are pressed through the session's own key handling and counted as pressed; every character typed
// is checked against the text.
KeyCount count_keys(std::string_view source, Ttwo& dictionary, bool with_words);

}  // namespace tavrel::article
