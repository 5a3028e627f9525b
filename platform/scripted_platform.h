// A platform for tests: dialogs answered from a script, calls recorded, time and chance fixed.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tavrel {

// Records what the program does with the sound device instead of making a sound.
class RecordingAudio : public AudioBackend {
 public:
  void open(const std::filesystem::path& file) override;
  bool can_play() const override { return !open_file_.empty() && playable_; }
  void play() override;
  void close() override;

  std::vector<std::string> log;      // "open <file>", "play", "close <file>"
  std::filesystem::path open_file_;  // empty when closed
  std::filesystem::path playing_;    // what sounds now; empty when silent
  bool playable_ = true;             // what can_play reports for an open file
};

class ScriptedPlatform : public Platform {
 public:
  struct MessageCall {
    QString text, caption;
    MsgButtons buttons;
    MsgIcon icon;
  };

  MsgResult message_box(QWidget* parent, const QString& text, const QString& caption,
                        MsgButtons buttons, MsgIcon icon) override;
  std::optional<QString> input_box(QWidget* parent, const QString& caption, const QString& prompt,
                                   const QString& initial) override;
  std::optional<std::filesystem::path> open_file(QWidget* parent, const QString& title,
                                                 const QString& filter) override;
  std::optional<std::filesystem::path> save_file(QWidget* parent, const QString& title,
                                                 const QString& filter,
                                                 const QString& suggested_name) override;
  std::optional<QColor> choose_color(QWidget* parent, const QColor& initial) override;
  void shell_open(QWidget* parent, const QString& target) override;
  AudioBackend& audio() override { return audio_; }
  QDateTime now() override { return now_; }
  QString long_time(const QTime& time) override { return time.toString("H:mm:ss"); }
  QString short_date(const QDate& date) override { return date.toString("yyyy-M-d"); }
  int random(int n) override;
  void wait_one_second() override { ++waits; }

  // Answers, taken in order; when a queue is empty the box gets its first button
  // (Ok or Yes) and the other dialogs are cancelled.
  std::deque<MsgResult> message_answers;
  std::deque<std::optional<QString>> input_answers;
  std::deque<std::optional<std::filesystem::path>> file_answers;
  std::deque<std::optional<QColor>> color_answers;
  std::deque<std::optional<std::filesystem::path>> save_answers;
  // Values random() returns in order (each taken modulo n); after them, 0.
  std::deque<int> random_values;

  std::vector<MessageCall> messages;
  std::vector<QString> input_prompts;
  std::vector<QString> save_suggestions;  // the names the save dialogs offered
  std::vector<QString> shell_targets;
  RecordingAudio audio_;
  QDateTime now_{QDate(2026, 1, 5), QTime(9, 30, 0)};
  int waits = 0;
};

// Installs a fresh ScriptedPlatform for the lifetime of the object and restores the previous.
class ScopedScriptedPlatform {
 public:
  ScopedScriptedPlatform();
  ~ScopedScriptedPlatform();
  ScriptedPlatform* operator->() { return platform_; }
  ScriptedPlatform& operator*() { return *platform_; }

 private:
  ScriptedPlatform* platform_;
  std::unique_ptr<Platform> previous_;
};

}  // namespace tavrel
