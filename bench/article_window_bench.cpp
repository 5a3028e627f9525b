// Long-article benchmark (not a test): the practice window offscreen with a 100,000-character
// practice file. Times loading it, then types through the whole article one key per character
// (a blank) and times, at positions spread over it, one key until the window has painted it.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "article/test.h"
#include "article/test_change.h"
#include "article/tvm_format.h"
#include "common/gbk.h"
#include "dictionary/erfenfa.h"
#include "platform/scripted_platform.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The default article repeated until its practice file holds at least `characters` characters
// (conversion drops punctuation), converted as a teacher would.
tavrel::article::Conversion long_practice_file(int characters) {
  std::ifstream in(TAVREL_DEFAULT_ARTICLE, std::ios::binary);
  const std::string article = tavrel::gbk_from_utf8(std::string((std::istreambuf_iterator<char>(in)), {}));
  const auto once = tavrel::article::convert_text(article + " ").characters;
  std::string text;
  for (std::int64_t kept = 0; kept < characters; kept += once) text += article;
  return tavrel::article::convert_text(text + " ");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int characters = argc > 1 ? std::atoi(argv[1]) : 100000;

  const fs::path dir = fs::temp_directory_path() / "tavrel-article-window-bench";
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy(fs::path(TAVREL_DATA_DIR) / "hzlib", dir / "hzlib");
  const auto practice = long_practice_file(characters);
  std::ofstream(dir / "test.tvm", std::ios::binary) << practice.bytes;
  fs::current_path(dir);

  tavrel::ScopedScriptedPlatform platform;
  tavrel::Ttwo dictionary;
  tavrel::two = &dictionary;
  Tform_test window;
  TForm_change change;
  form_test = &window;
  Form_change = &change;
  window.program_dir = QByteArray::fromStdString(dir.string() + "/");

  auto start = Clock::now();
  window.show();  // loads "test.tvm"
  QApplication::processEvents();
  const double load_ms = ms_since(start);
  const int lines = window.session.box.line_count();

  window.BtnStartClick();
  window.Timer1Timer();
  QApplication::processEvents();
  std::vector<double> timed;
  double slowest = 0;
  int slowest_at = 0;
  const int sample_every = std::max<int>(1, static_cast<int>(practice.characters / 200));
  start = Clock::now();
  int typed = 0;
  for (; typed < practice.characters - 1 && window.ScrollBox1->isVisible(); ++typed) {
    const int i = typed;
    const bool sampled = i % sample_every == 0;
    const auto key_start = Clock::now();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.Edit_input,
                    Qt::Key_Space);
    if (!sampled) continue;
    QApplication::processEvents();  // the paint of what the key changed
    const double ms = ms_since(key_start);
    timed.push_back(ms);
    if (ms > slowest) slowest = ms, slowest_at = i;
  }
  const double typing_s = ms_since(start) / 1000;
  std::sort(timed.begin(), timed.end());

  std::printf("practice file: %lld characters, %d box lines\n",
              static_cast<long long>(practice.characters), lines);
  std::printf("showing the window with it loaded: %.0f ms\n", load_ms);
  std::printf("typing through it, one key per character: %d keys, %.1f s (%.3f ms a key)\n", typed,
              typing_s, typing_s * 1000 / std::max(typed, 1));
  std::printf("timed keys with their paint: %zu, median %.2f ms, slowest %.2f ms at character %d\n",
              timed.size(), timed[timed.size() / 2], slowest, slowest_at);
  tavrel::two = nullptr;
  form_test = nullptr;
  Form_change = nullptr;
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(dir);
  return 0;
}
