// The rules of the article typing test, step by step as the window runs them.
#include "article/typing_session.h"

#include <algorithm>
#include <stdexcept>

#include "common/dict_order.h"

namespace tavrel::article {
namespace {

constexpr std::size_t kTypedLineBytes = 60;
constexpr int kNextArticleLine = 64;  // from the end of a typed line to the next article line
constexpr std::size_t kPageBytes = 52;
constexpr std::size_t kPreviousPageBytes = 33;

bool is_digit(char k) { return k >= '0' && k <= '9'; }

}  // namespace

std::string clock_display(int minutes, int seconds) {
  auto two_digits = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return two_digits(minutes) + ":" + two_digits(seconds);
}

void TypingSession::load(std::vector<std::string> lines) {
  box.load(std::move(lines), untyped_color);
  fresh = true;
}

TypingSession::KeyResult TypingSession::key_press(char k, bool start_visible, bool box_visible) {
  if (start_visible) return {false, k};
  // Without the box there is nothing to type into; Enter too is ignored then.
  if (!box_visible) return {false, k};
  ++keystrokes;
  if (k == kEnter) k = ' ';
  const int itemcount = dictionary_ ? dictionary_->itemcount : 0;
  if (choosing && k == '+' && itemcount - 1 > page_last) next_page();
  if (choosing && k == '-' && page_first > 0) previous_page();
  if (k == '.') k = kBackspace;
  if (k == kBackspace) {
    if (code.empty() && typed > 0) withdraw();
    choosing = false;
    clear_candidates();
    return {false, kBackspace};
  }
  if (k == ' ') {
    if (choosing) {
      choosing = false;
      commit(page_first);
    } else if (code.empty()) {
      type_char("  ");
      segment_enabled = false;
    }
  }
  if (!code.empty() && (k == '/' || k == '*' || k == ' ')) {
    show_left = show_right = false;
    look_up(k == '*' ? Ttwo::kScopeWords : Ttwo::kScopeCharacters);
  }
  if (k == ' ' || k == '*' || k == '/') {
    if (choosing && page_last == 0) {
      commit(page_first);
      choosing = false;
    } else if (!choosing) {
      code.clear();
    }
    return {};
  }
  if (is_digit(k)) {
    if (!choosing) return {false, k};
    commit(page_first + std::min(k - '0', page_last - page_first));
    choosing = false;
  }
  return {};
}

void TypingSession::look_up(int scope) {
  if (!dictionary_) throw std::logic_error("the code dictionary has not been created");
  dictionary_->find_code(scope, code);
  if (dictionary_->itemcount <= 0) {
    choosing = false;
    page_first = page_last = 0;
    return;
  }
  choosing = true;
  first_page();
  segment_enabled = false;
}

void TypingSession::first_page() {
  const auto& items = dictionary_->items;
  candidate_line.clear();
  page_last = 0;
  for (int i = 0; i < dictionary_->itemcount; ++i) {
    if (candidate_line.size() + items[i].size() >= kPageBytes) break;
    candidate_line += " " + std::to_string(i) + "." + items[i];
    page_last = i;
  }
  page_first = 0;
  show_right = dictionary_->itemcount - 1 > page_last;
}

void TypingSession::next_page() {
  const auto& items = dictionary_->items;
  show_left = true;
  candidate_line.clear();
  const int old_last = page_last;
  for (int i = old_last + 1; i < dictionary_->itemcount; ++i) {
    if (candidate_line.size() + items[i].size() >= kPageBytes) break;
    candidate_line += std::to_string(i - old_last - 1) + "." + items[i];
    page_last = i;
  }
  page_first = old_last + 1;
  show_right = dictionary_->itemcount - 1 > page_last;
}

void TypingSession::previous_page() {
  const auto& items = dictionary_->items;
  show_right = true;
  candidate_line.clear();
  std::string measure;
  int lowest = page_first - 1;
  for (int i = page_first - 1; i >= 0; --i) {
    if (measure.size() + items[i].size() >= kPreviousPageBytes) break;
    measure = std::to_string(i - page_first + 1) + "." + items[i] + measure;
    lowest = i;
  }
  page_last = page_first - 1;
  page_first = lowest;
  for (int i = page_first; i <= page_last; ++i)
    candidate_line += std::to_string(i - page_first) + "." + items[i];
  show_left = page_first > 0;
}

void TypingSession::clear_candidates() {
  candidate_line.clear();
  show_left = show_right = false;
}

void TypingSession::commit(int i) {
  const std::string item = dictionary_->items.at(static_cast<std::size_t>(i));
  for (std::size_t at = 0; at + 1 < item.size(); at += 2) {
    if (at > 0 && fresh) break;  // the article ended within this word
    type_char(item.substr(at, 2));
  }
  code.clear();
  clear_candidates();
}

void TypingSession::type_char(std::string_view s) {
  if (fresh) {
    fresh = false;
    cur_pos = 0;
    cur_line = 1;
  }
  ++typed;
  if (counted_wrong_.size() + 1 != static_cast<std::size_t>(typed)) counted_wrong_.clear();
  counted_wrong_.push_back(false);
  const int above = static_cast<int>(box.line(cur_line - 1).size());
  box.append(cur_line, s);
  box.colour(cur_pos + above + ArticleBox::kBreakWidth, 2, input_color);
  cur_pos += 2;
  const std::string article_char = box.bytes_at(cur_pos - 2, 2);
  if (dict_compare(article_char, s) != 0) {
    ++wrong;
    counted_wrong_.back() = true;
    errata.push_back(article_char + "(" + std::string(s) + ")");
    box.colour(cur_pos - 2, 2, kWrongColour);
  } else {
    box.colour(cur_pos - 2, 2, typed_color);
  }
  if (box.line(cur_line).size() == kTypedLineBytes) {
    cur_pos += kNextArticleLine;
    cur_line += 2;
    if (is_scroll_line(cur_line)) scroll(kScrollStep);
  }
  if (box.byte_at(cur_pos) == ' ' && on_article_end) on_article_end();
}

void TypingSession::withdraw() {
  // Nothing of a fresh article has been typed: the counters still show the last test's.
  if (fresh) return;
  box.colour(cur_pos - 2, 4, untyped_color);
  if (box.line(cur_line).empty()) {
    if (cur_line <= 1) return;  // nothing typed on the first line either
    if (is_scroll_line(cur_line)) scroll(-kScrollStep);
    cur_pos -= kNextArticleLine;
    cur_line -= 2;
    // The character withdrawn ends the line above: it loses its typed colour too.
    box.colour(cur_pos - 2, 2, untyped_color);
  }
  const bool was_wrong = counted_wrong_.size() == static_cast<std::size_t>(typed) && typed > 0
                             ? counted_wrong_.back()
                             : looks_wrong_in_box();
  const bool lowered = was_wrong && wrong > 0;
  if (lowered) --wrong;
  box.cut_end(cur_line, 2);
  cur_pos -= 2;
  if (typed > 0) {
    --typed;
    if (!counted_wrong_.empty()) counted_wrong_.pop_back();
    if (lowered && !errata.empty()) errata.pop_back();
    errata_cursor = std::min(errata_cursor, static_cast<int>(errata.size()));
  }
  wrong = std::min(wrong, typed);
}

// Without a record of the character (counters set from outside), the box decides: the learner's
// character differs from the article character above it.
bool TypingSession::looks_wrong_in_box() const {
  if (box.line(cur_line).empty()) return false;
  const std::string article_char = box.bytes_at(cur_pos - 2, 2);
  const int above = static_cast<int>(box.line(cur_line - 1).size());
  const std::string learner_char = box.bytes_at(cur_pos - 2 + above + ArticleBox::kBreakWidth, 2);
  return dict_compare(article_char, learner_char) != 0;
}

bool TypingSession::tick() {
  if (clock_text == "0:00") {
    // The first second starts the test's counts; errata of characters typed before it would
    // stand in the report without being counted wrong.
    typed = wrong = keystrokes = 0;
    counted_wrong_.clear();
    clear_errata();
    elapsed_minutes = elapsed_seconds = 0;
  }
  if (++elapsed_seconds == 60) {
    elapsed_seconds = 0;
    ++elapsed_minutes;
  }
  clock_text = clock_display(elapsed_minutes, elapsed_seconds);
  ++progress;
  return elapsed_minutes >= practice_minutes;
}

void TypingSession::clear_errata() {
  errata.clear();
  errata_cursor = 0;
}

void TypingSession::restart_clock() {
  clear_errata();
  progress = 0;
  typed = wrong = keystrokes = 0;
  counted_wrong_.clear();
  clock_text = "0:00";
  elapsed_minutes = elapsed_seconds = 0;
}

void TypingSession::scroll(int pixels) {
  if (on_scroll) on_scroll(pixels);
}

}  // namespace tavrel::article
