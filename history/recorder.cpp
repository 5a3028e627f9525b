// The recorder: one short connection per entry, failures reported once in a message box.
#include "history/recorder.h"

#include <QApplication>
#include <QString>
#include <exception>

#include "history/history_store.h"
#include "platform/platform.h"

namespace tavrel::history {
namespace {

std::optional<std::filesystem::path>& file() {
  static std::optional<std::filesystem::path> kept;
  return kept;
}

bool& reported() {
  static bool once = false;
  return once;
}

std::string now_text() {
  return platform().now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

void report(const std::exception& error) {
  if (reported()) return;
  reported() = true;
  platform().message_box(
      QApplication::activeWindow(),
      QString::fromUtf8(error.what()) +
          QStringLiteral("\n\n本次练习的学习记录没有保存。练习照常进行，成绩和排行榜照常保存。"),
      QStringLiteral("学习记录"), MsgButtons::Ok, MsgIcon::Warning);
}

// Runs `write` on a fresh connection; a failure of any kind is reported, never thrown on.
template <typename Write>
std::int64_t guarded_write(Write write) {
  if (!file()) return 0;
  try {
    HistoryStore store(*file());
    return write(store);
  } catch (const std::exception& error) {
    report(error);
    return 0;
  }
}

}  // namespace

void set_history_file(std::optional<std::filesystem::path> f) {
  file() = std::move(f);
  reported() = false;
}

const std::optional<std::filesystem::path>& history_file() { return file(); }

std::int64_t record(DrillRun run) {
  run.at = now_text();
  return guarded_write([&](HistoryStore& store) { return store.add(run); });
}

std::int64_t record_again(std::int64_t id, DrillRun run) {
  if (id == 0) return record(std::move(run));
  run.at = now_text();
  return guarded_write([&](HistoryStore& store) {
    store.replace(id, run);
    return id;
  });
}

std::int64_t record(ArticleTest test) {
  test.at = now_text();
  return guarded_write([&](HistoryStore& store) { return store.add(test); });
}

std::int64_t record(WarmupGame game) {
  game.at = now_text();
  return guarded_write([&](HistoryStore& store) { return store.add(game); });
}

}  // namespace tavrel::history
