// The rules of the article typing test: keys, candidate pages, typing and withdrawing, clock.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "article/article_box.h"
#include "dictionary/erfenfa.h"

namespace tavrel::article {

inline constexpr Colour kWrongColour = 0x0000FF;  // red
inline constexpr int kScrollStep = 384;           // twelve box lines

// The characters the window's key preview sees; Backspace and Enter as their control codes.
inline constexpr char kBackspace = '\b';
inline constexpr char kEnter = '\r';

// What the window shows of a test, kept here so the rules can be driven without the window.
class TypingSession {
 public:
  explicit TypingSession(Ttwo*& dictionary) : dictionary_(dictionary) {}

  struct KeyResult {
    bool consumed = true;
    char key = 0;  // the key as it goes on to the code field when not consumed
  };
  // The window's key preview. `start_visible`: no test runs; `box_visible`: a test runs.
  KeyResult key_press(char k, bool start_visible, bool box_visible);

  // Loading an article: the box shows `lines`, the next typed character is its first.
  void load(std::vector<std::string> lines);
  void type_char(std::string_view s);  // move_zi forward
  void withdraw();                     // move_zi backward
  void commit(int i);                  // judge_zi

  // One second of the test clock; true when the practice time is up.
  bool tick();
  // After the report of a timed-out test: a new clock and new counters, same article.
  void restart_clock();

  ArticleBox box;
  // The display settings: characters typed correctly, the learner's characters, characters not
  // yet typed (and the box's text), the box's background.
  Colour typed_color = 0x000000;
  Colour input_color = 0xFF0000;
  Colour untyped_color = 0x000000;
  Colour background_color = 0xFFFFFF;
  int practice_minutes = 15;
  bool fresh = true;
  bool choosing = false;
  int cur_pos = 0;
  int cur_line = 1;
  int page_first = 0, page_last = 0;

  std::string code;                            // the code field
  std::string candidate_line;                  // GBK
  bool show_left = false, show_right = false;  // Bleft, bright
  bool segment_enabled = true;                 // BitBtn1

  int typed = 0, wrong = 0;  // the counters alread and wrong
  // Keys of the test that the key rules consumed or passed on to the code field; they start
  // again with the other counters.
  int keystrokes = 0;
  std::vector<std::string> errata;  // article character + "(" + typed + ")", in typing order
  // The next errata line to receive its code in the report; it belongs to the list and goes back
  // to 0 only when the list is cleared, so a line never gets its code twice.
  int errata_cursor = 0;
  void clear_errata();

  std::string clock_text = "0:00";  // Lgo
  int elapsed_minutes = 0, elapsed_seconds = 0;
  int progress = 0;  // ProgressBar1

  // Called when the article's end is reached, before the rest of the key is handled: the
  // window shows the report, reloads the article and makes it fresh again.
  std::function<void()> on_article_end;
  // Called with the pixels to scroll the box by (down positive).
  std::function<void(int)> on_scroll;

 private:
  void look_up(int scope);
  void first_page();
  void next_page();
  void previous_page();
  void clear_candidates();
  void scroll(int pixels);
  bool looks_wrong_in_box() const;
  static bool is_scroll_line(int line) { return line >= 13 && (line - 13) % 12 == 0; }

  Ttwo*& dictionary_;
  // One entry per character the typed counter holds: whether it was counted wrong. Withdrawing
  // takes back exactly what typing counted, also past the article's end where the box holds no
  // article character to compare with again.
  std::vector<bool> counted_wrong_;
};

// The elapsed time as Lgo shows it: minutes and seconds, each with a leading zero below 10.
std::string clock_display(int minutes, int seconds);

}  // namespace tavrel::article
