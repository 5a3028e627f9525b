// The segmentation scan: at each character the longest listed word of at most nine characters.
#include "article/segmentation.h"

namespace tavrel::article {

Segmentation segment(ArticleBox& box, const WordLookup& is_word,
                     const std::function<void()>& line_done) {
  Segmentation result;
  bool alt = true;
  int carry = 1;
  // P counts bytes from 1 as the scan's positions do; a word may run over the line's 60 bytes.
  for (int line = 0, p = 1; !box.line(line).empty(); line += 2, p = carry) {
    const std::string& s = box.line(line);
    const std::string& next = box.line(line + 2);
    const int base = box.line_start(line);
    const int next_base = box.line_start(line + 2);
    carry = 1;
    while (p <= kArticleLineBytes + 1) {
      int taken = 1;
      for (int n = kLongestWord; n >= 2; --n) {
        const int over = p + 2 * n - (kArticleLineBytes + 1);  // bytes past the line's end
        const bool across = over > 0 && !next.empty();
        std::string word = p - 1 < static_cast<int>(s.size())
                               ? s.substr(p - 1, across ? kArticleLineBytes + 1 - p : 2 * n)
                               : std::string();
        if (across) word += next.substr(0, over);
        // A text shorter than n characters (the article's end) cannot be a word of n.
        if (static_cast<int>(word.size()) < 2 * n) continue;
        ++result.lookups;
        if (!is_word(n, word)) continue;
        const Colour colour = alt ? kFuchsia : kBlue;
        alt = !alt;
        if (across) {
          box.colour(base + p - 1, kArticleLineBytes + 1 - p, colour);
          box.colour(next_base, over, colour);
          carry = over + 1;
        } else {
          box.colour(base + p - 1, 2 * n, colour);
        }
        result.words.push_back({line, p - 1, std::move(word), colour});
        taken = n;
        break;
      }
      p += 2 * taken;
    }
    if (line_done) line_done();
  }
  return result;
}

}  // namespace tavrel::article
