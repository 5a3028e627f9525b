// Automatic word segmentation: the greedy longest-first scan of the article box's lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "article/article_box.h"

namespace tavrel::article {

inline constexpr Colour kFuchsia = 0xFF00FF;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr int kLongestWord = 9;  // characters
inline constexpr int kArticleLineBytes = 60;

// Whether the GBK text `word` is a listed word of `length` characters.
using WordLookup = std::function<bool(int length, std::string_view word)>;

struct FoundWord {
  int line = 0;      // box line of the word's start (an article line)
  int column = 0;    // its first byte in that line, from 0
  std::string text;  // GBK, across the line end when it runs over
  Colour colour = kFuchsia;
};

struct Segmentation {
  std::vector<FoundWord> words;
  long lookups = 0;  // calls of the word lookup
};

// Scans the article lines of `box` (lines 0, 2, 4 ... up to the first empty one), colours every
// word found in alternating fuchsia and blue, and calls `line_done` after each article line.
Segmentation segment(ArticleBox& box, const WordLookup& is_word,
                     const std::function<void()>& line_done = {});

}  // namespace tavrel::article
